#include "tests/windows/support/drops.h"

#include "platform/controls.h"
#include "platform/text.h"

#include <shlobj.h>

#include <cstring>

namespace tarvok::test {

std::vector<char> dropFilesBlock(POINT at, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const auto& path : paths) {
        names += widen(path);
        names.push_back(L'\0');
    }
    names.push_back(L'\0');
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.pt = at;
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::vector<char> block(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    return block;
}

HGLOBAL postDrop(HWND window, POINT at, const std::vector<std::string>& paths) {
    const auto block = dropFilesBlock(at, paths);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
    std::memcpy(GlobalLock(memory), block.data(), block.size());
    GlobalUnlock(memory);
    // The window owns the block from here: DragFinish frees it.
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    return memory;
}

bool postDropInto(HANDLE process, HWND window, POINT at, const std::vector<std::string>& paths) {
    // A drop handle is global memory of the process that receives it, and no process can
    // allocate that in another. Wine's GlobalLock hands a plain pointer back unchanged, so
    // committed memory written into the launcher serves as the handle there; DragFinish
    // then finds no global block to free, and the few bytes stay until the process ends.
    const auto block = dropFilesBlock(at, paths);
    void* remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr ||
        !WriteProcessMemory(process, remote, block.data(), block.size(), nullptr)) {
        return false;
    }
    return PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

std::vector<COLORREF> screenPixels(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const WindowDc screen(nullptr);
    const MemoryDc memory(screen.get());
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetPixel(memory.get(), x, y));
        }
    }
    return pixels;
}

} // namespace tarvok::test
