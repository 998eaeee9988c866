#include "mainwindow/MainModule.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

std::string nameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

struct FakeEditor : EditorWindow {
    std::string filePath() const override { return path; }
    bool modified() const override { return isModified; }
    std::string openFile(const std::string&) override { return ++loads, openResult; }
    std::string saveFile() override { return ++saves, saveResult; }

    std::string path, openResult, saveResult;
    bool isModified = false;
    int loads = 0, saves = 0;
};

// Records each request as a line naming files by their names, and answers from scripts.
struct FakeUi : MainWindowUi {
    std::optional<OpenDialogChoice> chooseFilesToOpen(const OpenDialogStart& s) override {
        return log.push_back("dialog " + s.startPath + " " + std::to_string(s.filterIndex)), dialogAnswer;
    }
    EditorWindow* createEditor(int slot, const std::string& path) override {
        log.push_back("create " + std::to_string(slot) + " " + nameOf(path) +
                      (module->openRun().moreFilesFollow ? " more" : "") +
                      (module->menuState().mEdit ? " menus" : ""));
        auto& e = editors[nameOf(path)] = std::make_unique<FakeEditor>();
        e->path = path;
        if (refused.count(nameOf(path)) != 0) e->openResult = "cancel open";
        if (cancelAllOn.count(nameOf(path)) != 0) module->openRun().cancelAll = true;
        return e.get();
    }
    void showEditor(EditorWindow&) override {}
    void activateEditor(EditorWindow& e) override { log.push_back("activate " + nameOf(e.filePath())); }
    void focusEditor(EditorWindow& e) override { log.push_back("focus " + nameOf(e.filePath())); }
    void discardEditor(EditorWindow& e) override { log.push_back("discard " + nameOf(e.filePath())); }
    void setBusyPointer(bool) override {}
    void showMessage(MessageIcon icon, std::string_view text) override {
        log.push_back((icon == MessageIcon::Critical ? "critical " : "info ") + std::string(text));
    }
    bool askYesNo(std::string_view text) override { return log.push_back("ask " + std::string(text)), reloadAnswer; }
    CloseAnswer askToSave(const std::string& path, bool allAnswers) override {
        log.push_back("prompt" + std::to_string(allAnswers ? 5 : 3) + " " + nameOf(path));
        const CloseAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }

    MainModule* module = nullptr;
    Lines log;
    std::map<std::string, std::unique_ptr<FakeEditor>> editors;  // by file name
    std::optional<OpenDialogChoice> dialogAnswer;
    std::set<std::string> refused, cancelAllOn;
    bool reloadAnswer = false;
    std::deque<CloseAnswer> saveAnswers;
};

struct Fixture {
    Fixture() : module(dir.path()) { ui.module = &module; }
    // Full paths of f<from>.cfg .. f<from+count-1>.cfg in the test's folder.
    std::vector<std::string> files(int count, int from = 1) const {
        std::vector<std::string> p;
        for (int i = from; i < from + count; ++i) p.push_back(dir.path("f" + std::to_string(i) + ".cfg"));
        return p;
    }
    std::vector<int> openSlots() const {
        std::vector<int> slots;
        for (int s = 1; s <= module.registry().slotCount(); ++s)
            if (module.registry().slotInUse(s)) slots.push_back(s);
        return slots;
    }
    TempDir dir;
    MainModule module;
    FakeUi ui;
};

const std::string kMaxOpen = "Maximum number of open editors is 8\r\n\r\n";

TEST(Open1, RefusesTheNinthEditorWithTheExactMessage) {
    Fixture fx;
    for (const std::string& f : fx.files(8)) ASSERT_EQ(fx.module.open1(f, fx.ui), "");
    EXPECT_EQ(fx.module.open1(fx.dir.path("f9.cfg"), fx.ui), "max is 8 editors");
    EXPECT_EQ(fx.ui.log.back(), "critical " + kMaxOpen + "Open cancelled");
    EXPECT_EQ(fx.module.registry().openEditorCount(), 8);
    EXPECT_EQ(fx.module.registry().slotCount(), 8);
    EXPECT_EQ(fx.module.registry().activeEditor(), 8);

    // The Open command refuses before showing its dialog.
    fx.ui.log.clear();
    fx.module.openCommand(fx.ui);
    EXPECT_EQ(fx.ui.log, Lines{"info " + kMaxOpen +
                               "If you want to open another file you must close an editor before"});
}

