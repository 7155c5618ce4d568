#include "platform/folder_browser.h"

#include "platform/com.h"
#include "platform/files.h"
#include "platform/text.h"

#include <shlobj.h>

namespace tarvok {

namespace {

int CALLBACK onBrowserEvent(HWND browser, UINT message, LPARAM, LPARAM initial) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, initial);
    }
    return 0;
}

} // namespace

std::optional<std::string> browseForFolder(HWND owner, const std::string& title,
                                           const std::string& initial) {
    ComApartment apartment;
    const std::wstring wideTitle = widen(title);
    const std::wstring wideInitial = widen(initial);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (folderExists(initial)) {
        info.lpfn = onBrowserEvent;
        info.lParam = reinterpret_cast<LPARAM>(wideInitial.c_str());
    }
    const UniqueItemList chosen(SHBrowseForFolderW(&info));
    if (!chosen) {
        return std::nullopt;
    }
    std::wstring path(kLongPathChars, L'\0');
    if (!SHGetPathFromIDListEx(chosen.get(), path.data(), kLongPathChars, GPFIDL_DEFAULT)) {
        return std::nullopt;
    }
    path.resize(wcslen(path.c_str()));
    return narrow(path);
}

} // namespace tarvok
