#include <gtest/gtest.h>

#include <filesystem>

#include "SaveTestSupport.h"
#include "document/SaveChecks.h"
#include "document/SaveFile.h"

namespace tavmir {
namespace {

using test::TempDir;

// The bytes a save of the document must write, as the writer's golden files hold them.
std::string writtenBytes(const char* name) {
    return test::readAll(std::filesystem::path(TAVMIR_TEST_DATA) / "writer" / name);
}

struct Edit {
    int setting;
    std::string text;
};

struct CheckRow {
    std::vector<Edit> edits;
    int setting;  // 0: the document passes
    std::string message;
    int page;
};

TEST(SaveFile, ReplacesTheFileAndClearsTheModifiedMark) {
    const auto c = test::saveCatalogue();
    TempDir dir;
    SaveState state{dir.file("arena.cfg", "old"), "CFG", true};
    const SaveOutcome out = saveFile(*c, test::validDocument(), state);
    EXPECT_TRUE(out.ok());
    EXPECT_EQ(out.errorMessage, "");
    EXPECT_EQ(out.caption + "|" + out.savedPath, state.filePath + "|" + state.filePath);
    EXPECT_FALSE(out.addToRecentFiles || state.modified);
    EXPECT_EQ(test::readAll(state.filePath), writtenBytes("valid.cfg"));
    EXPECT_EQ(dir.entryCount(), 1);
    EXPECT_EQ(diskChange(out.written, identifyFile(state.filePath)), DiskChange::None);

    state.fileType = "SET";
    EXPECT_TRUE(saveFile(*c, test::validDocument(), state).ok());
    EXPECT_EQ(test::readAll(state.filePath), writtenBytes("valid.set"));
}

TEST(SaveFile, AFailedCheckWritesNothingAndKeepsTheMark) {
    const auto c = test::saveCatalogue();
    TempDir dir;
    SaveState state{dir.file("arena.cfg", "old"), "CFG", true};
    FieldTexts doc = test::validDocument();
    doc[1] = "25";
    const SaveOutcome out = saveFile(*c, doc, state);
    EXPECT_EQ(out.result, SaveResult::WrongValue);
    EXPECT_EQ(out.errorMessage, "Wrong value for Gen:G1\r\n\r\nMax value is 20");
    EXPECT_EQ(std::tie(out.page, out.focusSetting), std::make_tuple(1, 1));
    EXPECT_EQ(out.caption, state.filePath + " *");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(test::readAll(state.filePath), "old");
}

TEST(SaveFile, ReportsUnwritableTargetsAndLeavesEverythingAsItWas) {
    const auto c = test::saveCatalogue();
    TempDir dir;
    const std::string regular = dir.file("plain", "keep");
    const std::string vanished = dir.path("gone");
    std::filesystem::create_directory(vanished);
    std::filesystem::create_directory(dir.path("folder.cfg"));
    std::filesystem::remove(vanished);
    struct Row {
        std::string path, heading, reason;
    };
    const std::vector<Row> rows = {
        {regular + "/arena.cfg", "Error opening file: ", "Not a directory"},
        {dir.path("missing/arena.cfg"), "Error opening file: ", "No such file or directory"},
        {vanished + "/arena.cfg", "Error opening file: ", "No such file or directory"},
        {"", "Error opening file: ", "No such file or directory"},
        // A folder cannot be opened for writing: refused before anything is written.
        {dir.path("folder.cfg"), "Error opening file: ", "Is a directory"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        SaveState state{row.path, "CFG", true};
        const SaveOutcome out = saveFile(*c, test::validDocument(), state);
        EXPECT_EQ(out.result, SaveResult::WriteFailed);
        EXPECT_EQ(out.reason, row.reason);
        EXPECT_EQ(out.errorMessage, row.heading + row.path + "\r\n\r\n" + row.reason);
        EXPECT_EQ(out.caption + out.savedPath, row.path + " *");
        EXPECT_TRUE(state.modified);
    }
    EXPECT_EQ(test::readAll(regular), "keep");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("folder.cfg")));
    EXPECT_EQ(dir.entryCount(), 2);  // no temporary file stayed behind
}

TEST(SaveFile, SaveAsWritesTheChosenFormAndSwitchesTheEditorOnSuccess) {
    const auto c = test::saveCatalogue();
    TempDir dir;
    const std::string original = dir.file("arena.cfg", "old");
    SaveState state{original, "CFG", true};

    // A failed write keeps the path and mark but not the form chosen in the dialog.
    const std::string blocked = original + "/x.set";
    SaveOutcome out = saveFileAs(*c, test::validDocument(), state, blocked, 2);
    EXPECT_EQ(out.result, SaveResult::WriteFailed);
    EXPECT_EQ(out.reason, "Not a directory");
    EXPECT_FALSE(out.addToRecentFiles);
    EXPECT_EQ(state.fileType, "SET");
    EXPECT_EQ(state.filePath, original);
    EXPECT_EQ(out.caption, original + " *");

    const std::string converted = dir.path("arena.set");
    out = saveFileAs(*c, test::validDocument(), state, converted, 2);
    EXPECT_TRUE(out.ok() && out.addToRecentFiles && out.pathChanged && !state.modified);
    EXPECT_EQ(std::tie(out.caption, out.savedPath, state.filePath),
              std::tie(converted, converted, converted));
    EXPECT_EQ(test::readAll(converted), writtenBytes("valid.set"));
    EXPECT_EQ(test::readAll(original), "old");

    // The same file under another spelling: the form changes, the file is the same.
    const std::string respelled = dir.path("./arena.set");
    out = saveFileAs(*c, test::validDocument(), state, respelled, 1);
    EXPECT_TRUE(out.ok());
    EXPECT_FALSE(out.pathChanged);
    EXPECT_EQ(state.fileType, "CFG");
    EXPECT_EQ(test::readAll(converted), writtenBytes("valid.cfg"));
}

}  // namespace
}  // namespace tavmir
