// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavmir::testsupport {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Full path of name inside the folder, as text.
    std::string file(std::string_view name) const;
    // Writes bytes to name inside the folder and returns its full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    // The bytes of a file, or "<missing>" when it cannot be read.
    static std::string read(const std::filesystem::path& file);

  private:
    std::filesystem::path m_path;
};

}  // namespace tavmir::testsupport
