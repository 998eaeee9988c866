// The rules with many cases, each checked from one {input, expected} table under
// tests/data/tables/: one line per case, tab-separated cells, the last cell the expected
// result. A new case is a new line; a new table is a file here plus its adapter below.
//
// Cells are byte-exact after these escapes: \r \n \t \0 \\ and \xHH. Lines starting with "#"
// are comments. A case whose first cell is "@posix" or "@windows" runs on that system only
// (where the systems truly differ); the mark is no input. TAVMIR_REGENERATE=1 rewrites the expected
// cells from what the code answers (review the diff); a normal run never writes.

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "app/ProfileFile.h"
#include "app/ProgramFolders.h"
#include "app/Startup.h"
#include "batch/UnifiedDiff.h"
#include "catalogue/StartupTables.h"
#include "common/ElapsedTime.h"
#include "common/FileIdentity.h"
#include "common/Numeric.h"
#include "common/SamePath.h"
#include "common/Text.h"
#include "core/batch/SetValuesScript.h"
#include "core/common/DoorScript.h"
#include "core/common/SaveScript.h"
#include "core/document/DocumentTestSupport.h"
#include "core/document/SaveTestSupport.h"
#include "core/operations/TestCatalogue.h"
#include "core/session/RecoveryScript.h"
#include "core/session/SaveRunScript.h"
#include "core/settingsfile/ReaderFixture.h"
#include "document/Averages.h"
#include "document/Editing.h"
#include "document/KeyFilters.h"
#include "document/Layout.h"
#include "document/LineWriter.h"
#include "document/LoadDecision.h"
#include "document/OriginalBackup.h"
#include "document/ProblemFixes.h"
#include "document/SaveChecks.h"
#include "document/SaveFile.h"
#include "document/SettingsWriter.h"
#include "operations/ClipboardTransfer.h"
#include "operations/DocumentEdits.h"
#include "operations/EditAllShips.h"
#include "operations/FindSetting.h"
#include "operations/ShipCopySwap.h"
#include "session/FileSelection.h"
#include "session/MainMenus.h"
#include "session/RecentFiles.h"
#include "settingsfile/LogReport.h"
#include "settingsfile/UnwrittenLines.h"
#include "support/DocumentTestAccess.h"
#include "support/Escapes.h"
#include "support/Platform.h"

namespace tavmir {
namespace {

using Cells = std::vector<std::string>;
using test::escape;
using test::unescape;
using Adapter = std::function<std::string(const Cells&)>;

Cells split(const std::string& s, char sep) {
    Cells cells;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + 1)
        cells.push_back(s.substr(from, at - from));
    cells.push_back(s.substr(from));
    return cells;
}

// Numbers of the cells, read without the locale ("." is the decimal point).
int num(const std::string& s) {
    int v = 0;
    std::from_chars(s.data() + (s.starts_with('+') ? 1 : 0), s.data() + s.size(), v);
    return v;
}
double real(const std::string& s) {
    double v = 0;
    std::from_chars(s.data() + (s.starts_with('+') ? 1 : 0), s.data() + s.size(), v);
    return v;
}
bool yes(const std::string& s) { return s == "yes"; }
std::string yes(bool b) { return b ? "yes" : "no"; }
// A field number, or "row/column" of the ship table.
int item(const std::string& s) {
    const std::size_t slash = s.find('/');
    return slash == std::string::npos
               ? num(s)
               : shipTable(num(s.substr(0, slash)), num(s.substr(slash + 1)));
}
// "[a] [b] ..." so that empty and blank entries show.
std::string bracketed(const std::vector<std::string>& v, std::size_t from = 0) {
    std::string out;
    for (std::size_t i = from; i < v.size(); ++i) out += (out.empty() ? "[" : " [") + v[i] + "]";
    return out;
}
template <std::size_t N>
std::array<bool, N> marks(const std::string& list, int base) {
    std::array<bool, N> m{};
    if (list != "-")
        for (const std::string& n : split(list, ','))
            m[static_cast<std::size_t>(num(n) - base)] = true;
    return m;
}
const char* focusName(ShipDialogControl f) {
    return f == ShipDialogControl::OriginList        ? "List1"
           : f == ShipDialogControl::DestinationList ? "List2"
                                                     : "Check1(0)";
}

// Files that the path comparisons look at; "$D/" in a cell is this folder.
const test::TempDir& pathFolder() {
    static const test::TempDir dir;
    static const bool made = [] {
        dir.file("a.cfg", "x");
        // Symbolic links, and names that differ only in case, are POSIX cases.
        if (!test::kWindows) {
            std::filesystem::create_symlink(dir.path("a.cfg"), dir.path("link.cfg"));
            dir.file("A.cfg", "y");
        }
        std::filesystem::create_hard_link(dir.path("a.cfg"), dir.path("hard.cfg"));
        dir.file("sub/b.set", "z");
        return true;
    }();
    return made ? dir : dir;
}
std::string inFolder(std::string s) {
    for (std::size_t at; (at = s.find("$D")) != std::string::npos;)
        s.replace(at, 2, pathFolder().path().string());
    return s;
}

std::unique_ptr<EditorDocument> documentOnPage(int page, const std::string& shipValue) {
    auto doc = std::make_unique<EditorDocument>(documenttest::testCatalogue());
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c)
            DocumentTestAccess::fields(*doc)[shipTable(r, c)] = shipValue;
    doc->calculateAverageShipPage();
    doc->showPage(page);
    return doc;
}

