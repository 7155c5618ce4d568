#pragma once

#include <stdexcept>
#include <string>

namespace tarvok {

// The one error type of the program. what() is the UTF-8 text the user is shown.
class AppError : public std::runtime_error {
  public:
    // InputOutput marks failures of the file system itself (a missing medium, a device
    // error): once the file picker has been used they are reported differently from the rest.
    enum class Kind { General, InputOutput };

    explicit AppError(const std::string& text, Kind kind = Kind::General)
        : std::runtime_error(text), kind_(kind) {}

    Kind kind() const noexcept { return kind_; }

  private:
    Kind kind_;
};

} // namespace tarvok
