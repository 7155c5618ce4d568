#include "platform/drop.h"

#include "platform/text.h"

namespace tarvok {

namespace {
// Not in every SDK's headers: the message a drop from a lower integrity level goes through.
constexpr UINT kCopyGlobalData = 0x0049;
} // namespace

void acceptDroppedFiles(HWND window) {
    DragAcceptFiles(window, TRUE);
    // The three messages a drop from a lower integrity level may come through. The launcher
    // handles no WM_COPYDATA of its own, so letting it in opens nothing else.
    for (UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData}) {
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    }
}

std::optional<POINT> DroppedFiles::point() const {
    POINT at{0, 0};
    if (!DragQueryPoint(drop_.get(), &at)) {
        return std::nullopt;
    }
    return at;
}

unsigned DroppedFiles::count() const {
    return DragQueryFileW(drop_.get(), 0xFFFFFFFF, nullptr, 0);
}

std::string dropBlockPath(HDROP drop, unsigned index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::wstring buffer(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, index, buffer.data(), length + 1);
    buffer.resize(copied);
    return narrow(buffer);
}

std::string DroppedFiles::path(unsigned index) const {
    return dropBlockPath(drop_.get(), index);
}

} // namespace tarvok
