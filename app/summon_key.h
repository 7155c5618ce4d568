#pragma once

#include "settings/summon_key.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tarvok {

// The system-wide key that brings the launcher to the front from any program, and takes the
// user back to where they were when pressed again. It is registered on the main window, which
// passes its WM_HOTKEY on.
class SummonKey {
  public:
    static constexpr int kHotKeyId = 1;

    // Registers what the settings file holds on `window`. True when the user is to be told
    // what went wrong (a value that could not be read, a key another program holds): only
    // the first time in a run, as a start that could not read the file starts twice.
    bool start(HWND window, const SummonKeySetting& setting);
    // What went wrong at the last start, for the box that tells it.
    const std::string& problem() const { return problem_; }
    // The key the user chose (none: off), in effect at once. A key that cannot be registered
    // leaves the present one as it was and raises AppError naming it.
    void change(std::optional<HotKey> key);
    std::optional<HotKey> key() const { return key_; }
    // Whether the key works; false when it is off or another program holds it.
    bool active() const { return active_; }

    // The key was pressed. A launcher in the background comes to the front, restored if
    // minimised, with the keyboard on `focus`; one in front sends the user back to the window
    // that was in front before, when that window is still there.
    void pressed(HWND focus);

    // Before the window goes.
    void release();

  private:
    HWND window_ = nullptr;
    std::optional<HotKey> key_;
    bool active_ = false;
    HWND cameFrom_ = nullptr;
    std::string problem_;
    bool problemTold_ = false;
};

} // namespace tarvok
