// The tavmir program. With "-v" and at least one existing file it validates the files and
// writes one report per file, never needing a display; otherwise it starts the editor.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ConsoleValidation.h"
#include "catalogue/Catalogue.h"
#include "common/Text.h"

namespace {

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavmir;
    const std::filesystem::path folder = programFolder(argv[0]);

    const CatalogueLoad load = Catalogue::load(folder);
    if (!load.catalogue) {
        std::cerr << "Tavmir: " << load.error << "\n";
        return kExitFailure;
    }

    bool consoleMode = false;
    std::vector<std::string> files;
    std::vector<std::string> missing;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::error_code ec;
        if (toLowerAscii(arg) == "-v")
            consoleMode = true;
        else if (std::filesystem::exists(arg, ec))
            files.push_back(arg);
        else
            missing.push_back(arg);
    }
    if (!consoleMode || files.empty()) {
        std::cerr << "usage: tavmir -v FILE...\n"
                     "Validates each settings file and writes its report to FILE.log.\n";
        for (const std::string& m : missing) std::cerr << m << ": no such file\n";
        return kExitFailure;
    }
    for (const std::string& m : missing) std::cerr << m << ": no such file\n";
    const int status = runConsoleValidation(*load.catalogue, files, std::cout);
    return missing.empty() ? status : int{kExitFailure};
}
