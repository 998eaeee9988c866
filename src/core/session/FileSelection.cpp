#include "session/FileSelection.h"

namespace tavmir {

std::vector<std::string> splitFileSelection(std::string_view selection) {
    const std::size_t firstNul = selection.find('\0');
    if (firstNul == std::string_view::npos) return {std::string(selection)};

    std::string folder(selection.substr(0, firstNul));
    if (folder.empty() || folder.back() != '/') folder += '/';
    std::vector<std::string> paths;
    std::string_view names = selection.substr(firstNul + 1);
    while (true) {
        const std::size_t nul = names.find('\0');
        const std::string_view name = names.substr(0, nul);
        // A trailing or doubled NUL would otherwise give the folder itself as a file.
        if (!name.empty()) paths.push_back(folder + std::string(name));
        if (nul == std::string_view::npos) break;
        names.remove_prefix(nul + 1);
    }
    return paths;
}

}  // namespace tavmir
