// The whole typical request, through the real windows: open a file with one bad value, continue
// past the load-error dialog, correct the value, save, and see the confirmation. On the way,
// pictures of the load-error dialog and the main window at 1024 x 768 are saved into the build
// folder for a person to look at.
#include <QPixmap>
#include <QTextEdit>

#include "gui/mainwindow/MainWindowFixture.h"

namespace tavmir::gui::test {
namespace {

using TypicalRequest = MainWindowFixture;

TEST_F(TypicalRequest, OpenWithOneBadValueContinueCorrectAndSave) {
    const int item = realCatalogue()->findSetting("Latency", "KickOutDelay");
    ASSERT_NE(item, 0);
    const std::string path = completeFile("zone.cfg");
    std::string bytes = readBytes(path);
    const std::string good = "KickOutDelay=" + realCatalogue()->setting(item).defaultValue + "\r\n";
    bytes.replace(bytes.find(good), good.size(), "KickOutDelay=3000\r\n");
    writeBytes(path, bytes);

    MDIFormMain& w = makeWindow();
    w.resize(1024, 768);
    ui.openAnswers.push_back({QString::fromStdString(path)});
    QStringList dialogs;
    QString loadLog;
    bool dialogSaved = false;
    ui.dialogHandler = [&](QDialog& dialog) {
        dialogs << dialog.objectName();
        if (dialog.objectName() != QLatin1String("FrmLoadErrors")) return answerDialog(dialog);
        loadLog = child<QTextEdit>(dialog, "tLog")->toPlainText();
        QApplication::processEvents();
        dialogSaved = dialog.grab().save(screenshotPath(QStringLiteral("load-error-dialog.png")));
        child<QPushButton>(dialog, "bDetails")->click();
        QApplication::processEvents();
        dialogSaved = dialogSaved && dialog.grab().save(
                                         screenshotPath(QStringLiteral("load-error-details.png")));
        child<QPushButton>(dialog, "bContinueOpen")->click();
        return dialog.result();
    };
    w.mOpenFile_Click();
    // The pictures let the dialog become the active window; the offscreen platform does not
    // hand activation back when it closes.
    QApplication::setActiveWindow(&w);

    ASSERT_EQ(w.editors().size(), 1u);
    FrmSettingsEdit& editor = *w.editors()[0];
    EXPECT_EQ(dialogs.value(0), QStringLiteral("FrmLoadErrors"));
    EXPECT_TRUE(dialogSaved);
    EXPECT_TRUE(loadLog.contains(QStringLiteral("1. Error in line "))) << loadLog.toStdString();
    EXPECT_TRUE(loadLog.contains(QStringLiteral(
        "Value is higher than high limit (Latency:KickOutDelay=3000. High limit is 2000)")));
    EXPECT_EQ(editor.currentPage(), 1);
    EXPECT_TRUE(child<QPushButton>(editor, "bViewLoadErrors")->isVisible());
    EXPECT_EQ(editor.document().text(item), "3000");

    // Correct the value and save with the menu's shortcut.
    typeInto(editor, item, QStringLiteral("1500"));
    EXPECT_TRUE(editor.windowTitle().endsWith(QStringLiteral(" *")));
    dialogs.clear();
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.windowTitle(), QString::fromStdString(path));
    EXPECT_NE(readBytes(path).find("KickOutDelay=1500\r\n"), std::string::npos);
    EXPECT_TRUE(dialogs.contains(QStringLiteral("FrmMessage")))
        << dialogs.join(QLatin1Char(',')).toStdString();

    for (int page : {1, 4, 12}) {
        editor.bPag_Click(page);
        QApplication::processEvents();
        const QPixmap picture = w.grab();
        EXPECT_EQ(picture.size(), QSize(1024, 768));
        EXPECT_TRUE(picture.save(screenshotPath(QStringLiteral("main-page-%1.png").arg(page))));
    }
}

}  // namespace
}  // namespace tavmir::gui::test
