// Printing a log to paper (here a PDF): the whole log or only the selection, the view left as
// it was. What the print dialog is offered, and saving, are in tests/data/gui/load-error-log.
#include "dialogs/LogReport.h"

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

}  // namespace
}  // namespace tavmir::gui