TEST(Open1, FindsAnOpenFileUnderAnotherSpellingAndOffersToReload) {
    struct Row {
        std::string request;  // inside the test's folder
        bool reload;
        int loadsOfFirst;  // 0: not found, a third editor opens
    };
    const Row rows[] = {{"f1.cfg", false, 1}, {"sub/../f1.cfg", true, 2}, {"F1.cfg", true, 0}};
    for (const Row& row : rows) {
        Fixture fx;
        for (const std::string& f : fx.files(2)) ASSERT_EQ(fx.module.open1(f, fx.ui), "");
        fx.ui.reloadAnswer = row.reload;
        fx.ui.log.clear();
        const std::string request = fx.dir.path(row.request);
        EXPECT_EQ(fx.module.open1(request, fx.ui), "");
        if (row.loadsOfFirst == 0) {
            EXPECT_EQ(fx.ui.log, Lines{"create 3 F1.cfg menus"});
            continue;
        }
        EXPECT_EQ(fx.ui.log,
                  (Lines{"ask " + request + " is already being edited\r\n\r\nDo you want to reload it?",
                         "activate f1.cfg"}));
        EXPECT_EQ(fx.ui.editors["f1.cfg"]->loads, row.loadsOfFirst);
        EXPECT_EQ(fx.module.registry().openEditorCount(), 2);
        EXPECT_EQ(fx.module.registry().activeEditor(), 1);
    }
}

TEST(OpenCommand, OpensTheSelectionUntilTheLimitOrCancelAllAndSkipsRefusedFiles) {
    struct Row {
        int alreadyOpen;  // f101.cfg ...
        int selected;     // f1.cfg ...
        std::set<std::string> refused, cancelAllOn;
        Lines log;
        std::vector<int> openAfter;
        std::string nextStart;  // file name, or "" for the selection's folder
    };
    const std::string cancelled = "critical " + kMaxOpen + "Open cancelled";
    const Row rows[] = {
        {6, 3, {}, {}, {"create 7 f1.cfg more menus", "create 8 f2.cfg more menus", cancelled},
         {1, 2, 3, 4, 5, 6, 7, 8}, "f2.cfg"},
        {0, 3, {"f2.cfg"}, {},
         {"create 1 f1.cfg more", "create 2 f2.cfg more menus", "discard f2.cfg", "create 3 f3.cfg menus"},
         {1, 3}, "f3.cfg"},
        {0, 3, {"f2.cfg"}, {"f2.cfg"}, {"create 1 f1.cfg more", "create 2 f2.cfg more menus", "discard f2.cfg"},
         {1}, "f1.cfg"},
        {0, 2, {"f1.cfg", "f2.cfg"}, {},
         {"create 1 f1.cfg more", "discard f1.cfg", "create 2 f2.cfg", "discard f2.cfg"}, {}, ""},
    };
    for (const Row& row : rows) {
        Fixture fx;
        for (const std::string& f : fx.files(row.alreadyOpen, 101))
            ASSERT_EQ(fx.module.open1(f, fx.ui), "");
        fx.ui.refused = row.refused;
        fx.ui.cancelAllOn = row.cancelAllOn;
        fx.ui.dialogAnswer = OpenDialogChoice{fx.files(row.selected), 3};
        fx.ui.log.clear();
        fx.module.openCommand(fx.ui);

        Lines expected{"dialog  1"};
        expected.insert(expected.end(), row.log.begin(), row.log.end());
        EXPECT_EQ(fx.ui.log, expected);
        EXPECT_EQ(fx.openSlots(), row.openAfter);
        EXPECT_EQ(fx.module.menuState().mSavefile, !row.openAfter.empty());
        const OpenDialogStart next = fx.module.openDialog().start();
        EXPECT_EQ(next.startPath, row.nextStart.empty() ? fx.dir.path().string() : fx.dir.path(row.nextStart));
        EXPECT_EQ(next.filterIndex, 3);
    }
}

TEST(OpenCommand, ACancelledDialogChangesNothing) {
    Fixture fx;
    fx.ui.dialogAnswer = OpenDialogChoice{fx.files(1), 9};  // an unknown entry counts as the first
    fx.module.openCommand(fx.ui);
    fx.ui.dialogAnswer.reset();
    fx.module.openCommand(fx.ui);
    fx.module.openCommand(fx.ui);
    EXPECT_EQ(fx.ui.log.back(), "dialog " + fx.dir.path("f1.cfg") + " 1");
    EXPECT_EQ(fx.module.registry().openEditorCount(), 1);
}

