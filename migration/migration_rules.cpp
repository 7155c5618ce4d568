#include "migration/migration_rules.h"

#include "migration/migration_dialog_texts.h"
#include "settings/text_format.h"

namespace tarvok {

std::string defaultEarlierDataPath() {
    return std::string(text::kEarlierDefaultFolder) + text::kEarlierDataFile;
}

std::string importHeading() {
    return formatMessage(text::kImportHeading, {text::kEarlierDataFile});
}

std::string sameFolderWarning() {
    return formatMessage(text::kMsgSameFolder, {text::kEarlierDataFile});
}

std::string missingFolderWarning(std::string_view folder) {
    return formatMessage(text::kMsgMissingFolder, {folder});
}

std::string missingDataFileWarning(std::string_view folder) {
    return formatMessage(text::kMsgMissingDataFile, {folder, text::kEarlierDataFile});
}

std::string browsedFolderLacksDataFile(std::string_view folderText) {
    return formatMessage(text::kMsgBrowsedFolderLacksDataFile,
                         {folderText, text::kEarlierDataFile});
}

} // namespace tarvok
