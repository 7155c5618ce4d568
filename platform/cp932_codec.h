#pragma once

#include "settings/codec.h"

namespace tarvok {

// Code page 932 as Windows itself converts it.
class Cp932Codec final : public Codec {
  public:
    std::string decode(std::string_view cp932) const override;
    std::optional<std::string> encode(std::string_view utf8) const override;
};

const Codec& systemCodec();

} // namespace tarvok
