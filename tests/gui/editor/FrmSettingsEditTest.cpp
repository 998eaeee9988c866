// The editor window driven as a user drives it: real widgets, headless, files in a temporary
// folder, message boxes and dialogs answered by the scripted UI services.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <fstream>
#include <memory>

#include "catalogue/StartupTables.h"
#include "document/Layout.h"
#include "document/SaveFile.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"
#include "mainwindow/MainModule.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir::gui {
namespace {

using test::child;
using test::readBytes;
using test::realCatalogue;

// The first setting on `page` for which `pick` holds, 0 when none.
template <typename Pick>
int firstSetting(int page, Pick pick) {
    const Catalogue& catalogue = *realCatalogue();
    for (int i = 1; i <= kSettingCount; ++i)
        if (catalogue[i].page == page && pick(catalogue[i])) return i;
    return 0;
}

class EditorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(realCatalogue());
        ASSERT_TRUE(m_dir.isValid());
        m_module = std::make_unique<MainModule>(folder());
        m_context.catalogue = realCatalogue();
        m_context.programFolder = folder();
        m_context.mainModule = m_module.get();
        m_context.showMessage = [this](const QString& line1, const QString& line2, int ms) {
            m_shown.push_back({line1, line2, ms});
        };
    }

    std::string folder() const { return toCore(m_dir.path()); }
    std::string pathOf(const std::string& name) const { return folder() + "/" + name; }
    const Catalogue& catalogue() const { return *realCatalogue(); }

    // A CFG text of every setting at its default, written by hand so that it can also carry
    // a fault: `skip` leaves one setting out.
    std::string writeCfg(const std::string& name, int skip = 0) {
        std::string text;
        std::string section;
        for (int k = 1; k <= kSettingCount; ++k) {
            const int i = catalogue().cfgWriteOrder(k);
            if (i == skip) continue;
            const SettingDef& def = catalogue()[i];
            if (def.section != section) {
                if (!section.empty()) text += "\r\n";
                text += "[" + def.section + "]\r\n";
                section = def.section;
            }
            text += def.key + "=" + def.defaultValue + "\r\n";
        }
        const std::string path = pathOf(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::unique_ptr<FrmSettingsEdit> openEditor(const std::string& path) {
        auto editor = std::make_unique<FrmSettingsEdit>(m_context);
        editor->setFilePath(path);
        EXPECT_EQ(editor->openFile(path), "");
        editor->bPag_Click(1);
        editor->resize(1100, 760);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        return editor;
    }

    static QLineEdit* field(FrmSettingsEdit& editor, int item) {
        return child<QLineEdit>(editor, QStringLiteral("Text1_%1").arg(item));
    }
    // Puts the focus into a field and types over its text.
    static QLineEdit* typeOver(FrmSettingsEdit& editor, int item, const QString& text) {
        QLineEdit* f = field(editor, item);
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, text);
        return f;
    }
    static QString title(FrmSettingsEdit& e) { return child<QLabel>(e, "lTitle")->text(); }

    struct Shown {
        QString line1, line2;
        int ms;
    };
    QTemporaryDir m_dir;
    test::ScriptedUiServices m_ui;
    GuiContext m_context;
    std::unique_ptr<MainModule> m_module;
    std::vector<Shown> m_shown;
};

TEST_F(EditorWindowTest, OpensACompleteFileOnGeneralSettings1WithoutDialogOrMark) {
    const std::string path = writeCfg("complete.cfg");
    auto editor = std::make_unique<FrmSettingsEdit>(m_context);
    QSignalSpy loadedSpy(editor.get(), &FrmSettingsEdit::fileLoaded);
    editor->setFilePath(path);
    ASSERT_EQ(editor->openFile(path), "");
    editor->bPag_Click(1);
    editor->show();

    EXPECT_EQ(m_ui.dialogsShown, 0);
    EXPECT_TRUE(m_ui.messages.isEmpty());
    EXPECT_EQ(loadedSpy.count(), 1);
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString(path));
    EXPECT_EQ(title(*editor), QStringLiteral("General Settings 1"));
    EXPECT_FALSE(child<QPushButton>(*editor, "bViewLoadErrors")->isVisible());
    EXPECT_EQ(m_module->recentFiles().entry(0), path);
    for (int item : pageFields(1)) {
        QLineEdit* f = field(*editor, item);
        ASSERT_NE(f, nullptr) << item;
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->text(), fromCore(catalogue()[item].defaultValue)) << item;
        const FieldPlacement placement = fieldPlacement(catalogue(), item);
        EXPECT_EQ(f->pos(), (QPoint{placement.field.x, placement.field.y - 70}));
    }
    // Only the first page exists as widgets; the others come on their first visit.
    EXPECT_EQ(editor->findChildren<QLineEdit*>().size(),
              static_cast<qsizetype>(pageFields(1).size()));
    EXPECT_EQ(editor->findChild<QWidget*>(QStringLiteral("page_2")), nullptr);
}

