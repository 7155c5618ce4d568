#pragma once

#include "settings/ini_model.h"
#include "settings/settings.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvok {

// Section and key names of the settings file.
namespace key {
inline constexpr char kPgKind[] = "PG_KIND";
inline constexpr char kApNm[] = "AP_NM";
inline constexpr char kLinkPath[] = "LINK_PATH";
inline constexpr char kUrlKind[] = "URL_KIND";
inline constexpr char kUrl[] = "URL";
inline constexpr char kPageNm[] = "PAGE_NM";
inline constexpr char kSendAdd[] = "SEND_ADD";
inline constexpr char kSendAddKey[] = "0";
inline constexpr char kForm[] = "Form";
inline constexpr char kLeft[] = "LEFT";
inline constexpr char kTop[] = "TOP";
} // namespace key

inline constexpr int kDefaultWindowPos = 24;

enum class SlotState { Program, Address, Empty };

// How launching and the page display read a record: any PG_KIND other than 0 is a program,
// whatever URL_KIND holds; otherwise URL_KIND 1 is an address; anything else is empty.
SlotState slotState(int pgKind, int urlKind);

// The registration commands ask "does the slot hold the other kind?" with exactly 1, so a
// hand-written 2 shows and launches as a program but is not offered for replacement.
constexpr bool kindIsExactlyOne(int kind) {
    return kind == 1;
}

struct SlotRecord {
    int pgKind = 0;
    std::string caption;
    std::string path;
    int urlKind = 0;
    std::string url;

    SlotState state() const { return slotState(pgKind, urlKind); }
};

SlotRecord readSlot(const Settings& settings, std::string_view slotKey);

// Writers. Each performs its writes in the order the file has always received them, so a
// fresh file lists sections and keys in the same order as files of earlier versions.
// None of them saves: the caller saves once after the last write.

// A program, document, shortcut target or folder; the caller resolves a ".lnk" to its target
// where that applies.
void writeProgramSlot(Settings& settings, std::string_view slotKey, std::string_view caption,
                      std::string_view path);
void registerFile(Settings& settings, std::string_view slotKey, std::string_view caption,
                  std::string_view resolvedPath);
void registerFolder(Settings& settings, std::string_view slotKey, std::string_view caption,
                    std::string_view folder);
void registerStartMenuShortcut(Settings& settings, std::string_view slotKey,
                               std::string_view caption, std::string_view shortcutFile);
void registerDrop(Settings& settings, std::string_view slotKey, std::string_view displayName,
                  std::string_view resolvedPath);
void registerAddress(Settings& settings, std::string_view slotKey, std::string_view title,
                     std::string_view address);
void renameSlot(Settings& settings, std::string_view slotKey, std::string_view caption);
void clearSlot(Settings& settings, std::string_view slotKey);
void clearPage(Settings& settings, int page);

using PageNames = std::array<std::string, 5>;
PageNames readPageNames(const Settings& settings);
void writePageNames(Settings& settings, const PageNames& names);

bool readSendAddress(const Settings& settings);
void writeSendAddress(Settings& settings, bool on);

struct WindowPosition {
    int left = kDefaultWindowPos;
    int top = kDefaultWindowPos;
};
WindowPosition readWindowPosition(const Settings& settings);
void writeWindowPosition(Settings& settings, WindowPosition position);

// Copies the earlier version's data byte for byte: for each record section in turn, all
// fifty slot keys (empty where the earlier file has none), then the page names, then the
// address-send option as a boolean.
void migrateFrom(Settings& settings, const IniModel& earlier);

} // namespace tarvok
