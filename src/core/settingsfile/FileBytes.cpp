#include "settingsfile/FileBytes.h"

#include "common/FileRead.h"

namespace tavmir {

std::string tooLargeFileError() {
    return "File is too large (more than " + std::to_string(kMaxSettingsFileSize / (1024 * 1024)) +
           " MB): it cannot be a settings file";
}

FileBytes readWholeFile(const std::string& path) {
    FileReadResult read = readRegularFile(path, kMaxSettingsFileSize);
    FileBytes out;
    switch (read.failure) {
        case FileReadFailure::None:
            out.bytes = std::move(read.bytes);
            break;
        case FileReadFailure::System:
            out.error = std::move(read.error);
            break;
        case FileReadFailure::NotRegular:
            out.error = std::string(kNotRegularFileError);
            break;
        case FileReadFailure::TooLarge:
            out.error = tooLargeFileError();
            break;
    }
    return out;
}

}  // namespace tavmir
