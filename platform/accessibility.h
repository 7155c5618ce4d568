#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace tarvok {

// What a screen reader is told about a window on top of what the system's own accessible
// object says of it. A part left empty stays the system's.
struct AccessibleAnnotation {
    // Asked each time a reader asks, so it can follow the window's state (its caption).
    std::function<std::string(HWND)> name = {};
    std::string description = {};
    LONG role = 0; // a ROLE_SYSTEM_ value; 0: the system's
};

// The window answers the readers' request for its client object (WM_GETOBJECT) with the
// system's object amended by `annotation`; everything else (state, children, location, the
// default action) stays the system's. This is the way that works across processes under Wine
// too, whose annotation service (IAccPropServices) is not implemented. Readers reach the object
// through the thread's COM apartment: without one the window keeps the system's answers. A
// second call replaces the first.
void annotateAccessible(HWND window, AccessibleAnnotation annotation);

// For a window whose procedure is ours already: its WM_GETOBJECT answered with the system's
// object amended by `annotation`, or 0 to leave the request to the default procedure. Saves
// the procedure annotateAccessible puts in front of the window's own.
LRESULT answerAccessibleRequest(HWND window, WPARAM flags, LPARAM objectId,
                                const std::shared_ptr<const AccessibleAnnotation>& annotation);

// A fixed accessible name: for a field without a label just before it, or a list, list view
// or drop-down list (Wine's objects for those take no name from their label).
void setAccessibleName(HWND window, const std::string& name);

} // namespace tarvok