// Runs a script of editing actions on a document at the defaults ("0" everywhere), separated
// by ";": "type ITEM TEXT" (focus and type), "blur", "typed|bulk NAME ITEM=TEXT,...",
// "begin NAME" and "end" around a dialog's session, "undo [N]", "redo", "save", "steps N" (N
// one-field bulk steps). Then shows the Edit menu's names, the
// mark, the history's size and the fields listed in `shown` ("tip:ITEM" for a field's tooltip).
// The problem list of a document as the Problems window shows it, "no problems" when empty.
std::string listedProblems(const Catalogue& cat, const FieldTexts& doc) {
    std::string out;
    for (const ListedProblem& p : listProblems(cat, doc))
        out += (out.empty() ? "" : " | ") + std::to_string(p.problem.setting) + " p" +
               std::to_string(p.problem.page) + " " + p.problem.reason + " => " +
               fixCellText(p.fix);
    return out.empty() ? "no problems" : out;
}

// "list", "all" (Fix All), "fix 1,3" (rows of the list) or "status" (the editor's line and the
// window's summary) on the valid document changed by
// `edits`, with the Warbird's row 1 at 600 and row 2 at 700 so that it passes the limits of
// problemsCatalogue; a fix shows its writes and the list after them.
std::string problemsAfter(const std::string& edits, const std::string& action) {
    const auto cat = test::problemsCatalogue();
    FieldTexts doc = test::validDocument();
    doc[shipTable(1, 0)] = "600";
    doc[shipTable(2, 0)] = "700";
    if (!edits.empty())
        for (const std::string& edit : split(edits, ';')) {
            const std::size_t eq = edit.find('=');
            doc[item(edit.substr(0, eq))] = edit.substr(eq + 1);
        }
    if (action == "list") return listedProblems(*cat, doc);
    if (action == "status") {
        const std::size_t count = listSaveProblems(*cat, doc).size();
        return problemsStatusText(count).value_or("(no line)") + " | " + problemsSummary(count);
    }
    std::vector<FieldWrite> writes;
    if (action == "all") {
        writes = fixAll(*cat, doc);
    } else {
        const std::vector<SaveProblem> listed = listSaveProblems(*cat, doc);
        std::vector<SaveProblem> chosen;
        for (const std::string& row : split(action.substr(4), ','))
            chosen.push_back(listed.at(static_cast<std::size_t>(num(row) - 1)));
        writes = fixChosen(*cat, doc, chosen);
    }
    std::string out;
    for (const FieldWrite& w : writes) {
        out += (out.empty() ? "" : ";") + std::to_string(w.field) + "=" + w.text;
        doc[w.field] = w.text;
    }
    return (out.empty() ? "nothing" : out) + " | then: " + listedProblems(*cat, doc);
}

