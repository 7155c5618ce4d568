#pragma once

#include "settings/codec.h"

namespace tarvok::test {

// Code page 932 through glibc's iconv, standing in for the Windows conversion on Linux.
class IconvCodec final : public Codec {
  public:
    std::string decode(std::string_view cp932) const override;
    std::optional<std::string> encode(std::string_view utf8) const override;
};

} // namespace tarvok::test
