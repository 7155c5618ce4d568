#include "tests/support/iconv_codec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tarvok::test {

namespace {

// Converts all of `in`; on an invalid or unconvertible sequence calls onBad, which either
// appends a substitute and skips a byte (true) or gives up (false).
template <typename OnBad>
bool convert(const char* from, const char* to, std::string_view in, std::string& out, OnBad onBad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert code page 932");
    }
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            if (!onBad(out)) {
                ok = false;
                break;
            }
            ++src;
            --srcLeft;
        }
    }
    iconv_close(cd);
    return ok;
}

} // namespace

std::string IconvCodec::decode(std::string_view cp932) const {
    std::string out;
    convert("CP932", "UTF-8", cp932, out, [](std::string& o) {
        o.append("\xE3\x83\xBB"); // "・", as Windows shows an undefined code
        return true;
    });
    return out;
}

std::optional<std::string> IconvCodec::encode(std::string_view utf8) const {
    std::string out;
    if (!convert("UTF-8", "CP932", utf8, out, [](std::string&) { return false; })) {
        return std::nullopt;
    }
    return out;
}

} // namespace tarvok::test
