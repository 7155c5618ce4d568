#include "tests/windows/support/temp_dir.h"

#include "platform/cp932_codec.h"
#include "platform/text.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

namespace tarvok::test {

namespace {

void removeTree(const std::wstring& dir) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring full = dir + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(full);
            } else {
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(dir.c_str());
}

} // namespace

TempDir::TempDir() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring candidate = std::wstring(base) + L"tarvok-test-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = narrow(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    removeTree(widen(path_));
}

namespace {
constexpr char kAsideSuffix[] = ".tarvok-test-aside";
}

SetAside::SetAside(std::string path) : path_(std::move(path)) {
    if (!fileExists(path_)) {
        return;
    }
    moved_ = MoveFileExW(widen(path_).c_str(), widen(path_ + kAsideSuffix).c_str(), 0) != 0;
    if (!moved_) {
        throw std::runtime_error("cannot set aside " + path_);
    }
}

SetAside::~SetAside() {
    if (moved_) {
        MoveFileExW(widen(path_ + kAsideSuffix).c_str(), widen(path_).c_str(), 0);
    }
}

std::string readFileBytes(const std::string& path) {
    // Other processes (the browser stand-in, the marker) may be writing the file right now.
    HANDLE f = CreateFileW(widen(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot read " + path);
    }
    std::string bytes;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0) {
        bytes.append(buffer, n);
    }
    CloseHandle(f);
    return bytes;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE f =
        CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot write " + path);
    }
    DWORD n = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(f);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string sjis(const std::string& utf8) {
    return systemCodec().encode(utf8).value();
}

} // namespace tarvok::test
