// Feeds arbitrary bytes to the settings-file reader as a file's content, under both
// extensions, and checks the record stays consistent with the log.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "catalogue/Catalogue.h"
#include "settingsfile/SettingsFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    static const auto catalogue = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    static const std::string base = "/tmp/tavmir-fuzz-" + std::to_string(::getpid());
    if (!catalogue) std::abort();

    for (const char* ext : {".cfg", ".set"}) {
        const std::string path = base + ext;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        StyledLog log;
        SettingsFileData record;
        record.fileName = path;
        record.log = &log;
        validateSettingsFile(*catalogue, record, ReaderEnvironment{});
        if (record.foundCount < 0 || record.foundCount > kSettingCount) std::abort();
        if (record.status == kStatusRead &&
            log.plainText().find("Errors: " + std::to_string(record.errorCount)) ==
                std::string::npos)
            std::abort();
        (void)toRtf(log);
        (void)detectFileType(*catalogue, path);
    }
    return 0;
}
