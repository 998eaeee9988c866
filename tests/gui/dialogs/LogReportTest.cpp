// Printing a log to paper (here a PDF): the whole log or only the selection, the view left as
// it was. What the print dialog is offered, and saving, are in tests/data/gui/load-error-log.
#include "dialogs/LogReport.h"

#include <QPalette>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "gui/support/GuiTestSupport.h"

namespace tavmir::gui {
namespace {

TEST(LogReport, PrintsTheWholeLogOrTheSelectionAndKeepsTheSelection) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    StyledLog log;
    log.append("zone.cfg", 1, kBlack, true);
    log.append("1. Error in line 4: x", 1, kRed, false);
    QTextEdit view;
    showLog(view, log);
    const QString whole = view.toPlainText();
    QTextCursor cursor(view.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    EXPECT_EQ(logPrintDocument(view, true)->toPlainText(), QStringLiteral("1. Error in line 4: x"));
    EXPECT_EQ(logPrintDocument(view, false)->toPlainText(), whole);
    for (bool selectionOnly : {false, true}) {
        const QString pdf =
            folder.filePath(QString::number(selectionOnly) + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printLogTo(printer, view, selectionOnly);
        const std::string bytes = test::readBytes(pdf.toStdString());
        EXPECT_EQ(bytes.rfind("%PDF", 0), 0u) << pdf.toStdString();
        EXPECT_GT(bytes.size(), 500u);
    }
    EXPECT_EQ(view.textCursor().selectedText(), QStringLiteral("1. Error in line 4: x"));
    EXPECT_EQ(view.toPlainText(), whole);
}

// Under a dark theme the view shows the log lighter; paper gets the log's own colours.
TEST(LogReport, PrintsTheLogsOwnColoursWhateverTheViewShows) {
    StyledLog log;
    log.append("Errors: 1", 1, kBlack, false);
    log.append("1. Error in line 4: x", 1, kRed, false);
    QTextEdit view;
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    view.setPalette(dark);
    showLog(view, log);
    const auto colourOf = [](const QTextDocument& document, int line) {
        QTextCursor at(document.findBlockByNumber(line));
        at.movePosition(QTextCursor::Right);
        return at.charFormat().foreground().color().name().toStdString();
    };
    EXPECT_EQ(colourOf(*view.document(), 0), "#f0f0f0");
    EXPECT_EQ(colourOf(*view.document(), 1), "#ff4949");
    for (bool selectionOnly : {false, true}) {
        view.selectAll();
        const std::unique_ptr<QTextDocument> paper = logPrintDocument(view, selectionOnly);
        EXPECT_EQ(colourOf(*paper, 0), "#000000");
        EXPECT_EQ(colourOf(*paper, 1), "#ff0000");
    }
}

}  // namespace
}  // namespace tavmir::gui
