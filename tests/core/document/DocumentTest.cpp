#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "core/document/DocumentTestSupport.h"
#include "document/DiskWatch.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using namespace documenttest;

const std::string kPath = "/zone/arena.cfg";

// A load-error dialog that records what it was asked and answers as scripted.
struct ScriptedDialog {
    explicit ScriptedDialog(std::vector<LoadErrorAnswer> a) : answers(std::move(a)) {}
    std::vector<LoadErrorAnswer> answers;
    std::vector<LoadErrorRequest> asked;
    std::vector<std::string> logs;

    LoadErrorDialog callback() {
        return [this](const LoadErrorRequest& request) {
            asked.push_back(request);
            logs.push_back(request.log ? request.log->plainText() : std::string{});
            return answers.at(asked.size() - 1);
        };
    }
};

LoadErrorDialog noDialog() {
    return [](const LoadErrorRequest&) {
        ADD_FAILURE() << "the load-error dialog was shown";
        return LoadErrorAnswer{};
    };
}

FakeFile fileMissing(int setting, int errors = 1) {
    FakeFile file = completeFile();
    file.values.erase(setting);
    file.errors = errors;
    return file;
}

std::unique_ptr<EditorDocument> newDocument() {
    auto doc = std::make_unique<EditorDocument>(testCatalogue());
    doc->setFilePath(kPath);
    return doc;
}

TEST(Document, OpensACompleteValidFileWithoutAsking) {
    auto doc = newDocument();
    OpenRunFlags flags;
    const OpenOutcome outcome = doc->openFile(kPath, fakeReader(completeFile()), flags, noDialog());
    EXPECT_TRUE(outcome.loaded() && outcome.message.empty());
    EXPECT_FALSE(doc->modified() || doc->hasLoadErrors() || doc->loading());
    EXPECT_EQ(doc->caption(), kPath);
    EXPECT_EQ(doc->fileType(), "CFG");
    EXPECT_EQ(doc->text(1) + doc->text(962), "11");  // averages computed
    EXPECT_EQ(doc->tooltip(shipTable(2, 3)),
              "(+0%  Avg:1) Setting " + std::to_string(shipTable(2, 3)));
    EXPECT_EQ(doc->loadLog().plainText(),
              kPath + "\r\nFile type: CFG\r\nErrors: 0\r\nWarnings: 0\r\n\r\n");
    EXPECT_TRUE(doc->fileRecord().found[961]);
    // The last field of the Average Ship page has its limits and description too.
    EXPECT_EQ(doc->tooltip(kFieldCount), "Setting 463");
    EXPECT_EQ(newDocument()->tooltip(kFieldCount), "Setting 463");
}

TEST(Document, FillsAMissingSettingAsTheUserChose) {
    struct Row {
        MissingChoice choice;
        std::string decision;
        std::string value;
    };
    const Row rows[] = {
        {MissingChoice::Default, "D", "Hello"},  // the default, cut to the field's 5 characters
        {MissingChoice::Blank, "B", ""},
    };
    for (const Row& r : rows) {
        auto doc = newDocument();
        ScriptedDialog dialog{{{LoadErrorButton::ContinueOpen, r.choice}}};
        OpenRunFlags flags;
        EXPECT_TRUE(doc->openFile(kPath, fakeReader(fileMissing(kText)), flags, dialog.callback())
                        .loaded());
        ASSERT_EQ(dialog.asked.size(), 1u);
        EXPECT_TRUE(dialog.asked[0].showMissingChoice);
        EXPECT_EQ(loadDecisionLetter(flags.loadDecision), r.decision);
        EXPECT_EQ(doc->text(kText), r.value);
        EXPECT_EQ(doc->text(1), "1");
        EXPECT_TRUE(doc->modified());
        EXPECT_EQ(doc->caption(), kPath + " *");
    }
}

TEST(Document, ContinueAllReusesTheDecisionForLaterFiles) {
    OpenRunFlags flags;
    flags.moreFilesFollow = true;
    ScriptedDialog dialog{{{LoadErrorButton::ContinueAll, MissingChoice::Blank}}};
    FakeFile allThereWithErrors = completeFile();
    allThereWithErrors.errors = 2;

    auto first = newDocument();
    EXPECT_TRUE(
        first->openFile(kPath, fakeReader(allThereWithErrors), flags, dialog.callback()).loaded());
    ASSERT_EQ(dialog.asked.size(), 1u);
    // More files follow: all four buttons and the missing-settings choice are offered.
    EXPECT_TRUE(dialog.asked[0].showAllButtons);
    EXPECT_TRUE(dialog.asked[0].showMissingChoice);
    EXPECT_TRUE(flags.continueAll);
    EXPECT_EQ(flags.loadDecision, LoadDecision::Blank);

    flags.moreFilesFollow = false;
    auto second = newDocument();
    EXPECT_TRUE(second->openFile(kPath, fakeReader(fileMissing(1)), flags, noDialog()).loaded());
    EXPECT_EQ(second->text(1), "");
    EXPECT_TRUE(second->hasLoadErrors());
    EXPECT_TRUE(second->modified());
}

