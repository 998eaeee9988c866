#include "dialogs/LogReport.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "GuiContext.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"

namespace tavmir::gui {
namespace {

using test::readBytes;

const QString kErrorLine =
    QStringLiteral("1. Error in line 4: Value is higher than high limit (x)");

StyledLog sampleLog() {
    StyledLog log;
    log.append("zone.cfg", 1, kBlack, true);
    log.append(kErrorLine.toStdString(), 1, kRed, false);
    log.append("Errors: 1", 1, kBlack, false);
    return log;
}

// Records what each print request offered.
class RecordingServices : public test::ScriptedUiServices {
  public:
    struct Job {
        QString whole;
        bool selectionAvailable;
        QString selection;
    };
    QList<Job> jobs;

    bool print(QWidget*, QTextDocument& document, bool selectionAvailable,
               QTextDocument* selection) override {
        jobs.append({document.toPlainText(), selectionAvailable,
                     selection ? selection->toPlainText() : QString()});
        return true;
    }
};

TEST(LogReport, ShowsEachRunWithItsFontSizeBoldAndColour) {
    QTextEdit view;
    showLog(view, sampleLog());
    EXPECT_EQ(view.toPlainText(), QStringLiteral("zone.cfg\n") + kErrorLine +
                                      QStringLiteral("\nErrors: 1\n"));
    struct Row {
        int block;
        bool bold;
        QColor color;
    };
    const Row rows[] = {
        {0, true, QColor(0, 0, 0)}, {1, false, QColor(255, 0, 0)}, {2, false, QColor(0, 0, 0)}};
    for (const Row& row : rows) {
        QTextCursor cursor(view.document()->findBlockByNumber(row.block));
        cursor.movePosition(QTextCursor::Right);
        const QTextCharFormat format = cursor.charFormat();
        EXPECT_EQ(format.fontWeight() == QFont::Bold, row.bold) << row.block;
        EXPECT_EQ(format.foreground().color(), row.color) << row.block;
        EXPECT_DOUBLE_EQ(format.fontPointSize(), 8.5);
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
    }
    showLog(view, StyledLog{});
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST(LogReport, SavesThroughTheDialogConfirmsAndReportsAFailedWrite) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    test::ScriptedUiServices services;
    QStringList confirmations;
    GuiContext context;
    context.preferences.messageTime = "1500";
    context.showMessage = [&](const QString& l1, const QString& l2, int ms) {
        confirmations << l1 << l2 << QString::number(ms);
    };
    const StyledLog log = sampleLog();

    // The name's ending decides the form, whatever filter was picked.
    const QString txt = folder.filePath(QStringLiteral("report.TXT"));
    services.saveAnswers.push_back(txt);
    services.saveFilterAnswers.push_back(1);
    EXPECT_TRUE(saveLogReport(nullptr, log, &context));
    EXPECT_EQ(readBytes(txt.toStdString()),
              "zone.cfg\r\n" + kErrorLine.toStdString() + "\r\nErrors: 1\r\n");
    ASSERT_EQ(services.fileRequests.size(), 1);
    EXPECT_EQ(services.fileRequests[0].filters,
              (QStringList{QStringLiteral("Plain Text (*.txt)"),
                           QStringLiteral("Rich Text Format (*.rtf)")}));
    EXPECT_EQ(services.fileRequests[0].selectedFilter, 0);
    EXPECT_EQ(confirmations,
              (QStringList{QStringLiteral("File saved:"), txt, QStringLiteral("1500")}));
    const QString rtf = folder.filePath(QStringLiteral("report.Rtf"));
    services.saveAnswers.push_back(rtf);
    EXPECT_TRUE(saveLogReport(nullptr, log, &context));
    EXPECT_EQ(readBytes(rtf.toStdString()).rfind("{\\rtf1", 0), 0u);

    // An empty log gives an empty file; cancelling writes and shows nothing.
    const QString empty = folder.filePath(QStringLiteral("empty.txt"));
    services.saveAnswers.push_back(empty);
    EXPECT_TRUE(saveLogReport(nullptr, StyledLog{}, nullptr));
    EXPECT_TRUE(QFile::exists(empty));
    EXPECT_TRUE(readBytes(empty.toStdString()).empty());
    confirmations.clear();
    EXPECT_FALSE(saveLogReport(nullptr, log, &context));
    EXPECT_TRUE(confirmations.isEmpty());
    EXPECT_TRUE(services.messages.isEmpty());

    // A folder that is not there: the error in a message box, no confirmation, no file.
    const QString path = folder.filePath(QStringLiteral("gone/report.txt"));
    services.saveAnswers.push_back(path);
    EXPECT_FALSE(saveLogReport(nullptr, log, &context));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0].icon, BoxIcon::Critical);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("Error writing to file: ") +
                                                     path + QStringLiteral("\r\n\r\n")))
        << services.messages[0].text.toStdString();
    EXPECT_TRUE(confirmations.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(LogReport, PrintsTheWholeLogOrTheSelectionAndKeepsTheSelection) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RecordingServices services;
    QTextEdit view;
    view.setReadOnly(true);
    showLog(view, sampleLog());
    const QString whole = view.toPlainText();

    // The selection is offered only when text is selected.
    EXPECT_TRUE(printLog(nullptr, view));
    QTextCursor cursor(view.document());
    cursor.setPosition(9);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    EXPECT_TRUE(printLog(nullptr, view));
    ASSERT_EQ(services.jobs.size(), 2);
    EXPECT_EQ(services.jobs[0].whole, whole);
    EXPECT_FALSE(services.jobs[0].selectionAvailable);
    EXPECT_EQ(services.jobs[1].whole, whole);
    EXPECT_TRUE(services.jobs[1].selectionAvailable);
    EXPECT_EQ(services.jobs[1].selection, kErrorLine);
    EXPECT_EQ(logPrintDocument(view, true)->toPlainText(), kErrorLine);
    EXPECT_EQ(logPrintDocument(view, false)->toPlainText(), whole);

    for (bool selectionOnly : {false, true}) {
        const QString pdf =
            folder.filePath(selectionOnly ? QStringLiteral("part.pdf") : QStringLiteral("all.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printLogTo(printer, view, selectionOnly);
        const std::string bytes = readBytes(pdf.toStdString());
        EXPECT_EQ(bytes.rfind("%PDF", 0), 0u) << pdf.toStdString();
        EXPECT_GT(bytes.size(), 500u);
    }
    EXPECT_EQ(view.textCursor().selectedText(), kErrorLine);
    EXPECT_EQ(view.toPlainText(), whole);
}

}  // namespace
}  // namespace tavmir::gui
