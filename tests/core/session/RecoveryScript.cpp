#include "core/session/RecoveryScript.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "common/FileIdentity.h"
#include "common/Hash.h"
#include "session/LastSession.h"
#include "session/RecoveryJournal.h"
#include "session/RecoveryStore.h"
#include "support/TempDir.h"

namespace tavmir::test {
namespace {

std::vector<FieldWrite> parseValues(const std::string& values) {
    std::vector<FieldWrite> out;
    std::size_t at = 0;
    while (at < values.size()) {
        std::size_t end = values.find(';', at);
        if (end == std::string::npos) end = values.size();
        const std::string item = values.substr(at, end - at);
        const std::size_t eq = item.find('=');
        out.push_back(FieldWrite{std::stoi(item.substr(0, eq)), item.substr(eq + 1)});
        at = end + 1;
    }
    return out;
}

std::string describe(const RecoveryJournal& j, const std::string& dir) {
    std::string path = j.path;
    if (path.starts_with(dir)) path = "$D" + path.substr(dir.size());
    std::string out = "owner " + j.owner + " | " + path + " | " + j.fileType + " | ";
    out += j.fileRead ? "file " + std::to_string(j.size) : std::string("file none");
    out += " | opened " + std::to_string(j.opened.size()) + " | values";
    for (const FieldWrite& w : j.changes) out += " " + std::to_string(w.field) + "=" + w.text;
    return out;
}

const char* faultName(JournalFault f) {
    switch (f) {
        case JournalFault::Damaged:
            return "damaged";
        case JournalFault::NewerFormat:
            return "newer format";
        case JournalFault::UnknownForm:
            return "unknown form";
        case JournalFault::TooLarge:
            return "too large";
    }
    return "?";
}

RecoveryJournal journalFor(const std::string& path, const std::string& owner) {
    RecoveryJournal j;
    j.owner = owner;
    j.path = path;
    j.fileType = "CFG";
    const FileIdentity id = identifyFile(path);
    j.fileRead = true;
    j.size = id.size;
    j.modifiedNs = id.modifiedNs;
    j.hash = id.hash;
    j.changedNs = 1;
    j.opened = {FieldWrite{1, "old"}};
    j.changes = {FieldWrite{1, "new"}};
    return j;
}

}  // namespace

std::string runRecoveryJournalCase(const std::string& form, const std::string& values,
                                   const std::string& change) {
    const TempDir dir;
    RecoveryJournal j;
    j.owner = "41.7";
    j.path = dir.path("a.cfg");
    j.fileType = form;
    j.fileRead = change != "unread";
    j.size = 12;
    j.modifiedNs = 1733745600123456789;
    j.hash = 0xfedcba9876543210u;
    j.changedNs = 1733745601000000000;
    j.changes = parseValues(values);
    for (const FieldWrite& w : j.changes) j.opened.push_back(FieldWrite{w.field, "old"});
    if (change == "grow")
        j.changes.push_back(FieldWrite{961, std::string(kRecoveryJournalBound, 'x')});
    std::string bytes = recoveryJournalBytes(j);
    if (change.starts_with("cut ")) bytes.resize(std::stoul(change.substr(4)));
    if (change.starts_with("byte ")) {
        const std::size_t space = change.find(' ', 5);
        bytes[std::stoul(change.substr(5, space - 5))] = change[space + 1];
    }
    if (change.starts_with("format ")) bytes.replace(24, 1, change.substr(7));
    if (change.starts_with("edit ")) {
        // One text replaced, and the journal sealed again with the hash of its new bytes.
        const std::size_t bar = change.find('|');
        const std::string from = change.substr(5, bar - 5);
        bytes.replace(bytes.find(from), from.size(), change.substr(bar + 1));
        bytes.resize(bytes.rfind("end "));
        std::string hex(16, '0');
        std::uint64_t h = fnv1a64(bytes);
        for (int i = 15; i >= 0; --i, h >>= 4)
            hex[static_cast<std::size_t>(i)] = "0123456789abcdef"[h & 15u];
        bytes += "end " + hex + "\n";
    }
    const auto read = parseRecoveryJournal(bytes);
    if (!read) return faultName(read.error());
    std::string out = describe(*read, dir.path().string());
    if (recoveryJournalBytes(*read) == bytes) out += " | same bytes";
    return out;
}

std::string runLeftJournalsCase(const std::string& setup) {
    const TempDir dir;
    const std::filesystem::path folder = dir.path() / "recovery";
    std::filesystem::create_directories(folder);
    const std::string file = dir.file("a.cfg", "[Misc]\r\nx=1\r\n");
    // A program running now: its owner file locked on a descriptor of its own.
    const std::unique_ptr<HeldFile> liveLock = holdLock(folder / "200.2.owner");
    test::writeBytes(folder / "100.1.owner", "");  // a program that ended
    std::set<std::string> words;
    for (std::size_t at = 0; at < setup.size();) {
        std::size_t end = setup.find(' ', at);
        if (end == std::string::npos) end = setup.size();
        words.insert(setup.substr(at, end - at));
        at = end + 1;
    }
    auto put = [&](const std::string& name, const std::string& owner, const std::string& bytes) {
        test::writeBytes(folder / name,
                         bytes.empty() ? recoveryJournalBytes(journalFor(file, owner)) : bytes);
    };
    if (words.contains("stale")) put("100.1-1.journal", "100.1", "");
    if (words.contains("live")) put("200.2-1.journal", "200.2", "");
    if (words.contains("own")) put("300.3-1.journal", "300.3", "");
    if (words.contains("orphan")) put("400.4-1.journal", "400.4", "");
    if (words.contains("damaged"))
        put("100.1-2.journal", "100.1", "tavmir recovery journal 1\nowner");
    if (words.contains("newer")) put("100.1-3.journal", "100.1", "tavmir recovery journal 2\n");
    if (words.contains("changed")) test::writeBytes(file, "[Misc]\r\nx=2\r\n");
    if (words.contains("gone")) std::filesystem::remove(file);

    const LeftJournals left = findLeftJournals(folder, "300.3");
    std::string out = "offered";
    for (const LeftJournal& l : left.journals) {
        const char* since[] = {"same", "changed", "gone"};
        out += " " + l.file.filename().string() + " (" + since[static_cast<int>(l.since)] + ")";
    }
    out += " | set aside";
    for (const SetAsideJournal& s : left.setAside)
        out += " " + s.keptAs.filename().string() + " (" + std::string(journalFaultText(s.fault)) +
               ")";
    out += " | left";
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& n : names) out += " " + n;
    return out;
}

std::string runLastSessionCase(const std::string& bytes) {
    const std::optional<LastSession> s = parseLastSession(bytes);
    if (!s) return "refused";
    std::string out = "active " + std::to_string(s->active) + " |";
    for (const SessionFile& f : s->files)
        out += " " + f.path + " (page " + std::to_string(f.page) + ")";
    if (lastSessionBytes(*s) == bytes) out += " | same bytes";
    return out;
}

}  // namespace tavmir::test
