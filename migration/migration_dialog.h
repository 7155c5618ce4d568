#pragma once

#include "platform/dialog.h"

#include <string>

namespace tarvok {

// The migration screen: chooses the earlier version's data file, asks, and hands its path to
// the caller's accept step, which copies the slots, page names and address-send option into
// the settings file. After a completed copy the program is to end, so that its next start
// shows the migrated data.
class MigrationDialog final : public ChoiceDialog<std::string> {
  public:
    // No button is IDOK: Enter in the path field must not start the copy.
    static constexpr int kRunId = 100;
    static constexpr int kPathId = 101;
    static constexpr int kChangeId = 102;
    static constexpr int kExLabelId = 103;

    // `programFolder` ends with a backslash; the data file may not lie there.
    explicit MigrationDialog(std::string programFolder);

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;
    void onPaint(HDC dc) override;

    void chooseFolder();
    void migrate();
    // Whether the data file at `path` may be used; shows the warning when not.
    bool liesOutsideProgramFolder(const std::string& path);

    std::string programFolder_;
    UniqueFont paintedFont_;
};

} // namespace tarvok
