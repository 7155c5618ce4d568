#pragma once

#include <windows.h>

namespace tarvok {

inline constexpr int kDesignDpi = 96;

// The DPI a window is drawn at: per monitor where the system knows it (Windows 10 1607 on),
// the system DPI before that. Looked up at run time so the program still starts on Windows 7.
UINT windowDpi(HWND window);
UINT systemDpi();
// Design pixels at 96 DPI to device pixels at `dpi`, rounded like MulDiv.
inline int scale(int designPixels, UINT dpi) {
    return MulDiv(designPixels, static_cast<int>(dpi), kDesignDpi);
}
// AdjustWindowRectEx for a given DPI where the system offers it.
void adjustWindowRectForDpi(RECT& rect, DWORD style, BOOL hasMenu, DWORD exStyle, UINT dpi);

} // namespace tarvok
