#pragma once

#include "settings/settings.h"
#include "settings/slot_keys.h"
#include "settings/slot_record.h"

namespace tarvok::test {

// A settings model as a heavy user has it: fifty program slots with Japanese captions and
// paths, five page names, the address-send option and the window position.
inline void fillCompleteSettings(Settings& s) {
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
            const auto k = slotKey(page, n);
            writeProgramSlot(s, k, "表計算ソフト " + k,
                             "C:\\Program Files\\表計算ソフト\\ツール" + k + "\\program.exe");
        }
    }
    writePageNames(s, {"仕事", "ﾂｰﾙ", "ゲーム", "Web", "その他"});
    writeSendAddress(s, true);
    writeWindowPosition(s, {640, 480});
}

} // namespace tarvok::test
