#include "migration/migration_rules.h"

#include "migration/migration_dialog_texts.h"

namespace tarvok {

namespace {
constexpr std::string_view kTwoBreaks = "\r\n\r\n";
}

std::string defaultEarlierDataPath() {
    return std::string(text::kEarlierDefaultFolder) + text::kEarlierDataFile;
}

std::string importHeading() {
    return std::string(text::kImportHeadingHead) + text::kEarlierDataFile +
           text::kImportHeadingTail;
}

std::string sameFolderWarning() {
    return std::string(text::kSameFolderHead) + text::kEarlierDataFile + text::kSameFolderMiddle +
           std::string(kTwoBreaks) + text::kSameFolderTail;
}

std::string missingFolderWarning(std::string_view folder) {
    return text::kNamedHead + std::string(folder) + text::kFolderWord + std::string(kTwoBreaks) +
           text::kDoesNotExist;
}

std::string missingDataFileWarning(std::string_view folder) {
    return text::kNamedHead + browsedFolderLacksDataFile(folder);
}

std::string browsedFolderLacksDataFile(std::string_view folderText) {
    return std::string(folderText) + text::kFolderHasNo + std::string(kTwoBreaks) +
           text::kEarlierDataFile + text::kDoesNotExist;
}

} // namespace tarvok
