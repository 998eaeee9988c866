#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "gui/mainwindow/MainWindowFixture.h"

namespace tavmir::gui::test {
namespace {

using MainWindow = MainWindowFixture;

struct MenuSnapshot {
    bool save, saveAs, close, closeAll, edit, window;
    bool operator==(const MenuSnapshot&) const = default;
};

MenuSnapshot menus(const MDIFormMain& w) {
    return {w.mSavefile->isEnabled(),
            w.mSaveFileAs->isEnabled(),
            w.mClose->isEnabled(),
            w.mCloseAll->isEnabled(),
            w.mEdit->menuAction()->isEnabled(),
            w.mWindow->menuAction()->isEnabled()};
}

constexpr MenuSnapshot kNoFileMenus{false, false, false, false, false, false};
constexpr MenuSnapshot kFileMenus{true, true, true, true, true, true};

// How many editors may open, and the messages of the limit, are the main module's rules.
TEST_F(MainWindow, OpensOneThenTwoFilesAndOffersToReloadAnOpenOne) {
    MDIFormMain& w = makeWindow();
    std::vector<QString> files;
    for (int i = 1; i <= 3; ++i)
        files.push_back(QString::fromStdString(completeFile("file" + std::to_string(i) + ".cfg")));

    ui.openAnswers.push_back({files[0]});
    w.mOpenFile_Click();
    ASSERT_EQ(w.editors().size(), 1u);
    EXPECT_EQ(w.editors()[0]->filePath(), files[0].toStdString());
    EXPECT_EQ(w.subWindowOf(w.editors()[0])->windowTitle(), files[0]);
    EXPECT_TRUE(w.subWindowOf(w.editors()[0])->isMaximized());
    EXPECT_EQ(w.activeEditor(), w.editors()[0]);
    EXPECT_TRUE(ui.messages.isEmpty());

    // The dialog offers the four filters, Qt-style, starting at the first.
    ASSERT_EQ(ui.fileRequests.size(), 1);
    EXPECT_EQ(ui.fileRequests[0].filters,
              QStringList({QStringLiteral("Subspace Settings (*.cfg *.set)"),
                           QStringLiteral("Subspace Settings (*.cfg)"),
                           QStringLiteral("Subspace Settings (*.set)"),
                           QStringLiteral("All Files (*)")}));
    EXPECT_EQ(ui.fileRequests[0].selectedFilter, 0);

    ui.openAnswers.push_back({files[1], files[2]});
    w.mOpenFile_Click();
    EXPECT_EQ(w.editors().size(), 3u);
    EXPECT_EQ(w.activeEditor()->filePath(), files[2].toStdString());
    EXPECT_EQ(ui.fileRequests[1].directory, files[0]);  // starts at the last file opened

    // An open file is offered for reload; declined, its editor comes to the front.
    ui.openAnswers.push_back({files[0]});
    ui.messageAnswers.push_back(QMessageBox::No);
    w.mOpenFile_Click();
    EXPECT_EQ(w.editors().size(), 3u);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].icon, BoxIcon::Question);
    EXPECT_EQ(ui.messages[0].text, files[0] + QStringLiteral(" is already being edited\r\n\r\n"
                                                             "Do you want to reload it?"));
    EXPECT_EQ(ui.messages[0].defaultButton, QMessageBox::No);
    EXPECT_EQ(w.activeEditor()->filePath(), files[0].toStdString());
    EXPECT_EQ(w.mdiArea()->activeSubWindow(), w.subWindowOf(w.activeEditor()));

    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindow, BadFilesLeaveNoEditorAndTheMenusFollowTheOpenEditors) {
    MDIFormMain& w = makeWindow();
    const std::filesystem::path empty = m_folder / "empty.cfg";
    writeBytes(empty, "");
    const std::filesystem::path binary = m_folder / "binary.cfg";
    writeBytes(binary, std::string("\0\x01\x02\xff[x]\0y=1\r\n", 12) + std::string(3000, '\0'));
    for (const std::filesystem::path& path : {empty, binary, m_folder / "vanished.cfg"}) {
        ui.messages.clear();
        ui.openAnswers.push_back({QString::fromStdString(path.string())});
        w.mOpenFile_Click();
        EXPECT_TRUE(w.editors().empty()) << path;
        EXPECT_EQ(w.mainModule().registry().openEditorCount(), 0);
        ASSERT_FALSE(ui.messages.isEmpty()) << path;
        EXPECT_EQ(ui.messages.back().icon, BoxIcon::Critical);
        EXPECT_FALSE(QApplication::overrideCursor());
    }
    EXPECT_EQ(menus(w), kNoFileMenus);
    EXPECT_TRUE(w.mOpenFile->isEnabled());
    EXPECT_FALSE(w.mEditSettingForAllShips->isEnabled());
    EXPECT_FALSE(w.mSwapShipSettings->isEnabled());  // unreachable inside the disabled Edit menu
    // Without recent files the recent items and their separator are hidden.
    EXPECT_FALSE(w.m_sep2->isVisible());
    for (QAction* item : w.m_reciente) EXPECT_FALSE(item->isVisible());

    openNew({"a.cfg", "b.cfg"});
    EXPECT_EQ(menus(w), kFileMenus);
    EXPECT_TRUE(w.mSwapShipSettings->isEnabled());
    EXPECT_TRUE(w.mCascade->isEnabled());
    EXPECT_TRUE(w.m_sep2->isVisible());
    EXPECT_TRUE(w.m_reciente[1]->isVisible());
    EXPECT_FALSE(w.m_reciente[2]->isVisible());

    // The window list names both editors, the active one checked.
    w.mWindow->aboutToShow();
    ASSERT_EQ(w.m_windowList.size(), 3u);  // separator and two editors
    EXPECT_TRUE(w.m_windowList[2]->text().startsWith(QStringLiteral("&2 ")));
    EXPECT_TRUE(w.m_windowList[2]->isChecked());
    w.m_windowList[1]->trigger();
    EXPECT_EQ(w.activeEditor(), w.editors()[0]);

    w.mClose_Click();
    EXPECT_EQ(menus(w), kFileMenus);
    w.mClose_Click();
    EXPECT_EQ(menus(w), kNoFileMenus);
    EXPECT_FALSE(w.mSwapShipSettings->isEnabled());
    EXPECT_TRUE(w.editors().empty());
}

