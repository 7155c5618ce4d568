#pragma once

#include "settings/codec.h"
#include "settings/ini_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

// Parses an integer as the settings file stores it: decimal with an optional sign, or
// hexadecimal after "$", "0x" or "0X". nullopt for anything else, for an empty text and for
// a number outside the 32-bit range. Hexadecimal gives the 32-bit pattern ($FFFFFFFF is -1).
std::optional<int> parseSettingsInteger(std::string_view text);

// The bytes a value is stored as. A text that code page 932 cannot hold, or that holds a line
// break, raises AppError with the text to show.
std::string encodeStorable(const Codec& codec, std::string_view value);

// One operation's view of the settings file: typed reads and writes in UTF-8 over the
// model's code page 932 bytes. Section and key names are matched ignoring letter case.
class Settings {
  public:
    Settings(IniModel model, const Codec& codec) : model_(std::move(model)), codec_(&codec) {}

    std::string readText(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    // Every entry line of the section in file order, decoded; empty when it is missing.
    std::vector<std::string> readSection(std::string_view section) const;

    // A text that code page 932 cannot hold, or that holds a line break, raises AppError
    // with the text to show, before anything in the model changes.
    void writeText(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Whether any write happened: operations that only read never save.
    bool changed() const { return changed_; }
    const IniModel& model() const { return model_; }
    IniModel& model() { return model_; }
    const Codec& codec() const { return *codec_; }

    // The stored bytes of a value, for copies that must not pass through a conversion.
    std::optional<std::string_view> rawValue(std::string_view section, std::string_view key) const;
    void writeRaw(std::string_view section, std::string_view key, std::string_view bytes);

    std::string encodeValue(std::string_view value) const { return encodeStorable(*codec_, value); }

  private:
    // Names are ASCII throughout the program; anything else goes through the codec.
    std::optional<std::string> encodeName(std::string_view name) const;

    IniModel model_;
    const Codec* codec_;
    bool changed_ = false;
};

// Looks a key up in lines returned by readSection: the first entry whose key matches without
// regard to case; the empty text when there is none.
std::string findInSection(const std::vector<std::string>& lines, std::string_view key,
                          const Codec& codec);

} // namespace tarvok
