#pragma once

#include "platform/files.h"
#include "platform/settings_file.h"
#include "settings/settings.h"

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace tarvok {

// The one way to the settings file: every command reads a snapshot or edits through here, so
// the lock between copies of the launcher and the rule for a start that could not read the
// file hold for all of them. No operation keeps the file open between its steps.
class SlotStore {
  public:
    explicit SlotStore(std::string settingsPath) : path_(std::move(settingsPath)) {}

    const std::string& path() const { return path_; }

    // The file as it is now; a file that exists but cannot be read raises AppError. The file
    // is parsed again only when its size or time stamp changed since the last read, so every
    // page shown still reads what another program wrote, and a large file costs nothing
    // while it stays as it is. Valid until the next read or edit.
    const Settings& read();

    // Loads the file under the lock, lets `change` write into it and saves once, only when it
    // wrote something. What `change` throws leaves the file as it was. Returns what `change`
    // returns.
    template <typename Change> decltype(auto) edit(Change&& change) {
        const SettingsLock lock(path_);
        Settings settings = read();
        // Whatever happens now, the file is read afresh the next time.
        cached_.reset();
        if constexpr (std::is_void_v<decltype(change(settings))>) {
            change(settings);
            saveIfChanged(path_, settings);
        } else {
            auto result = change(settings);
            saveIfChanged(path_, settings);
            return result;
        }
    }

    // Replaces the slots, page names and option with those of the earlier version's data
    // file, which has the same form. A data file that cannot be read raises AppError and the
    // settings file stays as it was.
    void takeEarlierData(const std::string& dataFile);

    // The start could not read the file: the defaults the window shows are not the file's.
    // The first read that succeeds hands the file to `listener`, which takes what the start
    // missed (page names, options), so a later save cannot blank them.
    void startedUnread(std::function<void(const Settings&)> listener);
    bool unread() const { return static_cast<bool>(recover_); }

    // Removes what crashed saves left beside the file.
    void removeLeftovers() const;

  private:
    std::string path_;
    std::function<void(const Settings&)> recover_;
    std::optional<Settings> cached_;
    std::optional<FileStamp> cachedStamp_; // nothing: the file was missing
};

} // namespace tarvok