TEST_F(EditorWindowTest, PageButtonsAndPageKeysShowWholePagesAndWrapAround) {
    auto editor = openEditor(writeCfg("pages.cfg"));
    QTest::mouseClick(child<QPushButton>(*editor, "bPag_4"), Qt::LeftButton);
    EXPECT_EQ(editor->currentPage(), 4);
    EXPECT_EQ(title(*editor), QStringLiteral("Warbird"));
    EXPECT_FALSE(child<QWidget>(*editor, "page_1")->isVisible());
    EXPECT_TRUE(child<QWidget>(*editor, "page_4")->isVisible());

    editor->bPag_Click(1);
    const int first = pageFields(1).front();
    field(*editor, first)->setFocus();
    QTest::keyClick(field(*editor, first), Qt::Key_PageUp);
    EXPECT_EQ(editor->currentPage(), 12);
    EXPECT_EQ(title(*editor), QStringLiteral("Average Ship"));
    // The focus has left the hidden page; the page keys still reach the window.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(editor->currentPage(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(editor->currentPage(), 2);
    // Shift+Page Down is not a page key.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(editor->currentPage(), 2);

    editor->setPageForItem(shipTable(5, 6));
    EXPECT_EQ(editor->currentPage(), 10);
    EXPECT_EQ(title(*editor), QStringLiteral("Lancaster"));
}

TEST_F(EditorWindowTest, TypingPassesTheKeyFilterAndDoubleClickOrEnterAskForTheEditCommand) {
    const std::string path = writeCfg("typing.cfg");
    auto editor = openEditor(path);
    QSignalSpy requested(editor.get(), &FrmSettingsEdit::editCommandRequested);
    QSignalSpy commands(editor.get(), &FrmSettingsEdit::editCommandsChanged);
    const int numeric =
        firstSetting(1, [](const SettingDef& d) { return !d.isText() && d.maxLength >= 6; });
    const int text =
        firstSetting(1, [](const SettingDef& d) { return d.isText() && d.maxLength >= 20; });
    ASSERT_NE(numeric, 0);
    ASSERT_NE(text, 0);

    QLineEdit* n = typeOver(*editor, numeric, QStringLiteral("1a2.+ -3"));
    EXPECT_EQ(n->text(), QStringLiteral("12-3"));
    EXPECT_EQ(editor->document().text(numeric), "12-3");
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString(path) + QStringLiteral(" *"));
    // The clipboard shortcuts are control characters and are dropped as well.
    m_ui.clipboard = QStringLiteral("999");
    QTest::keyClick(n, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(n->text(), QStringLiteral("12-3"));
    QTest::keyClick(n, Qt::Key_Backspace);
    EXPECT_EQ(editor->document().text(numeric), "12-");
    QTest::mouseDClick(n, Qt::LeftButton);
    EXPECT_EQ(requested.count(), 0);

    QLineEdit* t = typeOver(*editor, text, QStringLiteral("My zone 1"));
    QTest::keyClick(t, Qt::Key_Eacute);  // code 233: outside 32..127
    EXPECT_EQ(t->text(), QStringLiteral("My zone 1"));
    EXPECT_EQ(editor->document().text(text), "My zone 1");
    // Focus shows the field's remark and the Edit commands that apply to it.
    EXPECT_EQ(child<QLabel>(*editor, "lRemark")->text(),
              fromCore(limitsText(catalogue()[text]) + catalogue()[text].description));
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.last().at(1).toBool(), true);
    QTest::keyClick(t, Qt::Key_Return);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.takeFirst().at(0).toBool(), false);

    editor->bPag_Click(4);
    const int ship = firstSetting(4, [](const SettingDef& d) { return !d.isText(); });
    QTest::mouseDClick(field(*editor, ship), Qt::LeftButton);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.takeFirst().at(0).toBool(), true);
    EXPECT_EQ(commands.last().at(0).toBool(), true);
}

