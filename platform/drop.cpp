#include "platform/drop.h"

#include "platform/text.h"

namespace tarvok {

namespace {
// Not in every SDK's headers: the message a drop from a lower integrity level goes through.
constexpr UINT kCopyGlobalData = 0x0049;
} // namespace

void acceptDroppedFiles(HWND window) {
    DragAcceptFiles(window, TRUE);
    for (UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData}) {
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    }
}

POINT DroppedFiles::point() const {
    POINT at{0, 0};
    DragQueryPoint(drop_.get(), &at);
    return at;
}

unsigned DroppedFiles::count() const {
    return DragQueryFileW(drop_.get(), 0xFFFFFFFF, nullptr, 0);
}

std::string DroppedFiles::path(unsigned index) const {
    const UINT length = DragQueryFileW(drop_.get(), index, nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::wstring buffer(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop_.get(), index, buffer.data(), length + 1);
    buffer.resize(copied);
    return narrow(buffer);
}

} // namespace tarvok