TEST_F(MainWindow, RecentMenuListsExistingFilesAndOpensThem) {
    const std::string a = completeFile("a.cfg");
    const std::string c = completeFile("c.cfg");
    const std::string gone = (m_folder / "gone.cfg").string();
    writeBytes(m_folder / "recent.dat", a + "\r\n" + gone + "\r\n" + c + "\r\n");

    MDIFormMain& w = makeWindow();
    EXPECT_EQ(w.m_reciente[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(a));
    EXPECT_EQ(w.m_reciente[1]->text(), QStringLiteral("&2 ") + QString::fromStdString(c));
    EXPECT_TRUE(w.m_reciente[1]->isVisible());
    EXPECT_FALSE(w.m_reciente[2]->isVisible());
    EXPECT_TRUE(w.m_sep2->isVisible());

    w.m_reciente[1]->trigger();
    ASSERT_EQ(w.editors().size(), 1u);
    EXPECT_EQ(w.editors()[0]->filePath(), c);
    EXPECT_EQ(w.m_reciente[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(c));
    EXPECT_EQ(w.m_reciente[1]->text(), QStringLiteral("&2 ") + QString::fromStdString(a));
    EXPECT_EQ(readBytes(m_folder / "recent.dat"), c + "\r\n" + a + "\r\n");
}

// Close All over three modified editors answered Yes to All: one prompt with five buttons,
// every file saved, the run's flags cleared (the other answers are the main module's rules).
TEST_F(MainWindow, CloseAllWithYesToAllSavesEveryFile) {
    const int item = firstNumericGeneralSetting();
    MDIFormMain& w = makeWindow();
    const QStringList paths = openNew({"close0.cfg", "close1.cfg", "close2.cfg"});
    const std::string before = readBytes(paths[0].toStdString());
    for (FrmSettingsEdit* editor : w.editors()) typeInto(*editor, item, otherValidValue(item));

    buttonsToClick = {QStringLiteral("bYesToAll")};
    w.mCloseAll_Click();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(promptButtonCounts, std::vector<int>{5});
    EXPECT_EQ(promptPaths, QStringList{paths[0]});
    EXPECT_TRUE(w.editors().empty());
    EXPECT_EQ(w.mainModule().registry().openEditorCount(), 0);
    EXPECT_EQ(menus(w), kNoFileMenus);
    for (const QString& path : paths) EXPECT_NE(readBytes(path.toStdString()), before);
    EXPECT_FALSE(w.mainModule().closeRun().closingAll || w.mainModule().closeRun().yesToAllChosen);
}

TEST_F(MainWindow, ClosingTheFrameWithACancelledPromptKeepsTheProgramRunning) {
    MDIFormMain& w = makeWindow();
    openNew({"kept.cfg"});
    const int item = firstNumericGeneralSetting();
    typeInto(*w.editors()[0], item, otherValidValue(item));

    buttonsToClick = {QStringLiteral("bCancel")};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(promptButtonCounts.size(), 1u);
    EXPECT_EQ(promptButtonCounts[0], 3);  // a single editor: Yes, No, Cancel
    EXPECT_EQ(w.editors().size(), 1u);

    // The editor's own close box asks the same question.
    buttonsToClick = {QStringLiteral("bNo")};
    w.subWindowOf(w.editors()[0])->close();
    EXPECT_TRUE(w.editors().empty());
    EXPECT_EQ(menus(w), kNoFileMenus);
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindow, PageKeysTurnTheActiveEditorAndMenuShortcutsWinOverTheFields) {
    MDIFormMain& w = makeWindow();
    openNew({"a.cfg", "b.cfg"});
    FrmSettingsEdit* active = w.activeEditor();
    ASSERT_EQ(active, w.editors()[1]);
    struct Row {
        Qt::Key key;
        int page;
    };
    for (const Row& row : {Row{Qt::Key_PageDown, 2}, Row{Qt::Key_PageUp, 1},
                           Row{Qt::Key_PageUp, 12}, Row{Qt::Key_PageDown, 1}}) {
        QTest::keyClick(w.mdiArea(), row.key);
        EXPECT_EQ(active->currentPage(), row.page);
    }
    EXPECT_EQ(w.editors()[0]->currentPage(), 1);
    // With a modifier the key is not a page key.
    QTest::keyClick(w.mdiArea(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(active->currentPage(), 1);

    // Ctrl+K is also a line edit's own key; here it is Close All.
    const int item = firstNumericGeneralSetting();
    auto* field = child<QLineEdit>(*active, QStringLiteral("Text1_%1").arg(item));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(w.editors().empty());
}

TEST_F(MainWindow, WindowCommandsArrangeTheEditors) {
    MDIFormMain& w = makeWindow();
    w.resize(1024, 768);
    openNew({"a.cfg", "b.cfg"});
    QMdiSubWindow* a = w.subWindowOf(w.editors()[0]);
    QMdiSubWindow* b = w.subWindowOf(w.editors()[1]);
    const QRect area = w.mdiArea()->viewport()->rect();

    w.mTileVertical_Click();
    EXPECT_FALSE(a->isMaximized());
    EXPECT_EQ(a->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(b->geometry().left(), area.width() / 2);

    w.mTileHorizontal_Click();
    EXPECT_EQ(a->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(b->geometry().top(), area.height() / 2);
    EXPECT_EQ(w.mdiArea()->activeSubWindow(), b);  // the active editor stays active

    // The frame shows one maximised editor at a time; the others are maximised as they come
    // to the front.
    w.mMaximizeAll_Click();
    EXPECT_TRUE(b->isMaximized());
    EXPECT_EQ(w.mdiArea()->activeSubWindow(), b);
    w.mdiArea()->setActiveSubWindow(a);
    EXPECT_TRUE(a->isMaximized());

    a->showMinimized();
    w.mArrangeIcons_Click();
    EXPECT_EQ(a->geometry().left(), 0);
    EXPECT_EQ(a->geometry().bottom(), area.bottom());
}

}  // namespace
}  // namespace tavmir::gui::test
