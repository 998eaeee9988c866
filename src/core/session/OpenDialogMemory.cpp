#include "session/OpenDialogMemory.h"

#include <filesystem>

namespace tavmir {

void OpenDialogMemory::chosen(const OpenDialogChoice& choice) {
    const bool known =
        choice.filterIndex >= 1 && choice.filterIndex <= static_cast<int>(kOpenFileFilters.size());
    m_filterIndex = known ? choice.filterIndex : 1;
    if (choice.paths.size() == 1) {
        m_startPath = choice.paths.front();
    } else if (choice.paths.size() > 1) {
        // A multiple selection comes from one folder; the filter then picks what is listed.
        m_startPath = std::filesystem::path(choice.paths.front()).parent_path().string();
    }
}

}  // namespace tavmir
