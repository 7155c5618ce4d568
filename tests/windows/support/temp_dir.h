#pragma once

#include <string>

namespace tarvok::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes (read-only attributes included, which tests set on purpose).
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; } // ends without a backslash
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

// While the object lives, a file or folder of the machine is out of the way (renamed beside
// itself), and afterwards it is back: for tests that need the Wine prefix without something
// Wine or a user put there. Nothing happens where there is nothing.
class SetAside {
  public:
    explicit SetAside(std::string path);
    ~SetAside();
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

  private:
    std::string path_;
    bool moved_ = false;
};

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// A text as the settings file holds it, in Shift_JIS.
std::string sjis(const std::string& utf8);

} // namespace tarvok::test
