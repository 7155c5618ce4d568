#include "platform/files.h"

#include "platform/settings_file.h"
#include "platform/text.h"
#include "platform/win_handles.h"
#include "settings/errors.h"

namespace tarvok {

namespace {

constexpr wchar_t kLongPrefix[] = L"\\\\?\\";

// The short 8.3 form of a path, or nothing where the volume keeps no short names.
std::optional<std::wstring> shortForm(const std::wstring& path) {
    const std::wstring extended = pathForFileCalls(fullPathOf(path).path);
    const DWORD size = GetShortPathNameW(extended.c_str(), nullptr, 0);
    std::wstring shortPath(size, L'\0');
    const DWORD n = size == 0 ? 0 : GetShortPathNameW(extended.c_str(), shortPath.data(), size);
    if (n == 0 || n >= size) {
        return std::nullopt;
    }
    shortPath.resize(n);
    if (shortPath.starts_with(L"\\\\?\\UNC\\")) {
        return L"\\\\" + shortPath.substr(8);
    }
    return shortPath.starts_with(kLongPrefix) ? shortPath.substr(4) : shortPath;
}

DWORD attributesOf(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES
                        : GetFileAttributesW(pathForFileCalls(path).c_str());
}

// Calls `each` with every entry of a folder but "." and ".."; the system's error when the
// folder cannot be listed, ERROR_SUCCESS otherwise.
template <typename Each> DWORD forEachEntry(const std::string& folder, Each each) {
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') {
        pattern.push_back('\\');
    }
    pattern.push_back('*');
    WIN32_FIND_DATAW data{};
    const UniqueFind find(FindFirstFileExW(pathForFileCalls(pattern).c_str(), FindExInfoBasic,
                                           &data, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        return GetLastError();
    }
    do {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0) {
            each(data);
        }
    } while (FindNextFileW(find.get(), &data));
    return ERROR_SUCCESS;
}

} // namespace

FullPath fullPathOf(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    wchar_t* name = nullptr;
    const DWORD n = size == 0 ? 0 : GetFullPathNameW(path.c_str(), size, full.data(), &name);
    if (n == 0 || n >= size) {
        return {path, 0};
    }
    full.resize(n);
    return {full, name == nullptr ? n : static_cast<std::size_t>(name - full.data())};
}

std::wstring pathForFileCalls(const std::wstring& path) {
    if (path.size() < kLongFormFrom || path.starts_with(kLongPrefix)) {
        return path;
    }
    const std::wstring full = fullPathOf(path).path;
    if (full.size() >= 3 && full.compare(1, 2, L":\\") == 0) {
        return kLongPrefix + full;
    }
    if (full.starts_with(L"\\\\") && !full.starts_with(L"\\\\.\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return full;
}

std::wstring pathForFileCalls(const std::string& path) {
    return pathForFileCalls(widen(path));
}

std::wstring pathForShell(const std::string& path) {
    return pathForShell(widen(path));
}

std::wstring pathForShell(const std::wstring& wide) {
    if (wide.size() < MAX_PATH - 12) {
        return wide;
    }
    const FullPath full = fullPathOf(wide);
    if (full.nameAt > 0 && full.nameAt < full.path.size()) {
        if (const auto folder = shortForm(full.path.substr(0, full.nameAt - 1))) {
            const std::wstring joined = *folder + L"\\" + full.path.substr(full.nameAt);
            if (joined.size() < MAX_PATH - 12) {
                return joined;
            }
        }
    }
    return shortForm(full.path).value_or(wide);
}

bool fileExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

PathKind pathKind(const std::string& path) {
    QuietDriveErrors quiet;
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

bool countsAsFolder(const std::string& path) {
    return (attributesOf(path) & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() ||
        !GetFileAttributesExW(pathForFileCalls(path).c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return FileStamp{data.ftLastWriteTime,
                     (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                         data.nFileSizeLow,
                     data.dwFileAttributes};
}

FolderContent readFolder(const std::string& folder) {
    QuietDriveErrors quiet;
    FolderContent content;
    const DWORD error = forEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        const DWORD a = entry.dwFileAttributes;
        // Hidden folders are listed too: programs live in ProgramData and AppData.
        if ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            content.folders.push_back(narrow(entry.cFileName));
        } else if ((a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
            content.files.push_back(narrow(entry.cFileName));
        }
    });
    // Only an empty drive root has not even "." in it.
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES) {
        throw AppError(systemErrorText(error), AppError::Kind::InputOutput);
    }
    return content;
}

std::vector<std::string> folderEntryNames(const std::string& folder) {
    std::vector<std::string> names;
    forEachEntry(folder,
                 [&](const WIN32_FIND_DATAW& entry) { names.push_back(narrow(entry.cFileName)); });
    return names;
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wa = widen(a);
    const std::wstring wb = widen(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

} // namespace tarvok
