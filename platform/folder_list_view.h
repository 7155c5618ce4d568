#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvok {

// One entry of a folder as the shell shows it: its name as found in the folder (extension
// included), its small icon and its type name.
struct FolderEntry {
    std::string name;
    std::string typeName;
    UniqueIcon icon; // empty when the shell has none
};

// Every entry of a folder, hidden and system files included, without "." and "..", in the
// order the file system lists them. A folder that cannot be listed gives none.
std::vector<FolderEntry> readFolderEntries(const std::string& folder);

// The folder test of the pickers: the directory bit of the path's attributes. A path that no
// longer exists reports all bits set, so it counts as a folder too.
bool countsAsFolder(const std::string& path);

// Compares two captions as lstrcmp does: the user's locale order, case-sensitive.
int compareAsLstrcmp(const std::string& a, const std::string& b);

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ImageList_Destroy(h); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

// A report-style list view of folder entries: a name column that takes the width the type
// column leaves, read-only, one selected entry at a time, headers that do nothing when
// clicked, small icons from an image list of its own.
class FolderListView {
  public:
    // Creates the control; `typeWidth` in device pixels.
    void create(HWND parent, int id, const std::string& nameColumn, const std::string& typeColumn,
                int typeWidth);
    HWND hwnd() const { return hwnd_; }

    // Drops every entry and icon.
    void clear();
    void add(FolderEntry entry);
    // The name column takes the width the type column leaves (after a scroll bar came or went).
    void fitNameColumn();
    std::optional<std::string> selectedName() const;

    // Redrawing stops while the object lives; the list is painted once when it goes.
    class RedrawPause {
      public:
        explicit RedrawPause(const FolderListView& view);
        ~RedrawPause();
        RedrawPause(const RedrawPause&) = delete;
        RedrawPause& operator=(const RedrawPause&) = delete;

      private:
        HWND hwnd_;
    };

  private:
    HWND hwnd_ = nullptr;
    UniqueImageList images_;
    int typeWidth_ = 0;
};

} // namespace tarvok