TEST_F(EditorWindowTest, ShipEditsUpdateTheAverageShipPageAndTheAverageFieldsAreReadOnly) {
    auto editor = openEditor(writeCfg("ships.cfg"));
    int row = 0;
    for (int r = 1; r <= kShipRows && row == 0; ++r) {
        const SettingDef& def = catalogue()[shipTable(r, 1)];
        if (!def.isText() && def.maxLength >= 4 && def.highLimit >= 800) row = r;
    }
    ASSERT_NE(row, 0);
    editor->bPag_Click(12);
    QLineEdit* average = field(*editor, shipTable(row, kAverageColumn));
    ASSERT_NE(average, nullptr);
    EXPECT_TRUE(average->isReadOnly());
    EXPECT_EQ(average->palette().color(QPalette::Base), QColor(232, 232, 232));
    average->setFocus();
    QTest::keyClicks(average, QStringLiteral("77"));
    EXPECT_EQ(average->text(), fromCore(editor->document().text(shipTable(row, kAverageColumn))));

    // Put 800 into the Javelin field and every other ship to 0: the average is 100.
    FieldTexts& texts = editor->document().fields();
    for (int c = 0; c < kShipCount; ++c) texts[shipTable(row, c)] = "0";
    editor->document().calculateAverageShipPage();
    editor->refreshFromDocument();
    EXPECT_EQ(average->text(), QStringLiteral("0"));
    editor->bPag_Click(5);
    QLineEdit* javelin = typeOver(*editor, shipTable(row, 1), QStringLiteral("800"));
    EXPECT_EQ(editor->document().text(shipTable(row, kAverageColumn)), "100");
    EXPECT_TRUE(javelin->toolTip().startsWith(QStringLiteral("(+700%  Avg:100) ")));
    EXPECT_EQ(child<QLabel>(*editor, "lRemark")->text(), javelin->toolTip());
    editor->bPag_Click(12);
    EXPECT_EQ(average->text(), QStringLiteral("100"));
    EXPECT_TRUE(editor->modified());
}

TEST_F(EditorWindowTest, SavesCfgThenSaveAsSetAndTheReaderAcceptsBoth) {
    const std::string path = writeCfg("save.cfg");
    auto editor = openEditor(path);
    QSignalSpy saved(editor.get(), &FrmSettingsEdit::fileSaved);
    const int numeric = firstSetting(2, [](const SettingDef& d) {
        return !d.isText() && d.lowLimit <= 1 && d.highLimit >= 1 && d.maxLength >= 1 &&
               d.hasRange();
    });
    ASSERT_NE(numeric, 0);
    editor->bPag_Click(2);
    typeOver(*editor, numeric, QStringLiteral("1"));
    ASSERT_TRUE(editor->modified());

    EXPECT_EQ(editor->saveFile(), "");
    EXPECT_FALSE(editor->modified());
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString(path));
    ASSERT_EQ(m_shown.size(), 1u);
    EXPECT_EQ(m_shown[0].line1, QStringLiteral("File saved:"));
    EXPECT_EQ(m_shown[0].line2, QString::fromStdString(path));
    EXPECT_EQ(m_shown[0].ms, 1000);
    EXPECT_EQ(detectFileType(catalogue(), path), "CFG");

    const std::string setPath = pathOf("converted.set");
    m_ui.saveAnswers.push_back(QString::fromStdString(setPath));
    m_ui.saveFilterAnswers.push_back(1);  // the second entry: SET
    EXPECT_EQ(editor->saveFileAs(), "");
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests[0].filters.size(), 2);
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter, 0);
    EXPECT_EQ(editor->filePath(), setPath);
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString(setPath));
    EXPECT_EQ(m_module->recentFiles().entry(0), setPath);
    ASSERT_EQ(saved.count(), 2);
    EXPECT_TRUE(saved.last().at(1).toBool());
    EXPECT_EQ(detectFileType(catalogue(), setPath), "SET");
    // A second Save As preselects the SET entry now.
    m_ui.saveAnswers.push_back({});
    EXPECT_NE(editor->saveFileAs(), "");
    EXPECT_EQ(m_ui.fileRequests[1].selectedFilter, 1);
}