std::string historyAfter(const std::string& script, const std::string& shown) {
    EditorDocument doc(documenttest::testCatalogue());
    for (int i = 1; i <= kSettingCount; ++i) DocumentTestAccess::fields(doc)[i] = "0";
    doc.calculateAverageShipPage();
    std::vector<std::unique_ptr<EditorDocument::StepScope>> sessions;  // open dialog sessions
    for (const std::string& action : split(script, ';')) {
        std::istringstream words(action);
        std::string verb, a, b;
        words >> verb >> a;
        std::getline(words >> std::ws, b);
        if (verb == "type") {
            doc.focusField(item(a));
            doc.editField(item(a), b);
        } else if (verb == "blur") {
            doc.blurField();
        } else if (verb == "typed" || verb == "bulk") {
            std::vector<FieldWrite> writes;
            for (const std::string& w : split(b, ',')) {
                const std::size_t eq = w.find('=');
                writes.push_back({item(w.substr(0, eq)), w.substr(eq + 1)});
            }
            if (verb == "typed")
                doc.applyWrites(a, StepKind::Typed, writes);
            else
                doc.applyWrites(a, StepKind::Bulk, writes);
        } else if (verb == "undo") {
            for (int n = a.empty() ? 1 : num(a); n > 0; --n) doc.undo();
        } else if (verb == "begin") {
            sessions.push_back(
                std::make_unique<EditorDocument::StepScope>(doc.openStep(a, StepKind::Typed)));
        } else if (verb == "end") {
            if (!sessions.empty()) sessions.pop_back();
        } else if (verb == "redo") {
            doc.redo();
        } else if (verb == "save") {
            doc.markSaved();
        } else if (verb == "gone") {
            doc.markFileGone();
        } else if (verb == "steps") {
            for (int n = 0; n < num(a); ++n)
                doc.applyWrites("S", StepKind::Bulk, {{1, std::to_string(n)}});
        }
    }
    std::string out = "undo[" + doc.undoName() + "] redo[" + doc.redoName() +
                      "] modified:" + yes(doc.modified()) +
                      " steps:" + std::to_string(doc.history().stepCount());
    if (shown != "-")
        for (const std::string& f : split(shown, ','))
            out += " " + f + "=" +
                   (f.starts_with("tip:") ? doc.tooltip(item(f.substr(4))) : doc.text(item(f)));
    return out;
}

const char* const kDiskChangeNames[] = {"none", "changed", "deleted", "not regular", "unreadable"};

// Makes a.cfg ("abc"), takes its identity, does what `action` says as another program would
// ("touch", "same" rewrite, "other" bytes, "longer", "delete", "rename", "folder", "fifo",
// "replace" by a new file with the same bytes, "loop" of symbolic links, "through" a file where
// its folder was, "none"), and names the change seen.
std::string diskChangeAfter(const std::string& action) {
    const test::TempDir dir;
    const std::string path = dir.file("a.cfg", "abc");
    const FileIdentity before = identifyFile(path);
    const std::filesystem::path p(path);
    if (action == "touch") {
        std::filesystem::last_write_time(
            p, std::filesystem::last_write_time(p) + std::chrono::seconds(5));
    } else if (action == "same") {
        test::writeBytes(p, "abc");
    } else if (action == "other") {
        test::writeBytes(p, "abd");
    } else if (action == "longer") {
        test::writeBytes(p, "abcd");
    } else if (action == "delete") {
        std::filesystem::remove(p);
    } else if (action == "rename") {
        std::filesystem::rename(p, dir.path("b.cfg"));
    } else if (action == "folder") {
        std::filesystem::remove(p);
        std::filesystem::create_directory(p);
    } else if (action == "fifo") {
        std::filesystem::remove(p);
        test::makeFifo(path);
    } else if (action == "replace") {
        dir.file("new.cfg", "abc");
        std::filesystem::rename(dir.path("new.cfg"), p);
    } else if (action == "loop") {
        std::filesystem::remove(p);
        std::filesystem::create_symlink("a.cfg", p);
    } else if (action == "through") {
        const std::string inner = dir.file("sub/a.cfg", "abc");
        const FileIdentity was = identifyFile(inner);
        std::filesystem::remove_all(dir.path("sub"));
        dir.file("sub", "a file where the folder was");
        return kDiskChangeNames[static_cast<int>(diskChange(was, identifyFile(inner)))];
    }
    return kDiskChangeNames[static_cast<int>(diskChange(before, identifyFile(path)))];
}

