#include "platform/cp932_codec.h"

#include "platform/text.h"

#include <windows.h>

namespace tarvok {

namespace {
constexpr UINT kCp932 = 932;
}

std::string Cp932Codec::decode(std::string_view cp932) const {
    if (cp932.empty()) {
        return {};
    }
    const int n =
        MultiByteToWideChar(kCp932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kCp932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), n);
    return narrow(wide);
}

std::optional<std::string> Cp932Codec::encode(std::string_view utf8) const {
    if (utf8.empty()) {
        return std::string{};
    }
    // Invalid UTF-8 would otherwise turn into U+FFFD and then into a "?" on disk.
    const int wn = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                       static_cast<int>(utf8.size()), nullptr, 0);
    if (wn <= 0) {
        return std::nullopt;
    }
    const std::wstring wide = widen(utf8);
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        out.data(), n, nullptr, nullptr);
    return out;
}

const Codec& systemCodec() {
    static const Cp932Codec codec;
    return codec;
}

} // namespace tarvok
