#include <QTimer>

#include "gui/mainwindow/MainWindowFixture.h"
#include "mainwindow/FrmAbout.h"
#include "mainwindow/FrmMessage.h"
#include "mainwindow/GuiApplication.h"

namespace tavmir::gui::test {
namespace {

using Startup = MainWindowFixture;

// Without a catalogue, with one, then with a damaged preferences file.
TEST_F(Startup, ShowsTheMainWindowOpensTheCommandLineFilesAndReportsDamagedFiles) {
    GuiContext fresh;
    EXPECT_EQ(startGui(fresh, m_folder, {}), nullptr);
    // The missing tavmir.ini is created without a message; only the catalogue is reported.
    EXPECT_TRUE(std::filesystem::exists(m_folder / "tavmir.ini"));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].icon, BoxIcon::Critical);
    EXPECT_TRUE(
        ui.messages[0].text.contains(QString::fromStdString((m_folder / "mset.dat").string())))
        << ui.messages[0].text.toStdString();

    ui.messages.clear();
    std::filesystem::copy_file(std::filesystem::path(TAVMIR_BIN_DIR) / "mset.dat",
                               m_folder / "mset.dat");
    const std::string file = completeFile("given.cfg");
    window = startGui(fresh, m_folder, {file});
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), QSize(800, 560));
    ASSERT_EQ(window->editors().size(), 1u);
    EXPECT_EQ(window->editors()[0]->filePath(), file);
    EXPECT_EQ(fresh.mainModule, &window->mainModule());
    ASSERT_NE(fresh.catalogue, nullptr);
    EXPECT_TRUE(ui.messages.isEmpty());  // a 1920 x 1080 screen needs no advice
    EXPECT_FALSE(applicationIcon().isNull());

    window.reset();
    writeBytes(m_folder / "tavmir.ini", "[Editor]\r\nTextAlign=Center\r\n");
    GuiContext again;
    window = startGui(again, m_folder, {});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavmir 2.1 - Subspace Settings Editor"));
    EXPECT_EQ(again.preferences.textAlign, 2);
    ASSERT_EQ(ui.messages.size(), 1);  // one for the damaged file, not one per missing key
    EXPECT_EQ(ui.messages[0].icon, BoxIcon::Critical);
    EXPECT_EQ(
        ui.messages[0].text,
        QStringLiteral("The file tavmir.ini is corrupt\r\n\r\nYou must reinstall the application"));
    window.reset();  // the window refers to its context: it goes first
}

TEST(FrmMessage, PlacesOneOrTwoLinesAndTimesItself) {
    struct Row {
        QString line2;
        int milliseconds;
        int top;
        int interval;
    };
    for (const Row& row : {Row{QStringLiteral("/tmp/a file.cfg"), 250, 8, 250},
                           Row{QString(), 0, 23, 1000}, Row{QString(), -5, 23, 1000}}) {
        FrmMessage message(QStringLiteral("File saved:"), row.line2, row.milliseconds);
        EXPECT_EQ(message.lMessage1->text(), QStringLiteral("File saved:"));
        EXPECT_EQ(message.lMessage1->y(), row.top);
        EXPECT_EQ(message.Timer1->interval(), row.interval);
        const int wider = std::max(message.lMessage1->width(),
                                   row.line2.isEmpty() ? 0 : message.lMessage2->width());
        EXPECT_EQ(message.width(), 2 * message.lMessage1->x() + wider);
        // Centred on the 1920 x 1080 screen.
        EXPECT_EQ(message.x(), 960 - message.width() / 2);
        EXPECT_EQ(message.y(), 540 - message.height() / 2);
    }
}

TEST(FrmMessage, ClosesByItselfWhenItsTimeIsUp) {
    FrmMessage message(QStringLiteral("File saved:"), QStringLiteral("/tmp/x.cfg"), 100);
    bool stillOpenAfterStart = false;
    QTimer::singleShot(20, [&] { stillOpenAfterStart = message.isVisible(); });
    EXPECT_EQ(message.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpenAfterStart);
    EXPECT_FALSE(message.isVisible());
    EXPECT_FALSE(message.Timer1->isActive());
}

TEST(FrmMessage, ShowsNothingWhenSwitchedOff) {
    ScriptedUiServices ui;
    Preferences preferences;
    for (int disabled : {1, 0}) {
        preferences.disableWindowMessage = disabled;
        showMessage(nullptr, preferences, QStringLiteral("File saved:"), QStringLiteral("/x.cfg"),
                    1000);
        EXPECT_EQ(ui.dialogsShown, 1 - disabled);
        EXPECT_FALSE(QApplication::overrideCursor());
    }
}

TEST(FrmAbout, ShowsTheProgramAndClosesWithItsButton) {
    ScriptedUiServices ui;
    QString label;
    ui.dialogHandler = [&label](QDialog& dialog) {
        label = child<QLabel>(dialog, "Label1")->text();
        child<QPushButton>(dialog, "bClose")->click();
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    };
    showAbout(nullptr);
    EXPECT_EQ(ui.dialogsShown, 1);
    EXPECT_EQ(label, QStringLiteral("Tavmir 2.1 - Settings editor for subgame 1.34.14"));
}

}  // namespace
}  // namespace tavmir::gui::test
