#pragma once

#include "platform/ui_texts.h"

#include <windows.h>

#include <exception>
#include <stdexcept>
#include <string>

namespace tarvok {

// Where an error ends that no handler dealt with: a stop box titled with the application
// title. Once the medium-error handler is installed (by the file picker), input/output errors
// of the file system show the medium box instead.
void setUnhandledErrorTitle(const std::string& applicationTitle);
void installMediumErrorHandler();
void reportUnhandledError(HWND owner, const std::exception& error) noexcept;

// Runs a window-procedure handler so that nothing it throws can cross into Win32 code.
template <typename Fn> auto runGuarded(HWND owner, Fn&& fn, decltype(fn()) onError) noexcept {
    try {
        return fn();
    } catch (const std::exception& e) {
        reportUnhandledError(owner, e);
    } catch (...) {
        reportUnhandledError(owner, std::runtime_error(ui::kUnknownError));
    }
    return onError;
}

} // namespace tarvok
