#include "platform/folder_list_view.h"

#include "platform/controls.h"
#include "platform/text.h"

#include <shellapi.h>

#include <algorithm>

namespace tarvok {

int compareAsLstrcmp(const std::string& a, const std::string& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, 0, widen(a).c_str(), -1, widen(b).c_str(), -1) -
           CSTR_EQUAL;
}

void FolderListView::attach(HWND list, const std::string& nameColumn, const std::string& typeColumn,
                            int typeWidth) {
    typeWidth_ = typeWidth;
    hwnd_ = list;
    // The shell's image list lives as long as the process: the view must not destroy it
    // (the list shares its image lists).
    SHFILEINFOW info{};
    const auto shellImages = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L".", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
    ListView_SetImageList(hwnd_, shellImages, LVSIL_SMALL);
    std::wstring name = widen(nameColumn);
    std::wstring type = widen(typeColumn);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = name.data();
    ListView_InsertColumn(hwnd_, 0, &column);
    column.pszText = type.data();
    column.cx = typeWidth_;
    ListView_InsertColumn(hwnd_, 1, &column);
}

void FolderListView::clear() {
    ListView_DeleteAllItems(hwnd_);
    rows_.clear();
}

void FolderListView::add(const std::string& folder, const std::vector<std::string>& names) {
    const std::wstring base = widen(folder) + L"\\";
    rows_.reserve(rows_.size() + names.size());
    for (const auto& name : names) {
        std::wstring caption = widen(name);
        Row row;
        row.path = base + caption;
        rows_.push_back(std::move(row));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(rows_.size() - 1);
        item.pszText = caption.data();
        item.iImage = I_IMAGECALLBACK;
        const int at = ListView_InsertItem(hwnd_, &item);
        ListView_SetItemText(hwnd_, at, 1, LPSTR_TEXTCALLBACKW);
    }
}

FolderListView::Row& FolderListView::shellInfo(std::size_t row) {
    Row& r = rows_[row];
    if (!r.asked) {
        r.asked = true;
        SHFILEINFOW info{};
        if (SHGetFileInfoW(r.path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                           SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME) != 0) {
            r.image = info.iIcon;
            r.typeName = info.szTypeName;
        }
    }
    return r;
}

bool FolderListView::onNotify(NMHDR& header) {
    if (header.hwndFrom != hwnd_ || header.code != LVN_GETDISPINFOW) {
        return false;
    }
    auto& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
    // Rows are only ever appended and cleared together, so a row's index is its item's.
    const auto row = static_cast<std::size_t>(item.iItem);
    if (item.iItem < 0 || row >= rows_.size()) {
        return true;
    }
    const Row& r = shellInfo(row);
    if ((item.mask & LVIF_IMAGE) != 0) {
        item.iImage = r.image;
    }
    if ((item.mask & LVIF_TEXT) != 0 && item.iSubItem == 1 && item.cchTextMax > 0) {
        lstrcpynW(item.pszText, r.typeName.c_str(), item.cchTextMax);
    }
    return true;
}

void FolderListView::fitNameColumn() {
    // The width the entries will have, whatever scroll bar the list shows at this moment:
    // a vertical one only when they do not fit, and no horizontal one.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const bool showsBar = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VSCROLL) != 0;
    const bool needsBar = ListView_GetItemCount(hwnd_) > ListView_GetCountPerPage(hwnd_);
    const int width = client.right + (showsBar ? bar : 0) - (needsBar ? bar : 0);
    ListView_SetColumnWidth(hwnd_, 0, std::max<int>(0, width - typeWidth_));
}

std::optional<std::string> FolderListView::selectedName() const {
    const int at = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
    if (at < 0) {
        return std::nullopt;
    }
    std::wstring buffer(32768, L'\0');
    ListView_GetItemText(hwnd_, at, 0, buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(wcslen(buffer.c_str()));
    return narrow(buffer);
}

} // namespace tarvok
