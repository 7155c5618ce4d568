#pragma once

#include "settings/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvok {

// Modifier bits of a key combination. They are the values the system's hot-key registration
// takes, so a combination passes to it unchanged.
inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModCtrl = 0x2;
inline constexpr unsigned kModShift = 0x4;
inline constexpr unsigned kModWin = 0x8;

// Keys held down together: modifiers and one key, by its virtual-key code.
struct HotKey {
    unsigned modifiers = 0;
    unsigned key = 0;
    bool operator==(const HotKey&) const = default;
};

// The key that brings the launcher to the front unless the settings file names another.
// Ctrl+Alt with a letter is left alone by Windows (its own Ctrl+Alt keys are Tab and Del) and
// by the Japanese input methods (which take plain and Ctrl letters, F6 to F10, Ctrl+Alt+F11);
// J lies under the right hand while the left holds Ctrl and Alt.
inline constexpr HotKey kDefaultSummonKey{kModCtrl | kModAlt, 'J'};

// The combination as a user reads and writes it: the modifiers in the order Ctrl, Alt, Shift,
// Win, then the key, joined by "+" ("Ctrl+Alt+J", "Win+Shift+F2"). Nothing for a key that has
// no name here (the input method's keys, for instance).
std::optional<std::string> formatHotKey(const HotKey& key);

// Reads that text back. Names are matched ignoring case and the blanks around them; the
// modifiers may come in any order before the one key. A text that names an unknown key, no
// key, more than one key, or a key without Ctrl, Alt or Win (which would take a key away from
// typing in every program) gives nothing.
std::optional<HotKey> parseHotKey(std::string_view text);

// The summon key as the settings file holds it ([Summon] KEY=): empty turns it off, no value
// means the default.
struct SummonKeySetting {
    std::optional<HotKey> key; // none: turned off
    // The stored text when it could not be read; the default key is used instead.
    std::string unreadable;
};
SummonKeySetting readSummonKey(const Settings& settings);
void writeSummonKey(Settings& settings, std::optional<HotKey> key);

} // namespace tarvok
