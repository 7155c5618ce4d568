#pragma once

#include "platform/unhandled.h"

#include <windows.h>

namespace tarvok {

// Registers a top-level window class once per process: the program's own icon (resource 1) at
// both sizes, the arrow cursor and the face colour behind it.
void registerTopLevelClass(const wchar_t* name, WNDPROC procedure);

// The window-procedure trampoline: the object is attached at WM_NCCREATE (from the create
// parameter), every earlier message goes to the default procedure, and no exception of a
// handler ever crosses into Win32 code. T provides `LRESULT handleMessage(UINT, WPARAM,
// LPARAM)` and `void attach(HWND)`.
template <typename T> LRESULT CALLBACK windowProcFor(HWND h, UINT m, WPARAM w, LPARAM l) {
    T* self = nullptr;
    if (m == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->attach(h);
    } else {
        self = reinterpret_cast<T*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcW(h, m, w, l);
    }
    if (m == WM_NCDESTROY) {
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        self->attach(nullptr);
        return DefWindowProcW(h, m, w, l);
    }
    return runGuarded(
        h, [&] { return self->handleMessage(m, w, l); }, LRESULT{0});
}

} // namespace tarvok
