#include "settingsfile/FileBytes.h"

namespace tavmir {

std::string tooLargeFileError() {
    return "File is too large (more than " + std::to_string(kMaxSettingsFileSize / (1024 * 1024)) +
           " MB): it cannot be a settings file";
}

FileReadResult readSettingsFileBytes(const std::string& path) {
    return readFile(path, kMaxSettingsFileSize);
}

std::string settingsReadErrorText(const ReadError& error) {
    switch (error.failure) {
        case ReadFailure::NotRegular:
            // A folder is named as the system names it; anything else is no file to read.
            return error.kind == NodeKind::Folder ? error.reason()
                                                  : std::string(kNotRegularFileError);
        case ReadFailure::TooLarge:
            return tooLargeFileError();
        case ReadFailure::NotFound:
        case ReadFailure::OpenFailed:
        case ReadFailure::ReadFailed:
            break;
    }
    return error.reason();
}

}  // namespace tavmir
