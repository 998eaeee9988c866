#include "DoorScript.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <filesystem>
#include <memory>

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "support/TempDir.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

// What stands at path now, as the answer shows it.
std::string contents(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(systemPath(path), ec)) return "-";
    return readAll(systemPath(path));
}

// A handle on the file that shares nothing while it lives (Windows: a sharing violation for
// everyone else); nothing on POSIX, which has no such thing.
struct Holder {
#ifdef _WIN32
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit Holder(const std::string& path) {
        handle = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~Holder() {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
#else
    explicit Holder(const std::string&) {}
#endif
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
};

}  // namespace

std::string runDoorCase(const std::string& setup, const std::string& operation) {
    const TempDir dir;
    std::string path = dir.path("a.cfg");
    std::unique_ptr<Holder> holder;
    if (setup == "file" || setup == "readonly" || setup == "held") dir.file("a.cfg", "old");
    if (setup == "folder") fs::create_directory(path);
    if (setup == "through") {
        dir.file("a.cfg", "old");
        path = dir.path("a.cfg/inner.cfg");
    }
    if (setup == "readonly") fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    if (setup == "held") holder = std::make_unique<Holder>(path);
    if (setup == "long") path = dir.file(std::string(246, 'n') + ".cfg", "old");
    if (setup == "unicode") {
        path = dir.path("zon\xC3\xA9 \xE5\x90\x8D \xF0\x9F\x9A\x80.cfg");
        writeBytes(systemPath(path), "old");
    }
    if (setup == "fifo") makeFifo(path);
    if (setup == "NUL" || setup == "CON" || setup == "COM1.cfg" || setup == "/dev/null" ||
        setup.find('\\') != std::string::npos || operation == "kind")
        path = setup;
    std::string answer;
    if (operation == "kind") {
        static const char* const kKinds[] = {"missing", "regular", "folder", "fifo",
                                             "device",  "socket",  "other"};
        return kKinds[static_cast<int>(nodeKindOf(path))];
    }
    if (operation == "read") {
        const FileReadResult r = readFile(path, 1 << 20);
        answer = r ? "read " + std::to_string(r->bytes.size()) + " bytes" : r.error().reason();
    } else {
        const WriteResult r = writeFileSafely(fs::path(path), "new");
        answer = r ? std::string("written") : r.error().reason;
    }
    holder.reset();
    // A device is never looked into afterwards.
    const bool device = path == setup;
    answer += " | " + (device ? std::string("-") : contents(path));
    if (setup == "readonly") fs::permissions(path, fs::perms::owner_all);
    return answer;
}

}  // namespace tavmir::test
