#include "dialogs/LoadErrorDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include "GuiContext.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"

namespace tavmir::gui {
namespace {

using test::child;

StyledLog sampleLog() {
    StyledLog log;
    log.append("a.cfg", 1, kBlack, true);
    log.append("1. Error in line 3: Value is higher than high limit (x)", 2, kRed, false);
    log.append("Errors: 1", 1, kBlack, false);
    return log;
}

TEST(LoadErrorDialog, EachButtonGivesItsAnswerAndTheRunFlagsFollow) {
    using B = LoadErrorButton;
    struct Row {
        bool moreFilesFollow;
        bool fileLacksSettings;
        const char* button;  // nullptr: the window's close box
        bool chooseBlank;
        B expectedButton;
        std::string_view expectedDecision;
        bool expectedContinueAll;
        bool expectedCancelAll;
    };
    const Row rows[] = {
        {false, false, "bContinueOpen", false, B::kContinueOpen, kLoadOpen, false, false},
        {false, true, "bContinueOpen", false, B::kContinueOpen, kLoadDefaults, false, false},
        {false, true, "bContinueOpen", true, B::kContinueOpen, kLoadBlank, false, false},
        {false, false, "bCancelOPen", false, B::kCancelOpen, kLoadCancel, false, false},
        {true, false, "bContinueAll", true, B::kContinueAll, kLoadBlank, true, false},
        {true, false, "bContinueAll", false, B::kContinueAll, kLoadDefaults, true, false},
        {true, false, "bCancelAll", false, B::kCancelAll, kLoadCancel, false, true},
        {true, true, nullptr, false, B::kClosed, kLoadCancel, false, false},
        {false, false, nullptr, false, B::kClosed, kLoadCancel, false, false},
    };
    const StyledLog log = sampleLog();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button ? row.button : "close box");
        test::ScriptedUiServices services;
        OpenRunFlags flags;
        flags.moreFilesFollow = row.moreFilesFollow;
        flags.showMissingChoice = row.fileLacksSettings;
        flags.loadDecision = "D";  // left by an earlier file: a closed dialog must not reuse it
        const LoadErrorRequest request = prepareLoadErrorDialog(flags, "/data/zone one.cfg", log);

        services.dialogHandler = [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Validation errors found during load"));
            EXPECT_EQ(child<QLabel>(dialog, "lFile")->text(), QStringLiteral("/data/zone one.cfg"));
            EXPECT_EQ(child<QGroupBox>(dialog, "fUnassigned")->isVisible(),
                      row.moreFilesFollow || row.fileLacksSettings);
            EXPECT_EQ(child<QPushButton>(dialog, "bContinueAll")->isVisible(), row.moreFilesFollow);
            EXPECT_EQ(child<QPushButton>(dialog, "bCancelAll")->isVisible(), row.moreFilesFollow);
            EXPECT_TRUE(child<QRadioButton>(dialog, "oDefault")->isChecked());
            if (row.chooseBlank)
                QTest::mouseClick(child<QRadioButton>(dialog, "oBlank"), Qt::LeftButton);
            if (row.button)
                QTest::mouseClick(child<QPushButton>(dialog, row.button), Qt::LeftButton);
            else
                dialog.close();
            EXPECT_FALSE(dialog.isVisible());
            return 0;
        };
        const LoadErrorAnswer answer = runLoadErrorDialog(nullptr, request);
        EXPECT_EQ(services.dialogsShown, 1);
        EXPECT_EQ(answer.button, row.expectedButton);
        applyLoadErrorAnswer(flags, answer);
        EXPECT_EQ(flags.loadDecision, row.expectedDecision);
        EXPECT_EQ(flags.continueAll, row.expectedContinueAll);
        EXPECT_EQ(flags.cancelAll, row.expectedCancelAll);
    }
}

TEST(LoadErrorDialog, ShowsTheLogOnlyWithDetailsAndSavesAndPrintsIt) {
    test::ScriptedUiServices services;
    const StyledLog log = sampleLog();
    LoadErrorRequest request;
    request.path = "/data/a.cfg";
    request.log = &log;
    request.showMissingChoice = true;
    request.showAllButtons = true;
    const QString reportPath =
        QDir::temp().filePath(QStringLiteral("tavmir-loaderrors-report.txt"));
    QFile::remove(reportPath);
    services.saveAnswers.push_back(reportPath);
    QStringList confirmations;
    GuiContext context;
    context.preferences.messageTime = "700";
    context.showMessage = [&](const QString& l1, const QString& l2, int ms) {
        confirmations << l1 << l2 << QString::number(ms);
    };

    services.dialogHandler = [&](QDialog& dialog) {
        auto* details = child<QPushButton>(dialog, "bDetails");
        auto* frame = child<QWidget>(dialog, "Frame1");
        auto* tLog = child<QTextEdit>(dialog, "tLog");
        EXPECT_EQ(details->text(), QStringLiteral("Vi&ew details"));
        EXPECT_FALSE(frame->isVisible());
        EXPECT_EQ(dialog.height(), 151);
        EXPECT_TRUE(tLog->isReadOnly());
        EXPECT_EQ(
            tLog->toPlainText(),
            QStringLiteral(
                "a.cfg\n1. Error in line 3: Value is higher than high limit (x)\n\nErrors: 1\n"));

        QTest::mouseClick(details, Qt::LeftButton);
        EXPECT_EQ(details->text(), QStringLiteral("Hid&e details"));
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(dialog.height(), 504);
        QTest::mouseClick(child<QPushButton>(dialog, "bSave"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, "bPrint"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());  // saving and printing leave the decision open

        QTest::mouseClick(details, Qt::LeftButton);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_EQ(dialog.height(), 151);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        return 0;
    };
    EXPECT_EQ(runLoadErrorDialog(nullptr, request, &context).button, LoadErrorButton::kClosed);

    EXPECT_EQ(test::readBytes(reportPath.toStdString()), log.plainText());
    EXPECT_EQ(services.printed.size(), 1);
    EXPECT_EQ(confirmations,
              (QStringList{QStringLiteral("File saved:"), reportPath, QStringLiteral("700")}));
    QFile::remove(reportPath);
}

TEST(ShowErrorsDialog, ClosesByCloseButtonOrPlainEscapeButNotShiftEscape) {
    test::ScriptedUiServices services;
    int round = 0;
    services.dialogHandler = [&](QDialog& dialog) {
        EXPECT_EQ(child<QLabel>(dialog, "lFile")->text(), QStringLiteral("/data/b.set"));
        auto* tLog = child<QTextEdit>(dialog, "tLog");
        EXPECT_TRUE(tLog->isReadOnly());
        EXPECT_TRUE(tLog->toPlainText().startsWith(QStringLiteral("a.cfg\n1. Error")));
        QTest::keyClick(&dialog, Qt::Key_Escape, Qt::ShiftModifier);
        EXPECT_TRUE(dialog.isVisible());
        if (round++ == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(dialog, "bClose"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        return 0;
    };
    for (int i = 0; i < 2; ++i) showLoadErrors(nullptr, sampleLog(), QStringLiteral("/data/b.set"));
    EXPECT_EQ(services.dialogsShown, 2);
}

}  // namespace
}  // namespace tavmir::gui
