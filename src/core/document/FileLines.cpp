#include "document/FileLines.h"

#include "settingsfile/FileBytes.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {

tl::expected<std::unique_ptr<FileLines>, LinesError> readFileLines(const Catalogue& catalogue,
                                                                   const std::string& path) {
    FileReadResult read = readSettingsFileBytes(path);
    if (!read)
        return tl::unexpected(
            LinesError{LinesFailure::ReadFailed, settingsReadErrorText(read.error())});
    auto lines = std::make_unique<FileLines>();
    lines->bytes = std::move(read->bytes);
    lines->stamp = read->stamp;
    lines->record.fileName = path;
    lines->record.log = &lines->log;
    validateSettingsBytes(catalogue, lines->record, ReaderEnvironment{}, lines->bytes);
    switch (lines->record.status) {
        case ReadStatus::Empty:
            return tl::unexpected(LinesError{LinesFailure::Empty, "file is empty"});
        case ReadStatus::UnknownForm:
            return tl::unexpected(
                LinesError{LinesFailure::UnknownForm, "not in CFG or SET format"});
        case ReadStatus::ReadFailed:
            return tl::unexpected(
                LinesError{LinesFailure::ReadFailed, lines->record.failureReason});
        default:
            break;
    }
    if (lines->record.fileType != "CFG" && lines->record.fileType != "SET")
        return tl::unexpected(LinesError{LinesFailure::UnknownForm, "not in CFG or SET format"});
    return lines;
}

FieldTexts textsOfFile(const Catalogue& catalogue, const SettingsFileData& record) {
    FieldTexts texts;
    for (int i = 1; i <= kSettingCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        texts[i] = record.found[n] ? record.values[n] : catalogue[i].defaultValue;
    }
    return texts;
}

}  // namespace tavmir
