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

    // Registers what the settings file holds on `window`. Returns what the user is to be told
    // (a value that could not be read, a key another program holds); empty when all is well.
    std::string start(HWND window, const SummonKeySetting& setting);
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
};

} // namespace tarvok
