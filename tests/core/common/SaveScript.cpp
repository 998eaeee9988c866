#include "SaveScript.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "common/FileWrite.h"
#include "common/TemporaryName.h"
#include "support/TempDir.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

// "x{3}" -> "xxx"
std::string expand(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t close = s.find('}', i);
        if (i + 1 < s.size() && s[i + 1] == '{' && close != std::string::npos) {
            out.append(std::stoul(s.substr(i + 2, close - i - 2)), s[i]);
            i = close;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Runs of ten or more of one character back to "x{N}".
std::string shorten(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = i;
        while (j < s.size() && s[j] == s[i]) ++j;
        if (j - i >= 10)
            out += s[i] + std::string("{") + std::to_string(j - i) + "}";
        else
            out.append(s, i, j - i);
        i = j;
    }
    return out;
}

std::string listing(const fs::path& root) {
    std::vector<std::string> lines;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const fs::path p = it->path();
        std::string line = shorten(p.lexically_relative(root).string());
        struct stat st {};
        ::lstat(p.c_str(), &st);
        if (S_ISLNK(st.st_mode)) {
            std::string to = fs::read_symlink(p).string();
            if (to.starts_with(root.string() + "/")) to = "$D" + to.substr(root.string().size());
            line += "->" + shorten(to);
        } else if (S_ISDIR(st.st_mode)) {
            line += "/";
        } else if (S_ISFIFO(st.st_mode)) {
            line += "|";
        } else {
            std::ostringstream mode;
            mode << std::oct << (st.st_mode & 07777);
            line += "=" + readAll(p) + "(" + mode.str();
            if (st.st_nlink > 1) line += "," + std::to_string(st.st_nlink) + " links";
            line += ")";
        }
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : " ") + l;
    return out;
}

const char* stageName(WriteStage s) {
    switch (s) {
        case WriteStage::Restore:
            return "restore";
        case WriteStage::Open:
            return "open";
        case WriteStage::Write:
            return "write";
        case WriteStage::Close:
            return "close";
    }
    return "?";
}

}  // namespace

std::string runSaveScript(const std::string& setup, const std::string& target) {
    TempDir dir;
    const fs::path& root = dir.path();
    std::unique_ptr<FileSizeLimit> limit;
    std::istringstream commands(setup);
    for (std::string command; std::getline(commands, command, ';');) {
        std::istringstream words(command);
        std::string verb, name, a, b;
        words >> verb >> name >> a >> b;
        if (verb.empty()) continue;
        const fs::path at = root / expand(name);
        if (verb == "f") {
            writeBytes(at, b);
            fs::permissions(at, static_cast<fs::perms>(std::stoi(a, nullptr, 8)));
        } else if (verb == "l") {
            std::string to = expand(a);
            if (to.starts_with("$D/")) to = (root / to.substr(3)).string();
            fs::create_symlink(to, at);
        } else if (verb == "h") {
            fs::create_hard_link(root / expand(a), at);
        } else if (verb == "d") {
            fs::create_directories(at);
        } else if (verb == "p") {
            ::mkfifo(at.c_str(), 0644);
        } else if (verb == "k" || verb == "kl") {
            const fs::path kept =
                keptTemporaryName(at.parent_path().string(), at.filename().string());
            if (verb == "k")
                writeBytes(kept, a);
            else
                fs::create_symlink(a, kept);
        } else if (verb == "limit") {
            limit = std::make_unique<FileSizeLimit>(std::stoul(name));
        }
    }
    const mode_t saved = ::umask(022);
    const WriteResult r = writeFileSafely(root / expand(target), "new");
    ::umask(saved);
    limit.reset();
    std::string answer = r ? "ok" : stageName(r.error().stage);
    if (!r) answer += ": " + r.error().reason;
    return answer + " | " + listing(root);
}

}  // namespace tavmir::test
