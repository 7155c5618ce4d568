#include "platform/drop_target.h"

#include "platform/drop.h"
#include "platform/unhandled.h"

#include <shlobj.h>

namespace tarvok {

namespace {

FORMATETC fileListFormat() {
    return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The first file of the drag's data; empty when it holds none.
std::string firstFile(IDataObject* data) {
    FORMATETC format = fileListFormat();
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium))) {
        return {};
    }
    std::string path;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        path = dropBlockPath(static_cast<HDROP>(medium.hGlobal), 0);
    }
    // The data object's own block: released the OLE way, never with DragFinish.
    ReleaseStgMedium(&medium);
    return path;
}

class Target final : public IDropTarget {
  public:
    Target(HWND window, FileDropTarget::Events events)
        : window_(window), events_(std::move(events)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --refs_;
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL at,
                                        DWORD* effect) override {
        if (!helper_) {
            // The picture Explorer drags along stays visible over the window; where the
            // system has no helper the drag goes without it. Made at the first drag, not at
            // start.
            CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                             IID_PPV_ARGS(&helper_));
        }
        FORMATETC format = fileListFormat();
        hasFiles_ = data != nullptr && data->QueryGetData(&format) == S_OK;
        *effect = effectAt(at, *effect);
        if (helper_) {
            POINT screen{at.x, at.y};
            helper_->DragEnter(window_, data, &screen, *effect);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL at, DWORD* effect) override {
        *effect = effectAt(at, *effect);
        if (helper_) {
            POINT screen{at.x, at.y};
            helper_->DragOver(&screen, *effect);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        leave();
        if (helper_) {
            helper_->DragLeave();
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL at, DWORD* effect) override {
        *effect = effectAt(at, *effect);
        leave();
        if (helper_) {
            POINT screen{at.x, at.y};
            helper_->Drop(data, &screen, *effect);
        }
        if (*effect == DROPEFFECT_NONE) {
            return S_OK;
        }
        const std::string path = firstFile(data);
        if (path.empty()) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        // The drag's source waits in DoDragDrop until this returns: what goes wrong is
        // reported here and never travels back to it.
        runGuarded(
            window_,
            [&] {
                events_.dropped(clientPoint(at), path);
                return true;
            },
            false);
        return S_OK;
    }

  private:
    ~Target() = default;

    POINT clientPoint(POINTL at) const {
        POINT point{at.x, at.y};
        ScreenToClient(window_, &point);
        return point;
    }

    // A link where the files would land, as Explorer shows over a shortcut's place: the
    // launcher stores where the file is and leaves it there. Never a move, which would take
    // the file away from the user's folder.
    DWORD effectAt(POINTL at, DWORD offered) {
        const bool takes =
            hasFiles_ && runGuarded(
                             window_, [&] { return events_.over(clientPoint(at)); }, false);
        if (!takes) {
            return DROPEFFECT_NONE;
        }
        if (offered & DROPEFFECT_LINK) {
            return DROPEFFECT_LINK;
        }
        return offered & DROPEFFECT_COPY;
    }

    void leave() {
        hasFiles_ = false;
        runGuarded(
            window_,
            [&] {
                events_.left();
                return true;
            },
            false);
    }

    long refs_ = 1;
    HWND window_;
    FileDropTarget::Events events_;
    bool hasFiles_ = false;
    ComPtr<IDropTargetHelper> helper_;
};

} // namespace

bool FileDropTarget::registerOn(HWND window, Events events) {
    revoke();
    ComPtr<IDropTarget> target;
    target.Attach(new Target(window, std::move(events)));
    if (FAILED(RegisterDragDrop(window, target.Get()))) {
        return false;
    }
    window_ = window;
    target_ = std::move(target);
    return true;
}

void FileDropTarget::revoke() {
    if (window_ != nullptr) {
        RevokeDragDrop(window_);
        window_ = nullptr;
    }
    target_.Reset();
}

} // namespace tarvok
