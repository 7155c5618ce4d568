// Load -> save -> load must never crash, and saving what was loaded from a save must give
// the same bytes again: a second save is the fixed point users rely on to lose nothing.
#include "settings/ini_model.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto first = tarvok::IniModel::parse(input).serialize();
    const auto second = tarvok::IniModel::parse(first).serialize();
    if (first != second) {
        std::abort();
    }
    return 0;
}