TEST(CloseAll, FollowsThePromptAnswersAndStopsAtCancelOrAFailedSave) {
    using A = CloseAnswer;
    struct Row {
        const char* name;
        std::vector<bool> modified;  // one editor per entry, slots 1..n
        std::deque<CloseAnswer> answers;
        int failingSave;  // slot whose save fails, 0 for none
        Lines prompts;
        std::vector<int> saves;
        std::vector<int> openAfter;
    };
    const Row rows[] = {
        {"yes to all saves every file after one prompt", {true, true, true}, {A::YesToAll}, 0,
         {"prompt5 f1.cfg"}, {1, 1, 1}, {}},
        {"no to all closes every file unsaved", {true, true}, {A::NoToAll}, 0, {"prompt5 f1.cfg"}, {0, 0}, {}},
        {"cancel on the second keeps it and the third", {true, true, true}, {A::No, A::Cancel}, 0,
         {"prompt5 f1.cfg", "prompt5 f2.cfg", "focus f2.cfg"}, {0, 0, 0}, {2, 3}},
        {"a dismissed prompt counts as cancel", {true, true}, {A::None}, 0, {"prompt5 f1.cfg", "focus f1.cfg"},
         {0, 0}, {1, 2}},
        {"a failed save stops the run", {true, true, true}, {A::YesToAll}, 2, {"prompt5 f1.cfg"}, {1, 1, 0}, {2, 3}},
        {"unmodified editors go without a prompt", {false, true, false}, {A::Yes}, 0, {"prompt5 f2.cfg"},
         {0, 1, 0}, {}},
        {"the last editor is offered three buttons", {true, true}, {A::No, A::Yes}, 0,
         {"prompt5 f1.cfg", "prompt3 f2.cfg"}, {0, 1}, {}},
    };
    for (const Row& row : rows) {
        Fixture fx;
        const auto files = fx.files(static_cast<int>(row.modified.size()));
        for (std::size_t i = 0; i < files.size(); ++i) {
            ASSERT_EQ(fx.module.open1(files[i], fx.ui), "");
            FakeEditor& e = *fx.ui.editors[nameOf(files[i])];
            e.isModified = row.modified[i];
            if (static_cast<int>(i) + 1 == row.failingSave) e.saveResult = "Wrong value";
        }
        fx.ui.saveAnswers = row.answers;
        fx.ui.log.clear();
        EXPECT_EQ(fx.module.closeAll(fx.ui), row.openAfter.empty()) << row.name;

        Lines prompts;
        for (const std::string& line : fx.ui.log)
            if (line.rfind("discard", 0) != 0) prompts.push_back(line);
        EXPECT_EQ(prompts, row.prompts) << row.name;
        std::vector<int> saves;
        for (const std::string& f : files) saves.push_back(fx.ui.editors[nameOf(f)]->saves);
        EXPECT_EQ(saves, row.saves) << row.name;
        EXPECT_EQ(fx.openSlots(), row.openAfter) << row.name;
        const CloseRunFlags& flags = fx.module.closeRun();
        EXPECT_FALSE(flags.closingAll || flags.closeCancelled || flags.yesToAllChosen || flags.noToAllChosen)
            << row.name;
        EXPECT_EQ(fx.module.menuState() == MainMenuState{}, row.openAfter.empty()) << row.name;
    }
}

TEST(CloseEditor, KeepsACancelledEditorAndQuitWaitsForIt) {
    Fixture fx;
    for (const std::string& f : fx.files(2)) ASSERT_EQ(fx.module.open1(f, fx.ui), "");
    fx.ui.editors["f2.cfg"]->isModified = true;

    // Close acts on the active (second) editor: three buttons; Cancel keeps it.
    fx.ui.saveAnswers = {CloseAnswer::Cancel, CloseAnswer::Cancel, CloseAnswer::No};
    fx.ui.log.clear();
    fx.module.closeActive(fx.ui);
    EXPECT_EQ(fx.ui.log, (Lines{"prompt3 f2.cfg", "focus f2.cfg"}));
    EXPECT_TRUE(fx.module.closeRun().closeCancelled);
    EXPECT_EQ(fx.openSlots(), (std::vector<int>{1, 2}));

    EXPECT_FALSE(fx.module.requestQuit(fx.ui));
    EXPECT_EQ(fx.openSlots(), (std::vector<int>{2}));
    EXPECT_TRUE(fx.module.requestQuit(fx.ui));
    EXPECT_EQ(fx.ui.editors["f2.cfg"]->saves, 0);

    // A stale ActiveEditor, and a second close report for a freed slot, change nothing.
    fx.ui.log.clear();
    fx.module.closeActive(fx.ui);
    EXPECT_TRUE(fx.module.closeEditor(2, fx.ui));
    EXPECT_TRUE(fx.ui.log.empty());
    EXPECT_EQ(fx.module.registry().openEditorCount(), 0);
}

TEST(OpenRecent, ResetsTheRunFlagsAndOpensTheEntry) {
    Fixture fx;
    const std::string file = fx.dir.file("r.cfg", "x");
    ASSERT_EQ(fx.module.recentFiles().addToFront(file), "");
    fx.module.openRun() = OpenRunFlags{true, true, true, "D", true, 4};
    fx.module.openRecent(0, fx.ui);
    fx.module.openRecent(5, fx.ui);
    const OpenRunFlags& f = fx.module.openRun();
    EXPECT_FALSE(f.moreFilesFollow || f.continueAll || f.cancelAll);
    EXPECT_EQ(f.batchFileNumber, -1);
    EXPECT_EQ(f.loadDecision, "D");  // kept from one run to the next
    EXPECT_EQ(fx.ui.log, Lines{"create 1 r.cfg"});
}

}  // namespace
}  // namespace tavmir
