#include "tests/windows/support/drops.h"

#include "platform/com.h"
#include "platform/controls.h"
#include "platform/text.h"
#include "tests/windows/support/input.h"

#include <shlobj.h>
#include <windowsx.h>

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

namespace {

// Reference counting for the two objects of a drag, which live on the test's stack.
template <typename... Interfaces> class OnStack : public Interfaces... {
  public:
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class FileData final : public OnStack<IDataObject> {
  public:
    explicit FileData(std::vector<char> block) : block_(std::move(block)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        // Each caller gets a block of its own to release.
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, block_.size());
        std::memcpy(GlobalLock(copy), block_.data(), block_.size());
        GlobalUnlock(copy);
        *medium = STGMEDIUM{};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                               : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &files, formats) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

  private:
    std::vector<char> block_;
};

// Moves the pointer along the path, one point once the drag has answered at the one before,
// and drops once the target has answered at the last. Gives up after ten seconds rather than
// hang the test.
class PathSource final : public OnStack<IDropSource> {
  public:
    PathSource(const std::vector<POINT>& path, const std::function<void(DWORD)>& atDrop)
        : path_(path), atDrop_(atDrop) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IDropSource ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
        if (drop_) {
            return DRAGDROP_S_DROP;
        }
        if (GetTickCount64() > deadline_) {
            return DRAGDROP_S_CANCEL;
        }
        if (!moved_) {
            moveMouseTo(path_[next_]);
            moved_ = true;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        // The drag follows the position of the message it is handling, which trails the
        // pointer.
        const DWORD at = GetMessagePos();
        if (moved_ && GET_X_LPARAM(at) == path_[next_].x && GET_Y_LPARAM(at) == path_[next_].y) {
            if (next_ + 1 < path_.size()) {
                ++next_;
                moved_ = false;
            } else if (!drop_) {
                atDrop_(effect);
                drop_ = true;
            }
        }
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

  private:
    const std::vector<POINT>& path_;
    const std::function<void(DWORD)>& atDrop_;
    std::size_t next_ = 0;
    bool moved_ = false;
    bool drop_ = false;
    ULONGLONG deadline_ = GetTickCount64() + 10000;
};

} // namespace

DWORD dragFiles(const std::vector<std::string>& paths, const std::vector<POINT>& path,
                const std::function<void(DWORD shown)>& atDrop) {
    FileData data(dropFilesBlock(POINT{0, 0}, paths));
    PathSource source(path, atDrop);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    return effect;
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
