#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvok::test {

// A drop as the shell delivers it: a DROPFILES header, the paths in UTF-16 one after the
// other, and an empty path to end them. `at` is in the target window's client coordinates.
std::vector<char> dropFilesBlock(POINT at, const std::vector<std::string>& paths);

// Posts WM_DROPFILES to a window of this process with the block in movable global memory,
// which is what a drop handle is. Returns the block, which the window frees.
HGLOBAL postDrop(HWND window, POINT at, const std::vector<std::string>& paths);

// The same drop onto a window of another process; false when the block could not be put there.
bool postDropInto(HANDLE process, HWND window, POINT at, const std::vector<std::string>& paths);

// Drags files the way a file manager does: DoDragDrop on this thread with a data object of
// our own that holds them as CF_HDROP, offering copy, move and link. The mouse pointer is
// moved by real input through `path` (screen points); once the target under the last point
// has answered there, `atDrop` sees the effect it shows and the files are dropped. Returns
// the effect of the drop.
DWORD dragFiles(const std::vector<std::string>& paths, const std::vector<POINT>& path,
                const std::function<void(DWORD shown)>& atDrop);

// The pixels of a window as the screen shows them, row by row.
std::vector<COLORREF> screenPixels(HWND window);

} // namespace tarvok::test