// Reads `bytes` as a.cfg, writes the values of `writes` ("Section:Key=value" separated by ";")
// into its lines, and shows what changed and the new bytes; then reads them back and names any
// setting whose value is not the one written (or, unwritten, not the one it had).
std::string linesAfter(const std::string& bytes, const std::string& writes) {
    const auto catalogue = test::saveCatalogue();
    const Catalogue& c = *catalogue;
    const auto read = [&](std::string_view b, SettingsFileData& d, StyledLog& log) {
        d.fileName = "a.cfg";
        d.log = &log;
        validateSettingsBytes(c, d, ReaderEnvironment{}, b);
    };
    SettingsFileData before;
    StyledLog log;
    read(bytes, before, log);
    std::vector<FieldWrite> list;
    std::map<int, std::string> expected;
    for (const std::string& w : split(writes, ';')) {
        const std::size_t colon = w.find(':'), eq = w.find('=');
        const int n = c.findSetting(w.substr(0, colon), w.substr(colon + 1, eq - colon - 1));
        list.push_back({n, w.substr(eq + 1)});
        expected[n] = writtenValue(w.substr(eq + 1));
    }
    const auto edit = writeIntoLines(c, bytes, before, list);
    if (!edit) return "refused";
    std::string out = "changed " + std::to_string(edit->changedLines) + ", added " +
                      std::to_string(edit->addedSettings) + " | " + edit->bytes;
    SettingsFileData after;
    StyledLog log2;
    read(edit->bytes, after, log2);
    for (int n = 1; n <= kSettingCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const std::string want = expected.contains(n) ? expected[n] : before.values[i];
        if (after.values[i] != want || (expected.contains(n) && !after.found[i]))
            out += " | read back differs at " + c[n].section + ":" + c[n].key;
    }
    return out;
}

// Sets up a.cfg as `setup` says ("file" holding "v1", "none", "folder", "fifo", and
// "+old" for an older a.cfg.bak, "+bakfolder" for a folder in its place), keeps the original,
// and shows whether there was one to keep, the result and the backup's bytes.
std::string backupAfter(const std::string& setup) {
    const test::TempDir dir;
    const std::string path = dir.path("a.cfg");
    if (setup.starts_with("file")) dir.file("a.cfg", "v1\r\nx=1");
    if (setup.starts_with("folder")) std::filesystem::create_directory(path);
    if (setup.starts_with("fifo")) test::makeFifo(path);
    if (setup.find("+old") != std::string::npos) dir.file("a.cfg.bak", "old");
    if (setup.find("+bakfolder") != std::string::npos)
        std::filesystem::create_directory(backupPathFor(path));
    std::string out = yes(hasOriginalToKeep(path)) + " | ";
    const WriteResult r = keepOriginal(path);
    out += r ? std::string("kept") : r.error().reason;
    std::error_code ec;
    if (std::filesystem::is_regular_file(backupPathFor(path), ec))
        out += " | " + test::readAll(backupPathFor(path));
    return out;
}

