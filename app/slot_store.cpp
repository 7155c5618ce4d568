#include "app/slot_store.h"

namespace tarvok {

Settings SlotStore::read() {
    Settings settings = openSettings(path_);
    if (recover_) {
        // Taken out first: the listener may read again.
        const auto recover = std::exchange(recover_, nullptr);
        recover(settings);
    }
    return settings;
}

void SlotStore::startedUnread(std::function<void(const Settings&)> listener) {
    recover_ = std::move(listener);
}

void SlotStore::removeLeftovers() const {
    removeLeftoverTemporaries(path_);
}

} // namespace tarvok
