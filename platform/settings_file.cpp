#include "platform/settings_file.h"

#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "platform/win_handles.h"
#include "settings/errors.h"
#include "settings/messages.h"
#include "settings/text_format.h"

#include <windows.h>

#include <algorithm>

namespace tarvok {

std::string systemErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n > 0 && buffer != nullptr ? std::wstring(buffer, n) : std::wstring{};
    if (buffer != nullptr) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = L"Error " + std::to_wstring(code);
    }
    return narrow(text);
}

namespace {

[[noreturn]] void fail(const char* pattern, const std::string& path, DWORD code) {
    throw AppError(formatMessage(pattern, {path, systemErrorText(code)}));
}

bool writeAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

IniModel loadSettingsFile(const std::string& path) {
    const std::wstring wide = widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD err = GetLastError();
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) {
            return {};
        }
        fail(msg::kFileCannotOpen, path, err);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        fail(msg::kFileCannotOpen, path, ERROR_ACCESS_DENIED);
    }
    UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        fail(msg::kFileCannotOpen, path, GetLastError());
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        fail(msg::kFileCannotOpen, path, GetLastError());
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            fail(msg::kFileCannotOpen, path, GetLastError());
        }
        if (read == 0) {
            break; // the file shrank while being read: take what is there
        }
        done += read;
    }
    bytes.resize(done);
    return IniModel::parse(bytes);
}

void saveSettingsFile(const std::string& path, const IniModel& model) {
    const std::wstring target = widen(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        // Replacing would succeed on some systems and silently defeat the user's protection.
        fail(msg::kFileCannotCreate, path, ERROR_ACCESS_DENIED);
    }
    const std::wstring temporary = target + L".tmp";
    const std::string bytes = model.serialize();
    DWORD err = ERROR_SUCCESS;
    {
        UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            fail(msg::kFileCannotCreate, path, GetLastError());
        }
        if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            err = GetLastError();
            if (err == ERROR_SUCCESS) {
                err = ERROR_WRITE_FAULT;
            }
        }
    }
    if (err == ERROR_SUCCESS && !MoveFileExW(temporary.c_str(), target.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        err = GetLastError();
    }
    if (err != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        fail(msg::kFileCannotCreate, path, err);
    }
}

Settings openSettings(const std::string& path) {
    return Settings(loadSettingsFile(path), systemCodec());
}

void saveIfChanged(const std::string& path, const Settings& settings) {
    if (settings.changed()) {
        saveSettingsFile(path, settings.model());
    }
}

} // namespace tarvok