TEST(Document, RefusesTheFileTheUserCancels) {
    struct Row {
        LoadErrorButton button;
        bool cancelAll;
    };
    const Row rows[] = {{LoadErrorButton::CancelOpen, false},
                        {LoadErrorButton::CancelAll, true},
                        {LoadErrorButton::Closed, false}};
    for (const Row& r : rows) {
        auto doc = newDocument();
        ScriptedDialog dialog{{{r.button, MissingChoice::Default}}};
        OpenRunFlags flags;
        flags.moreFilesFollow = true;
        const OpenOutcome outcome =
            doc->openFile(kPath, fakeReader(fileMissing(5)), flags, dialog.callback());
        EXPECT_EQ(outcome.result, OpenResult::Refused);
        EXPECT_EQ(outcome.message + "|" + std::string(loadDecisionLetter(flags.loadDecision)),
                  "|C");
        EXPECT_EQ(flags.cancelAll, r.cancelAll);
        EXPECT_EQ(doc->text(1) + doc->fileType(), "");
    }
}

TEST(Document, RefusesAFileThatIsNotASettingsFile) {
    struct Row {
        std::string fileType;
        ReadStatus status;
    };
    // Unknown form; unreadable or empty after an earlier read left its type; cut off mid-read.
    const Row rows[] = {{"", ReadStatus::UnknownForm},
                        {"", ReadStatus::ReadFailed},
                        {"CFG", ReadStatus::Empty},
                        {"SET", ReadStatus::ReadFailed},
                        {"XYZ", ReadStatus::Read}};
    for (const Row& r : rows) {
        auto doc = newDocument();
        FakeFile file = completeFile();
        file.fileType = r.fileType;
        file.status = r.status;
        OpenRunFlags flags;
        const OpenOutcome outcome = doc->openFile(kPath, fakeReader(file), flags, noDialog());
        EXPECT_EQ(outcome.result, OpenResult::Refused);
        EXPECT_EQ(outcome.message,
                  "File is not in CFG or SET format:\r\n/zone/arena.cfg\r\n\r\nOpen cancelled");
        EXPECT_EQ(doc->text(1), "");
    }
}

TEST(Document, CutsAValueLongerThanItsFieldAndMarksTheDocumentModified) {
    auto doc = newDocument();
    FakeFile file = completeFile();
    file.values[kText] = "Hello, world";
    OpenRunFlags flags;
    EXPECT_TRUE(doc->openFile(kPath, fakeReader(file), flags, noDialog()).loaded());
    EXPECT_EQ(doc->text(kText), "Hello");
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->fileRecord().values[kText], "Hello, world");
}

TEST(Document, ARefusedReloadKeepsTheValuesAndTheModifiedMark) {
    auto doc = newDocument();
    OpenRunFlags flags;
    FakeFile original = completeFile();
    original.warnings = 1;
    ScriptedDialog dialog{{{LoadErrorButton::ContinueOpen, MissingChoice::Default},
                           {LoadErrorButton::CancelOpen, MissingChoice::Default}}};
    flags.loadDecision = LoadDecision::Blank;  // left by an earlier run
    // Warnings alone ask too; every setting is there, so no missing-settings choice.
    ASSERT_TRUE(doc->openFile(kPath, fakeReader(original), flags, dialog.callback()).loaded());
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].path, kPath);
    EXPECT_FALSE(dialog.asked[0].showMissingChoice || dialog.asked[0].showAllButtons);
    EXPECT_EQ(dialog.logs[0].rfind(kPath, 0), 0u);  // the dialog gets the trimmed log
    EXPECT_EQ(flags.loadDecision, LoadDecision::Open);
    EXPECT_FALSE(doc->modified());
    doc->showPage(4);
    doc->editField(287, "42");
    const std::string log = doc->loadLog().plainText();

    // Cancelled in the dialog, then refused as unreadable: nothing of the edit is lost.
    FakeFile changed = fileMissing(287);
    changed.values[1] = "9";
    EXPECT_EQ(doc->openFile(kPath, fakeReader(changed), flags, dialog.callback()).result,
              OpenResult::Refused);
    FakeFile unreadable;
    unreadable.status = ReadStatus::ReadFailed;
    EXPECT_EQ(doc->openFile(kPath, fakeReader(unreadable), flags, noDialog()).result,
              OpenResult::Refused);

    EXPECT_EQ(doc->text(287) + doc->text(1), "421");
    EXPECT_TRUE(doc->modified() && doc->hasLoadErrors());
    EXPECT_EQ(doc->loadLog().plainText(), log);
    EXPECT_EQ(doc->currentPage(), 4);

    // An accepted reload replaces the values, clears the mark and keeps the page shown.
    EXPECT_TRUE(doc->openFile(kPath, fakeReader(completeFile()), flags, noDialog()).loaded());
    EXPECT_EQ(doc->text(287), "1");
    EXPECT_FALSE(doc->modified() || doc->hasLoadErrors());
    EXPECT_EQ(doc->currentPage(), 4);
}

}  // namespace
}  // namespace tavmir
