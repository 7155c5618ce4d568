#include "platform/settings_file.h"

#include "platform/cp932_codec.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "platform/win_handles.h"
#include "settings/errors.h"
#include "settings/messages.h"
#include "settings/text_format.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

namespace tarvok {

std::string systemErrorText(unsigned long code) {
    wchar_t* raw = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&raw), 0, nullptr);
    const UniqueLocalMemory<wchar_t> buffer(raw);
    std::wstring text = n > 0 && buffer ? std::wstring(buffer.get(), n) : std::wstring{};
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = widen(formatMessage(ui::kErrorNumber, {std::to_string(code)}));
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

// Each save writes its own temporary file beside the settings file: two copies of the
// launcher in one folder would otherwise fight over one name and one of them lose its change.
UniqueFile createTemporary(const std::wstring& target, std::wstring& name) {
    static std::atomic<unsigned> count{0};
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++count) + L"-" + std::to_wstring(GetTickCount()) + L".tmp";
        // No sharing at all, FILE_SHARE_DELETE included: another copy's start-up clean-up
        // cannot delete a temporary file while a save is writing it.
        UniqueFile file(CreateFileW(pathForFileCalls(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return UniqueFile{};
}

// The other copy's swap, or a copy reading the file, holds the target for a moment.
DWORD swapInto(const std::wstring& temporary, const std::wstring& target) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(pathForFileCalls(temporary).c_str(), pathForFileCalls(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return ERROR_SUCCESS;
        }
        const DWORD err = GetLastError();
        if ((err != ERROR_SHARING_VIOLATION && err != ERROR_ACCESS_DENIED) || attempt == 200) {
            return err;
        }
        Sleep(10);
    }
}

// Writes the bytes to a new temporary file and puts it in the target's place; the error code
// of the step that failed, with the temporary file removed again.
DWORD writeAndSwap(const std::wstring& target, const std::string& bytes) {
    std::wstring temporary;
    DWORD err = ERROR_SUCCESS;
    {
        UniqueFile file = createTemporary(target, temporary);
        if (!file) {
            return GetLastError();
        }
        if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            err = GetLastError();
            if (err == ERROR_SUCCESS) {
                err = ERROR_WRITE_FAULT;
            }
        }
    }
    if (err == ERROR_SUCCESS) {
        err = swapInto(temporary, target);
    }
    if (err != ERROR_SUCCESS) {
        DeleteFileW(pathForFileCalls(temporary).c_str());
    }
    return err;
}

// "<settings file>.<process>-<count>-<tick>.tmp", or "<settings file>.tmp" from the builds
// that used one fixed name.
bool isOurTemporary(std::wstring_view name, std::wstring_view settingsName) {
    if (name.size() < settingsName.size() + 4 || !name.starts_with(settingsName) ||
        !name.ends_with(L".tmp")) {
        return false;
    }
    const auto unique = name.substr(settingsName.size(), name.size() - settingsName.size() - 4);
    return unique.empty() || (unique.size() > 1 && unique.front() == L'.' &&
                              unique.find_first_not_of(L"0123456789-", 1) == unique.npos);
}

} // namespace

IniModel loadSettingsFile(const std::string& path) {
    const std::wstring wide = pathForFileCalls(path);
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
    const DWORD attributes = GetFileAttributesW(pathForFileCalls(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        // Replacing would succeed on some systems and silently defeat the user's protection.
        fail(msg::kFileCannotCreate, path, ERROR_ACCESS_DENIED);
    }
    const std::string bytes = model.serialize();
    DWORD err = writeAndSwap(target, bytes);
    if (err == ERROR_FILE_NOT_FOUND) {
        // Another copy starting up swept our closed temporary file away before the swap.
        err = writeAndSwap(target, bytes);
    }
    if (err != ERROR_SUCCESS) {
        fail(msg::kFileCannotCreate, path, err);
    }
}

void removeLeftoverTemporaries(const std::string& settingsPath) {
    const std::wstring target = widen(settingsPath);
    const std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
    WIN32_FIND_DATAW found;
    const UniqueFind search(FindFirstFileW(pathForFileCalls(target + L".*").c_str(), &found));
    if (!search) {
        return;
    }
    do {
        // A temporary file that a save in progress holds open refuses the delete and stays.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            isOurTemporary(found.cFileName, std::wstring_view(target).substr(folder.size()))) {
            DeleteFileW(pathForFileCalls(folder + found.cFileName).c_str());
        }
    } while (FindNextFileW(search.get(), &found));
}

SettingsLock::SettingsLock(const std::string& settingsPath, unsigned long timeoutMs) {
    // Hidden: it is the launcher's business, not one of the user's files. It is never
    // deleted, since a copy waiting for it would then lock a file nobody else sees.
    const std::wstring name = pathForFileCalls(widen(settingsPath) + L".lock");
    file_.reset(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file_) {
        fail(msg::kFileCannotCreate, settingsPath, GetLastError());
    }
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        OVERLAPPED at{};
        if (LockFileEx(file_.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &at)) {
            return;
        }
        const DWORD err = GetLastError();
        if (err != ERROR_LOCK_VIOLATION && err != ERROR_IO_PENDING) {
            fail(msg::kFileCannotCreate, settingsPath, err);
        }
        if (GetTickCount64() >= deadline) {
            fail(msg::kFileCannotCreate, settingsPath, ERROR_LOCK_VIOLATION);
        }
        // Another copy holds it for the few milliseconds a save takes.
        Sleep(5);
    }
}

SettingsLock::~SettingsLock() {
    OVERLAPPED at{};
    UnlockFileEx(file_.get(), 0, 1, 0, &at);
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
