#include "settings/slot_record.h"

#include "settings/slot_keys.h"

namespace tarvok {

SlotState slotState(int pgKind, int urlKind) {
    if (pgKind != 0) {
        return SlotState::Program;
    }
    return urlKind == 1 ? SlotState::Address : SlotState::Empty;
}

SlotRecord readSlot(const Settings& s, std::string_view slotKey) {
    SlotRecord r;
    r.pgKind = s.readInteger(key::kPgKind, slotKey, 0);
    r.caption = s.readText(key::kApNm, slotKey);
    r.path = s.readText(key::kLinkPath, slotKey);
    r.urlKind = s.readInteger(key::kUrlKind, slotKey, 0);
    r.url = s.readText(key::kUrl, slotKey);
    return r;
}

void writeProgramSlot(Settings& s, std::string_view slotKey, std::string_view caption,
                      std::string_view path) {
    // Refuse before the first write: a record is written whole or not at all.
    (void)s.encodeValue(caption);
    (void)s.encodeValue(path);
    s.writeInteger(key::kPgKind, slotKey, 1);
    s.writeText(key::kApNm, slotKey, caption);
    s.writeText(key::kLinkPath, slotKey, path);
    s.writeInteger(key::kUrlKind, slotKey, 0);
    s.writeText(key::kUrl, slotKey, "");
}

void registerFile(Settings& s, std::string_view slotKey, std::string_view caption,
                  std::string_view resolvedPath) {
    writeProgramSlot(s, slotKey, caption, resolvedPath);
}

void registerFolder(Settings& s, std::string_view slotKey, std::string_view caption,
                    std::string_view folder) {
    writeProgramSlot(s, slotKey, caption, folder);
}

void registerStartMenuShortcut(Settings& s, std::string_view slotKey, std::string_view caption,
                               std::string_view shortcutFile) {
    writeProgramSlot(s, slotKey, caption, shortcutFile);
}

void registerDrop(Settings& s, std::string_view slotKey, std::string_view displayName,
                  std::string_view resolvedPath) {
    writeProgramSlot(s, slotKey, displayName, resolvedPath);
}

void registerAddress(Settings& s, std::string_view slotKey, std::string_view title,
                     std::string_view address) {
    (void)s.encodeValue(title);
    (void)s.encodeValue(address);
    s.writeInteger(key::kPgKind, slotKey, 0);
    s.writeText(key::kApNm, slotKey, title);
    s.writeText(key::kLinkPath, slotKey, "");
    s.writeInteger(key::kUrlKind, slotKey, 1);
    s.writeText(key::kUrl, slotKey, address);
}

void renameSlot(Settings& s, std::string_view slotKey, std::string_view caption) {
    s.writeText(key::kApNm, slotKey, caption);
}

void clearSlot(Settings& s, std::string_view slotKey) {
    s.writeText(key::kApNm, slotKey, "");
    s.writeText(key::kLinkPath, slotKey, "");
    s.writeInteger(key::kPgKind, slotKey, 0);
    s.writeText(key::kUrl, slotKey, "");
    s.writeInteger(key::kUrlKind, slotKey, 0);
}

void clearPage(Settings& s, int page) {
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        clearSlot(s, slotKey(page, n));
    }
    s.writeText(key::kPageNm, std::to_string(page), "");
}

PageNames readPageNames(const Settings& s) {
    const auto lines = s.readSection(key::kPageNm);
    PageNames names;
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        names[static_cast<std::size_t>(page - 1)] =
            findInSection(lines, std::to_string(page), s.codec());
    }
    return names;
}

void writePageNames(Settings& s, const PageNames& names) {
    // Encode every name before the first write, so a refused name leaves all five unchanged
    // even for a caller that saves what was written before the error.
    for (const auto& name : names) {
        (void)s.encodeValue(name);
    }
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        s.writeText(key::kPageNm, std::to_string(page), names[static_cast<std::size_t>(page - 1)]);
    }
}

bool readSendAddress(const Settings& s) {
    return s.readBool(key::kSendAdd, key::kSendAddKey, false);
}

void writeSendAddress(Settings& s, bool on) {
    s.writeBool(key::kSendAdd, key::kSendAddKey, on);
}

WindowPosition readWindowPosition(const Settings& s) {
    WindowPosition p;
    p.top = s.readInteger(key::kForm, key::kTop, kDefaultWindowPos);
    p.left = s.readInteger(key::kForm, key::kLeft, kDefaultWindowPos);
    return p;
}

void writeWindowPosition(Settings& s, WindowPosition p) {
    s.writeInteger(key::kForm, key::kLeft, p.left);
    s.writeInteger(key::kForm, key::kTop, p.top);
}

void migrateFrom(Settings& s, const IniModel& earlier) {
    for (const char* section :
         {key::kPgKind, key::kApNm, key::kLinkPath, key::kUrlKind, key::kUrl}) {
        for (int page = kFirstPage; page <= kLastPage; ++page) {
            for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
                const auto k = slotKey(page, n);
                s.writeRaw(section, k, earlier.find(section, k).value_or(std::string_view{}));
            }
        }
    }
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const auto k = std::to_string(page);
        s.writeRaw(key::kPageNm, k, earlier.find(key::kPageNm, k).value_or(std::string_view{}));
    }
    const auto send = earlier.find(key::kSendAdd, key::kSendAddKey);
    const bool on = send && parseSettingsInteger(*send).value_or(0) != 0;
    writeSendAddress(s, on);
}

} // namespace tarvok