// A refused value: the message, the field to correct shown and focused, the editor still
// modified, nothing confirmed and nothing written.
TEST_F(EditorWindowTest, FailedSavesReportTheErrorAndLeaveTheEditorModified) {
    const std::string path = writeCfg("check.cfg");
    const std::string before = readBytes(path);
    auto editor = openEditor(path);
    const int setting = firstSetting(4, [](const SettingDef& d) {
        return !d.isText() && d.hasRange() && d.highLimit < 99999 && d.highLimit >= 0 &&
               d.maxLength >= 6;
    });
    ASSERT_NE(setting, 0);
    const SettingDef& def = catalogue()[setting];
    editor->bPag_Click(4);
    QLineEdit* f = typeOver(*editor, setting, QString::number(def.highLimit + 1));
    editor->bPag_Click(1);

    EXPECT_EQ(editor->saveFile(), "Wrong value");
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].icon, BoxIcon::Critical);
    EXPECT_EQ(m_ui.messages[0].text,
              fromCore("Wrong value for " + def.section + ":" + def.key + "\r\n\r\nMax value is " +
                       std::to_string(def.highLimit)));
    EXPECT_EQ(editor->currentPage(), 4);
    EXPECT_TRUE(f->hasFocus());
    EXPECT_EQ(editor->document().focusedItem(), setting);
    EXPECT_TRUE(editor->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(m_shown.empty());
}

// A file with a setting missing, opened past the load-error dialog: "View load e&rrors" shows
// the kept log in FrmShowErrors.
TEST_F(EditorWindowTest, ViewLoadErrorsShowsTheKeptLog) {
    const std::string path = writeCfg("faulty.cfg", /*skip=*/1);
    m_module->openRun() = OpenRunFlags{};
    m_ui.dialogHandler = [](QDialog& dialog) {
        child<QPushButton>(dialog, "bContinueOpen")->click();
        return 0;
    };
    auto editor = openEditor(path);
    QString shown;
    m_ui.dialogHandler = [&shown](QDialog& dialog) {
        shown = dialog.objectName();
        dialog.reject();
        return 0;
    };
    child<QPushButton>(*editor, "bViewLoadErrors")->click();
    EXPECT_EQ(shown, QStringLiteral("FrmShowErrors"));
}

TEST_F(EditorWindowTest, TheWheelMovesTheBarByThePreferencesStep) {
    auto editor = openEditor(writeCfg("wheel.cfg"));
    editor->resize(600, 400);
    QApplication::processEvents();
    auto* area = child<QScrollArea>(*editor, "scrollArea");
    QScrollBar* v = area->verticalScrollBar();
    QScrollBar* h = area->horizontalScrollBar();
    ASSERT_GT(v->maximum(), 300);
    // Both bars are needed at this size, and the size grip sits between them.
    EXPECT_TRUE(h->isVisible());
    auto* grip = child<QWidget>(*editor, "pGrab");
    EXPECT_TRUE(QTest::qWaitFor([grip] { return grip->isVisible(); }, 2000));
    auto turn = [area](int delta) {
        QWheelEvent event(QPointF(50, 50), area->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area->viewport(), &event);
    };
    const struct {
        int speed, delta, expected;
    } rows[] = {{1, -120, 25}, {3, -120, 125}, {2, -240, 225}, {7, 120, 175}, {1, 360, 100}};
    for (const auto& row : rows) {
        m_context.preferences.mouseWheelSpeed = row.speed;
        turn(row.delta);
        EXPECT_EQ(v->value(), row.expected) << row.speed << " " << row.delta;
    }
    // After the horizontal bar was used, the wheel moves it instead.
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int hBefore = h->value();
    m_context.preferences.mouseWheelSpeed = 2;
    turn(-120);
    EXPECT_EQ(h->value(), hBefore + 50);
    EXPECT_EQ(v->value(), 100);
}

TEST_F(EditorWindowTest, ANormalStateEditorSnapsBackToTheCanvasSize) {
    QMdiArea area;
    area.resize(1600, 1000);
    area.show();
    auto* editor = new FrmSettingsEdit(m_context);
    QMdiSubWindow* sub = area.addSubWindow(editor);
    sub->showNormal();
    sub->resize(1400, 900);
    auto* scroll = child<QScrollArea>(*editor, "scrollArea");
    EXPECT_TRUE(QTest::qWaitFor([scroll] { return scroll->size() == QSize(1020, 688); }, 2000))
        << scroll->width() << "x" << scroll->height();
    EXPECT_LT(sub->width(), 1400);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    auto* grip = child<QWidget>(*editor, "pGrab");
    EXPECT_TRUE(QTest::qWaitFor([grip] { return !grip->isVisible(); }, 2000));
    // A maximised editor fills the area whatever the canvas.
    sub->showMaximized();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(sub->size(), area.viewport()->size());
}

}  // namespace
}  // namespace tavmir::gui
