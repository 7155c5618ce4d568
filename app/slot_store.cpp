#include "app/slot_store.h"

#include "settings/slot_record.h"

namespace tarvok {

const Settings& SlotStore::read() {
    // Taken before the file is read: a change in between is seen by the next read.
    const auto stamp = fileStamp(path_);
    if (!cached_ || stamp != cachedStamp_) {
        cached_.reset();
        cached_.emplace(openSettings(path_));
        cachedStamp_ = stamp;
    }
    if (recover_) {
        // Taken out first: the listener may read again.
        const auto recover = std::exchange(recover_, nullptr);
        recover(*cached_);
    }
    return *cached_;
}

void SlotStore::startedUnread(std::function<void(const Settings&)> listener) {
    recover_ = std::move(listener);
}

void SlotStore::removeLeftovers() const {
    removeLeftoverTemporaries(path_);
}

void SlotStore::takeEarlierData(const std::string& dataFile) {
    const IniModel earlier = loadSettingsFile(dataFile);
    edit([&](Settings& s) { migrateFrom(s, earlier); });
}

} // namespace tarvok
