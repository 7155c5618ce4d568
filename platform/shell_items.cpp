#include "platform/shell_items.h"

#include "platform/com.h"
#include "platform/files.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/errors.h"

#include <shellapi.h>
#include <shlobj.h>

namespace tarvok {

std::string currentDirectory() {
    std::wstring buffer(kLongPathChars, L'\0');
    const DWORD n = GetCurrentDirectoryW(kLongPathChars, buffer.data());
    buffer.resize(n < kLongPathChars ? n : 0);
    return narrow(buffer);
}

std::string specialFolderPath(int csidl) {
    ITEMIDLIST* raw = nullptr;
    const HRESULT hr = SHGetSpecialFolderLocation(nullptr, csidl, &raw);
    const UniqueItemList list(raw);
    if (FAILED(hr)) {
        throw AppError(systemErrorText(static_cast<unsigned long>(hr)));
    }
    std::wstring path(kLongPathChars, L'\0');
    if (!SHGetPathFromIDListEx(list.get(), path.data(), kLongPathChars, GPFIDL_DEFAULT)) {
        return currentDirectory();
    }
    path.resize(wcslen(path.c_str()));
    return narrow(path);
}

std::string shellDisplayName(const std::string& path) {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(pathForShell(path).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_DISPLAYNAME) == 0) {
        return {};
    }
    return narrow(info.szDisplayName);
}

UniqueIcon shellSmallIcon(const std::string& path) {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE) == 0) {
        return UniqueIcon{};
    }
    return UniqueIcon(info.hIcon);
}

std::optional<std::string> resolveShortcut(const std::string& shortcutPath, HWND owner) {
    ComApartment apartment;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link)))) {
        return std::nullopt;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link.As(&file)) || FAILED(file->Load(widen(shortcutPath).c_str(), STGM_READ)) ||
        FAILED(link->Resolve(owner, SLR_ANY_MATCH))) {
        return std::nullopt;
    }
    std::wstring target(kLongPathChars, L'\0');
    if (FAILED(link->GetPath(target.data(), static_cast<int>(kLongPathChars), nullptr,
                             SLGP_UNCPRIORITY))) {
        return std::nullopt;
    }
    target.resize(wcslen(target.c_str()));
    // A target that is not there is no better than none: Wine hands back the ANSI copy of a
    // name Shift_JIS cannot hold ("??絵.txt"), a path that names nothing.
    if (target.empty() || pathKind(narrow(target)) == PathKind::Missing) {
        return std::nullopt;
    }
    return narrow(target);
}

std::optional<std::string> createShortcut(const std::string& shortcutPath,
                                          const std::string& target) {
    ComApartment apartment;
    ComPtr<IShellLinkW> link;
    HRESULT hr =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link));
    ComPtr<IPersistFile> file;
    if (SUCCEEDED(hr)) {
        hr = link.As(&file);
    }
    if (SUCCEEDED(hr)) {
        hr = link->SetPath(widen(target).c_str());
    }
    if (SUCCEEDED(hr)) {
        hr = file->Save(widen(shortcutPath).c_str(), FALSE);
    }
    if (FAILED(hr)) {
        // A Win32 error inside the HRESULT reads better as its own text.
        const unsigned long code = HRESULT_FACILITY(hr) == FACILITY_WIN32
                                       ? static_cast<unsigned long>(HRESULT_CODE(hr))
                                       : static_cast<unsigned long>(hr);
        return systemErrorText(code);
    }
    return std::nullopt;
}

bool hasCommonProgramsValue() {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &raw) != ERROR_SUCCESS) {
        return false;
    }
    const UniqueRegKey key(raw);
    return RegQueryValueExW(key.get(), L"Common Programs", nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

} // namespace tarvok
