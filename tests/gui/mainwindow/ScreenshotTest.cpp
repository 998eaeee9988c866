// Pictures of the main window and the load-error dialog at 1024 x 768, saved into the build
// folder for a person to look at.
#include <QDir>
#include <QPixmap>

#include "gui/mainwindow/MainWindowFixture.h"

namespace tavmir::gui::test {
namespace {

using Screenshots = MainWindowFixture;

QString screenshotPath(const QString& name) {
    const QString folder = QStringLiteral(TAVMIR_BUILD_DIR "/screenshots");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

TEST_F(Screenshots, OfTheMainWindowWithAnEditorAndOfTheLoadErrorDialog) {
    MDIFormMain& w = makeWindow();
    w.resize(1024, 768);

    // One value above its high limit, so the file opens through the load-error dialog.
    const int item = firstNumericGeneralSetting();
    const std::string high = std::to_string(realCatalogue()->setting(item).highLimit + 1);
    const QString file = QString::fromStdString(completeFile("arena-with-one-error.cfg", high));

    bool dialogSaved = false;
    ui.dialogHandler = [&](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("FrmLoadErrors")) {
            QApplication::processEvents();
            dialogSaved =
                dialog.grab().save(screenshotPath(QStringLiteral("load-error-dialog.png")));
            dialog.findChild<QPushButton*>(QStringLiteral("bDetails"))->click();
            QApplication::processEvents();
            dialogSaved =
                dialogSaved &&
                dialog.grab().save(screenshotPath(QStringLiteral("load-error-dialog-details.png")));
            dialog.findChild<QPushButton*>(QStringLiteral("bContinueOpen"))->click();
            return dialog.result();
        }
        return answerDialog(dialog);
    };
    ui.openAnswers.push_back({file});
    w.mOpenFile_Click();
    EXPECT_TRUE(dialogSaved);
    ASSERT_EQ(w.editors().size(), 1u);
    FrmSettingsEdit& editor = *w.editors()[0];

    struct Shot {
        int page;
        const char* name;
    };
    for (const Shot& shot : {Shot{1, "main-general-settings-1.png"}, Shot{4, "main-warbird.png"},
                             Shot{12, "main-average-ship.png"}}) {
        editor.bPag_Click(shot.page);
        QApplication::processEvents();
        const QPixmap picture = w.grab();
        EXPECT_EQ(picture.size(), QSize(1024, 768));
        EXPECT_TRUE(picture.save(screenshotPath(QLatin1String(shot.name)))) << shot.name;
    }
}

}  // namespace
}  // namespace tavmir::gui::test
