// A fresh folder for one test, removed with everything in it when the test ends, byte-exact
// file helpers, and a file-size limit that makes writes fail even for the root user.
#pragma once

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/Platform.h"

namespace tavmir::test {

inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class TempDir {
  public:
    TempDir() {
        static int counter = 0;
        // Written with "/" on every system, so that the paths the tests make and print read
        // the same on Windows.
        m_path =
            (std::filesystem::temp_directory_path() /
             ("tavmir-test-" + std::to_string(processNumber()) + "-" + std::to_string(counter++)))
                .generic_string();
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string path(const std::string& name) const { return m_path.string() + "/" + name; }
    // Writes bytes to name (making its folders) and returns the full path.
    std::string file(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((m_path / name).parent_path());
        writeBytes(m_path / name, bytes);
        return path(name);
    }
    // The number of entries, so a test can see that no temporary file stayed behind.
    long entryCount() const {
        return std::distance(std::filesystem::directory_iterator(m_path), {});
    }

  private:
    std::filesystem::path m_path;
};

#ifndef _WIN32
// While alive, no file may grow beyond `bytes`; a write past it fails instead of killing us.
// POSIX only: Windows has no such limit.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::size_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    void (*m_handler)(int);
    rlimit m_saved{};
};
#endif

}  // namespace tavmir::test