const std::map<std::string, Adapter>& adapters() {
    static const std::map<std::string, Adapter> all{
        // Numbers as the checks and averages read them.
        {"is-number", [](const Cells& c) { return yes(isNumber(c[0])); }},
        {"leading-number", [](const Cells& c) { return shortestDecimal(leadingNumber(c[0])); }},
        // Saving a whole file into a folder as a script builds it.
        {"atomic-save", [](const Cells& c) { return test::runSaveScript(c[0], c[1]); }},
        {"shortest-decimal", [](const Cells& c) { return shortestDecimal(real(c[0])); }},
        {"round-half-even",
         [](const Cells& c) {
             return shortestDecimal(roundHalfEven(real(c[0]), num(c[1])) + 0.0);
         }},
        {"progress-percent",
         [](const Cells& c) { return std::to_string(progressPercent(real(c[0]))); }},
        // Reader: value codes and the form of a file.
        {"check-value",
         [](const Cells& c) { return checkValue(*test::readerCatalogue(), num(c[0]), c[1]); }},
        {"detect-file-type",
         [](const Cells& c) {
             const test::TempDir dir;
             return detectFileType(*test::readerCatalogue(), dir.file("x.txt", c[0]));
         }},
        // What a save drops of a file as read: the count and the dialogs' note.
        {"unwritten-lines",
         [](const Cells& c) {
             const test::TempDir dir;
             SettingsFileData data;
             data.fileName = dir.file("x.cfg", c[0]);
             validateSettingsFile(*test::readerCatalogue(), data, {});
             const int count = unwrittenLineCount(data);
             const std::string note = unwrittenLinesNote(count);
             return std::to_string(count) + (note.empty() ? "" : " " + note);
         }},
        // The generated catalogue: a setting's default, limits, type and length.
        {"catalogue-facts",
         [](const Cells& c) {
             const auto& cat = *testing::generatedCatalogue();
             const int n = cat.findSetting(c[0], c[1]);
             if (n == 0) return std::string("(no such setting)");
             const SettingDef& d = cat[n];
             return "[" + d.defaultValue + "] " + std::to_string(d.lowLimit) + ".." +
                    std::to_string(d.highLimit) + " " + d.valueType + " " +
                    std::to_string(d.maxLength);
         }},
        // Start-up: the command line, the preferences file and the small shared routines.
        {"split-command-line",
         [](const Cells& c) {
             const auto args = splitCommandLine("/opt/tavmir/tavmir", c[0]);
             return (args.at(0) == "/opt/tavmir/tavmir" ? "" : "?") + bracketed(args, 1);
         }},
        {"command-line-mode",
         [](const Cells& c) {
             const Cells args = c[0].empty() ? Cells{} : split(c[0], ' ');
             const auto r = interpretArguments(args, [](const std::string& p) {
                 return p == "a.cfg" || p == "b.set" ? PathKind::RegularFile
                        : p == "fifo" || p == "dir"  ? PathKind::NotRegular
                                                     : PathKind::Missing;
             });
             const char* modes[] = {"editor", "validate", "compare", "set",
                                    "fix",    "help",     "version", "refused"};
             const char* formats[] = {"", " format=gnu", " format=json"};
             return modes[static_cast<int>(r.mode)] + (" " + bracketed(r.commandFiles)) +
                    bracketed(r.operands) + (r.skipped.empty() ? "" : " skips ") +
                    bracketed(r.skipped) + r.error + formats[static_cast<int>(r.format)] +
                    (r.writeReports ? "" : " no-report") +
                    (r.assignments.empty() ? "" : " set " + bracketed(r.assignments)) +
                    (r.dryRun ? " dry-run" : "");
         }},
        {"printable-text", [](const Cells& c) { return printableText(c[0]); }},
        {"program-folders",
         [](const Cells& c) {
             const Cells files = split(c[0], ' '), writable = split(c[1], ' ');
             const Cells env = split(c[2], ' ');
             std::string created;
             FolderSystem fake;
             // The rules are the table's, whatever system runs it: RULES=windows in the
             // environment cell asks for the Windows ones.
             fake.rules = std::find(env.begin(), env.end(), "RULES=windows") != env.end()
                              ? FolderRules::Windows
                              : FolderRules::Xdg;
             auto in = [](const Cells& list, const std::filesystem::path& p) {
                 return std::find(list.begin(), list.end(), p.generic_string()) != list.end();
             };
             fake.isRegularFile = [&](const auto& p) { return in(files, p); };
             fake.isWritableFolder = [&](const auto& p) { return in(writable, p); };
             fake.environment = [&](const char* name) -> std::optional<std::string> {
                 for (const std::string& e : env)
                     if (e.starts_with(std::string(name) + "=")) return e.substr(e.find('=') + 1);
                 return std::nullopt;
             };
             fake.createFolder = [&](const std::filesystem::path& p) -> Status {
                 created += " " + p.generic_string();
                 if (p.generic_string() == c[3]) return failedWith("Permission denied");
                 return {};
             };
             const ProgramFolders f = locateProgramFolders("/p/bin", fake);
             // The notice names a folder the system's way ("\\" on Windows).
             std::string notice = f.notice;
             if (test::kWindows) std::replace(notice.begin(), notice.end(), '\\', '/');
             return f.catalogue.generic_string() + " | " + f.preferences.generic_string() +
                    " | created" + created + " | " + notice;
         }},
        {"preference-values",
         [](const Cells& c) {
             return std::to_string(interpretTextAlign(c[0])) + " " +
                    std::to_string(interpretMouseWheelSpeed(c[0])) + " " +
                    std::to_string(interpretDisableWindowMessage(c[0])) + " " +
                    interpretMessageTime(c[0]);
         }},
        {"message-time-check",
         [](const Cells& c) {
             const MessageTimeCheck r = checkMessageTime(c[0], yes(c[1]));
             return r ? "applies " + *r : r.error();
         }},
        {"profile-find",
         [](const Cells& c) { return findProfileValue(c[0], c[1], c[2]).value_or("(none)"); }},
        {"profile-set",
         [](const Cells& c) {
             return setProfileValue(c[0], c[1], c[2], c[3]).value_or("(refused)");
         }},
        {"key-filters",
         [](const Cells& c) {
             const auto code = static_cast<char16_t>(num(c[0]));
             return std::to_string(numericKeyFilter(code)) + " " +
                    std::to_string(textKeyFilter(code));
         }},
        {"elapsed-time", [](const Cells& c) { return formatElapsedTime(num(c[0]), c[1]); }},
        {"pad-text",
         [](const Cells& c) {
             return "[" +
                    (c.size() == 3 ? padText(c[0], num(c[1]), num(c[2]))
                                   : padText(c[0], num(c[1]), num(c[2]), c[3])) +
                    "]";
         }},
        {"split-selection", [](const Cells& c) { return bracketed(splitFileSelection(c[0])); }},
        {"resolution-message",
         [](const Cells& c) { return resolutionMessage(num(c[0]), num(c[1])); }},
        {"recent-caption", [](const Cells& c) { return recentMenuCaption(num(c[0]), c[1]); }},
        {"history-caption", [](const Cells& c) { return historyCaption(c[0], c[1]); }},
        {"window-menu-caption", [](const Cells& c) { return windowMenuCaption(num(c[0]), c[1]); }},
        {"same-path", [](const Cells& c) { return yes(samePath(inFolder(c[0]), inFolder(c[1]))); }},
        {"log-report-form",
         [](const Cells& c) {
             return std::string(logReportForm(c[0], num(c[1])) == LogReportForm::Rtf ? "rtf"
                                                                                     : "text");
         }},
        // The editor: averages, pages, fields, the load log and the save checks.
        {"row-average",
         [](const Cells& c) {
             FieldTexts f;
             for (int s = 0; s < kShipCount; ++s)
                 f[shipTable(3, s)] = c[static_cast<std::size_t>(s)];
             recalculateRow(f, 3);
             const std::string& avg = f[shipTable(3, kAverageColumn)];
             return avg + " | " + averageAnnotation(f[shipTable(3, 0)], avg) + "| " +
                    averageAnnotation(f[shipTable(3, 7)], avg);
         }},
        {"average-annotation", [](const Cells& c) { return averageAnnotation(c[0], c[1]); }},
        {"page-for-item",
         [](const Cells& c) {
             const auto page = pageForItem(*documenttest::testCatalogue(), num(c[0]));
             return page ? std::to_string(*page) : std::string("none");
         }},
        {"page-keys",
         [](const Cells& c) {
             return std::to_string(pageUp(num(c[0]))) + " " + std::to_string(pageDown(num(c[0])));
         }},
        {"place-cell",
         [](const Cells& c) {
             const FieldPlacement p = placeCell(num(c[0]), num(c[1]));
             return std::to_string(p.label.x) + "," + std::to_string(p.label.y) + " " +
                    std::to_string(p.field.x) + "," + std::to_string(p.field.y) + " indent " +
                    std::to_string(labelTextIndent(p));
         }},
        {"field-key",
         [](const Cells& c) {
             return std::to_string(
                 filterFieldKey(*documenttest::testCatalogue(), item(c[0]), num(c[1]), num(c[2])));
         }},
        {"field-commands",
         [](const Cells& c) {
             const auto& cat = *documenttest::testCatalogue();
             const int i = item(c[0]);
             const EditCommands e = editCommandsFor(cat, i);
             const FieldCommand d = doubleClickCommand(cat, i);
             return std::string(e.editSettingForAllShips ? "all-ships " : "") +
                    (e.editAlphanumericSetting ? "alphanumeric " : "") + "| double-click " +
                    (d == FieldCommand::None                     ? "none"
                     : d == FieldCommand::EditSettingForAllShips ? "all-ships"
                                                                 : "alphanumeric") +
                    " | ship " + std::to_string(shipOfItem(cat, i)) + " row " +
                    std::to_string(shipRowOfItem(cat, i));
         }},
        {"focus-remark",
         [](const Cells& c) {
             auto doc = documentOnPage(num(c[0]), c[2]);
             if (c.size() > 4) DocumentTestAccess::fields(*doc)[item(c[3])] = c[4];
             return doc->focusField(item(c[1])) ? doc->remark() : std::string("(no focus)");
         }},
        {"trim-load-log",
         [](const Cells& c) {
             StyledLog log;
             log.append(c[0], 0, kBlack, false);
             trimLoadLog(log);
             return log.plainText();
         }},
        {"save-checks",
         [](const Cells& c) {
             FieldTexts doc = test::validDocument();
             for (const std::string& edit : split(c[0], ';')) {
                 const std::size_t eq = edit.find('=');
                 doc[item(edit.substr(0, eq))] = edit.substr(eq + 1);
             }
             const auto failure = checkBeforeSave(*test::saveCatalogue(), doc);
             return failure ? std::to_string(failure->setting) + " page " +
                                  std::to_string(failure->page) + " " + failure->message
                            : std::string("passes");
         }},
        {"problems", [](const Cells& c) { return problemsAfter(c[0], c[1]); }},
        // The Edit menu's rules.
        {"edit-all-averages",
         [](const Cells& c) {
             EditAllShipsSession s(*testing::madeUpCatalogue(), 1);
             for (int k = 0; k < 8; ++k) s.editShipBox(k, c[static_cast<std::size_t>(k)]);
             std::string out = s.boxText(kEditAllAverageBox) + " |";
             for (int k = 0; k < 8; ++k) out += " " + s.percentText(k);
             return out;
         }},
        {"cut-write", [](const Cells& c) { return test::runCutWriteScript(c[0]); }},
        {"door-input", [](const Cells& c) { return test::runDoorCase(c[0], c[1]); }},
        {"line-writer", [](const Cells& c) { return linesAfter(c[0], c[1]); }},
        {"set-values", [](const Cells& c) { return test::runSetValuesScript(c[0], c[1]); }},
        {"keep-lines-save",
         [](const Cells& c) { return test::runKeepLinesSave(c[0], c[1], c[2]); }},
        {"unified-diff", [](const Cells& c) { return unifiedDiff("f", c[0], c[1]); }},
        {"save-run", [](const Cells& c) { return test::runSaveRunScript(c[0], c[1], c[2]); }},
        {"recovery-journal",
         [](const Cells& c) { return test::runRecoveryJournalCase(c[0], c[1], c[2]); }},
        {"left-journals", [](const Cells& c) { return test::runLeftJournalsCase(c[0]); }},
        {"last-session", [](const Cells& c) { return test::runLastSessionCase(c[0]); }},
        {"write-failure-message",
         [](const Cells& c) {
             static const std::map<std::string, WriteStage> kStages = {
                 {"open", WriteStage::Open},
                 {"write", WriteStage::Write},
                 {"close", WriteStage::Close},
                 {"restore", WriteStage::Restore}};
             return writeFailureMessage({kStages.at(c[0]), c[1], c[2]}, "/z/a.set");
         }},
        {"copy-refusals",
         [](const Cells& c) {
             const auto r = checkCopySelection(num(c[0]), marks<8>(c[1], 1),
                                               marks<kSettingGroupCount>(c[2], 0));
             return r.refused() ? r.message + " | " + focusName(r.focus) : std::string("accepted");
         }},
        {"swap-refusals",
         [](const Cells& c) {
             const auto r =
                 checkSwapSelection(num(c[0]), num(c[1]), marks<kSettingGroupCount>(c[2], 0));
             return r.refused() ? r.message + " | " + focusName(r.focus) : std::string("accepted");
         }},
        {"find-refusals",
         [](const Cells& c) {
             SearchState search{"old", false, true, false};
             const auto r = acceptFindDialog(c[0], c[1].find('s') != std::string::npos,
                                             c[1].find('k') != std::string::npos,
                                             c[1].find('r') != std::string::npos, search);
             return r.refused() ? r.message + " | " +
                                      (r.focus == FindDialogControl::KeyBox ? "chName" : "tFind") +
                                      " | " + search.findText
                                : "[" + search.findText + "] " + yes(search.searchSection) + " " +
                                      yes(search.searchKey) + " " + yes(search.searchRemark);
         }},
        {"find-setting",
         [](const Cells& c) {
             const SearchState s{c[0], c[1].find('s') != std::string::npos,
                                 c[1].find('k') != std::string::npos,
                                 c[1].find('r') != std::string::npos};
             if (c[2] == "-") {
                 const FindResult r = findSetting(*testing::madeUpCatalogue(), s);
                 return std::to_string(r.item) + (r.message.empty() ? "" : " " + r.message);
             }
             const Cells f = split(c[2], ',');
             return std::to_string(findNextSetting(*testing::madeUpCatalogue(), s,
                                                   {yes(f[0]), num(f[1]), num(f[2])}));
         }},
        {"disk-change", [](const Cells& c) { return diskChangeAfter(c[0]); }},
        {"original-backup", [](const Cells& c) { return backupAfter(c[0]); }},
        {"edit-history", [](const Cells& c) { return historyAfter(c[0], c[1]); }},
        {"clipboard-import",
         [](const Cells& c) {
             const ImportParse p = parseImportText(*testing::madeUpCatalogue(), c[0]);
             std::string out;
             for (const auto& r : p.records)
                 out +=
                     std::to_string(r.item) + "=[" + r.value + "]" + (r.selected ? "!" : "") + " ";
             return out + "| " + p.message;
         }},
    };
    return all;
}

