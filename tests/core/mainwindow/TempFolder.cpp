#include "core/mainwindow/TempFolder.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tavmir::testsupport {

TempFolder::TempFolder() {
    std::random_device rd;
    for (;;) {
        m_path =
            std::filesystem::temp_directory_path() / ("tavmir-mainwindow-" + std::to_string(rd()));
        if (std::filesystem::create_directory(m_path)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempFolder::file(std::string_view name) const { return (m_path / name).string(); }

std::string TempFolder::write(std::string_view name, std::string_view bytes) const {
    const std::string full = file(name);
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    std::ofstream out(full, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::string TempFolder::read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tavmir::testsupport
