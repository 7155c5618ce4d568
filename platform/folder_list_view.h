#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvok {

// Compares two captions as lstrcmp does: the user's locale order, case-sensitive.
int compareAsLstrcmp(const std::string& a, const std::string& b);

// A report-style list view of folder entries: a name column that takes the width the type
// column leaves, read-only, one selected entry at a time, headers that do nothing when
// clicked, small icons from the shell's own image list (the shell keeps each icon once, so
// nothing is copied per entry).
//
// Asking the shell for a shortcut's icon and type name takes a millisecond or more, so a row
// asks only when it is first shown: a folder of hundreds of entries opens as fast as one
// screenful, and each row still shows what the shell says of it.
class FolderListView {
  public:
    // Takes a report list view that shares its image lists (as the dialog host makes it) and
    // gives it its two columns; `typeWidth` in device pixels.
    void attach(HWND list, const std::string& nameColumn, const std::string& typeColumn,
                int typeWidth);
    HWND hwnd() const { return hwnd_; }

    void clear();
    // Shows entries of `folder` by name, in the given order, after those shown already.
    void add(const std::string& folder, const std::vector<std::string>& names);
    // The parent hands every WM_NOTIFY of the list here; true when it was answered.
    bool onNotify(NMHDR& header);
    // The name column takes the width the type column leaves (after a scroll bar came or went).
    void fitNameColumn();
    std::optional<std::string> selectedName() const;

  private:
    struct Row {
        std::wstring path;
        bool asked = false; // the shell has been asked for the icon and the type name
        int image = I_IMAGENONE;
        std::wstring typeName;
    };
    Row& shellInfo(std::size_t row);

    HWND hwnd_ = nullptr;
    std::vector<Row> rows_;
    int typeWidth_ = 0;
};

} // namespace tarvok