class Table : public ::testing::TestWithParam<std::string> {};

// Tables about POSIX files only (permission bits, FIFOs, size limits in every case).
bool isPosixOnlyTable(const std::string& name) { return name == "atomic-save"; }

TEST_P(Table, EveryCaseGivesItsExpectedResult) {
    if (test::kWindows && isPosixOnlyTable(GetParam())) GTEST_SKIP() << "POSIX files only";
    const std::filesystem::path path =
        std::filesystem::path(TAVMIR_TEST_DATA) / "tables" / (GetParam() + ".tsv");
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << path;
    const Adapter& adapter = adapters().at(GetParam());
    const bool regenerate = std::getenv("TAVMIR_REGENERATE") != nullptr;
    std::string rewritten;
    int lineNo = 0, cases = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (line.empty() || line[0] == '#') {
            rewritten += line + "\n";
            continue;
        }
        Cells cells = split(line, '\t');
        std::string mark;
        if (!cells.empty() && (cells[0] == "@posix" || cells[0] == "@windows")) {
            mark = cells[0] + "\t";
            cells.erase(cells.begin());
            if ((mark == "@windows\t") != test::kWindows) {
                rewritten += line + "\n";
                continue;
            }
        }
        ASSERT_GE(cells.size(), 2u) << path.filename() << ":" << lineNo;
        const std::string expected = unescape(cells.back());
        cells.pop_back();
        Cells inputs;
        for (const std::string& cell : cells) inputs.push_back(unescape(cell));
        const std::string actual = adapter(inputs);
        if (!regenerate) {
            EXPECT_EQ(escape(actual), escape(expected))
                << path.filename().string() << ":" << lineNo;
        }
        rewritten += mark;
        for (const std::string& cell : cells) rewritten += cell + "\t";
        rewritten += escape(actual) + "\n";
        ++cases;
    }
    EXPECT_GT(cases, 0);
    if (regenerate) std::ofstream(path, std::ios::binary | std::ios::trunc) << rewritten;
}

std::vector<std::string> tableNames() {
    std::vector<std::string> names;
    for (const auto& [name, adapter] : adapters()) names.push_back(name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Rules, Table, ::testing::ValuesIn(tableNames()), [](const auto& info) {
    std::string name = info.param;
    for (char& ch : name)
        if (ch == '-') ch = '_';
    return name;
});

// Every table file has its adapter, so no file of cases lies unread.
TEST(Tables, EveryFileHasAnAdapter) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TAVMIR_TEST_DATA) / "tables"))
        if (entry.path().extension() == ".tsv") {
            EXPECT_EQ(adapters().count(entry.path().stem().string()), 1u) << entry.path();
        }
}

}  // namespace
}  // namespace tavmir
