#include "SaveScript.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "common/InPlaceWrite.h"
#include "common/TemporaryName.h"
#include "common/WriteJournal.h"
#include "support/TempDir.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
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
#endif

}  // namespace

#ifdef _WIN32
// The table of saves is about POSIX files (modes, FIFOs, symbolic links, size limits).
std::string runSaveScript(const std::string&, const std::string&) { return {}; }
#else
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
#endif

std::string runCutWriteScript(const std::string& state) {
    TempDir dir, stateHome;
    const std::string before = std::getenv("XDG_STATE_HOME");
    setEnvironment("XDG_STATE_HOME", stateHome.path().string());
    const fs::path target = dir.path() / "a.cfg";
    writeBytes(target, "aaaaaaaaaa");
    const FileStamp st = nodeStatusOf(target.string()).stamp;
    WriteJournal j{target.string(), st.device, st.inode, "aaaaaaaaaa", "bbbbbbbbbbbbbb"};
    const fs::path folder = stateHome.path() / "tavmir" / "inplace";
    fs::create_directories(folder);
    const fs::path journal = folder / writeJournalName(j.device, j.inode);
    writeBytes(journal, state == "damaged" ? std::string("tavmir in-place journal 1\ntarget 9")
                                           : writeJournalBytes(j));
    std::unique_ptr<HeldFile> held;
    if (state == "live") held = holdLock(journal);
    if (state == "new") writeBytes(target, j.newBytes);
    if (state == "mix") writeBytes(target, "bbbbaaaaaa");
    if (state == "zeros") writeBytes(target, j.oldBytes + std::string(4, '\0'));
    if (state == "other") writeBytes(target, "other");
    if (state == "gone") fs::remove(target);
    if (state == "replaced") {
        writeBytes(dir.path() / "b.cfg", j.oldBytes);
        fs::rename(dir.path() / "b.cfg", target);
    }
    const std::vector<CutWrite> cuts = completeCutWrites();
    held.reset();
    static const char* const kOutcomes[] = {"completed", "kept aside", "damaged", "failed"};
    std::string out;
    for (const CutWrite& cut : cuts)
        out += std::string(kOutcomes[static_cast<int>(cut.outcome)]) + " ";
    out += "| a.cfg=" + (fs::exists(target) ? readAll(target) : std::string("(none)")) + " |";
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(folder))
        left.push_back(e.path().filename().string().substr(33));
    std::sort(left.begin(), left.end());
    for (const std::string& l : left) out += " " + l;
    std::string message = cutWritesMessage(cuts);
    // The journal names its file by the system's spelling ("\\" on Windows).
    if (kWindows) std::replace(message.begin(), message.end(), '\\', '/');
    std::string named = journal.string();
    if (kWindows) std::replace(named.begin(), named.end(), '\\', '/');
    for (const std::string& from : {named, dir.path().string()})
        for (std::size_t at; (at = message.find(from)) != std::string::npos;)
            message.replace(at, from.size(), from == named ? "$J" : "$D");
    setEnvironment("XDG_STATE_HOME", before);
    return out + " | " + message;
}

}  // namespace tavmir::test
