#include "dialogs/LogReport.h"

#include <QColor>
#include <QFile>
#include <QPrinter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "BusyCursor.h"
#include "GuiContext.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "document/SaveFile.h"
#include "settingsfile/LogReport.h"

namespace tavmir::gui {
namespace {

// Qt's text cursor makes a paragraph of each CR and each LF, so a CR LF pair would give an
// empty line after every line of the log; one paragraph per line end instead.
QString paragraphText(const std::string& text) {
    QString out = fromCore(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

}  // namespace

void showLog(QTextEdit& view, const StyledLog& log) {
    view.clear();
    QTextDocument* document = view.document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const LogRun& run : log.runs()) {
        QTextCharFormat format;
        format.setFontFamilies({fromCore(run.font)});
        format.setFontPointSize(run.size > 0 ? run.size : kLogFontSize);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(static_cast<int>((run.color >> 16) & 0xFF),
                                    static_cast<int>((run.color >> 8) & 0xFF),
                                    static_cast<int>(run.color & 0xFF)));
        cursor.insertText(paragraphText(run.text), format);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(undo);
    view.moveCursor(QTextCursor::Start);
}

bool saveLogReport(QWidget* parent, const StyledLog& log, const GuiContext* context) {
    FileDialogRequest request;
    request.filters = qtNameFilters(kLogReportFilter);
    request.selectedFilter = 0;
    const QString path = ui().saveFileName(parent, request);
    if (path.isEmpty()) return false;

    std::string error;
    {
        BusyCursor busy;
        // Paths travel as the file system's bytes, so names outside Latin-1 are kept.
        const QByteArray native = QFile::encodeName(path);
        error = saveLogReportFile(
            std::string(native.constData(), static_cast<std::size_t>(native.size())), log,
            request.selectedFilter + 1);
    }
    if (!error.empty()) {
        showCritical(parent, QFile::decodeName(
                                 QByteArray(error.data(), static_cast<qsizetype>(error.size()))));
        return false;
    }
    if (context && context->showMessage) {
        context->showMessage(fromCore(std::string(kFileSavedHeading)), path,
                             messageTimeMilliseconds(context->preferences.messageTime));
    }
    return true;
}

std::unique_ptr<QTextDocument> logPrintDocument(const QTextEdit& view, bool selectionOnly) {
    const QTextCursor selected = view.textCursor();
    if (selectionOnly && selected.hasSelection()) {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(view.document()->defaultFont());
        QTextCursor(document.get()).insertFragment(selected.selection());
        return document;
    }
    return std::unique_ptr<QTextDocument>(view.document()->clone());
}

void printLogTo(QPrinter& printer, const QTextEdit& view, bool selectionOnly) {
    logPrintDocument(view, selectionOnly)->print(&printer);
}

bool printLog(QWidget* parent, QTextEdit& view) {
    const bool hasSelection = view.textCursor().hasSelection();
    const std::unique_ptr<QTextDocument> whole = logPrintDocument(view, false);
    const std::unique_ptr<QTextDocument> selection =
        hasSelection ? logPrintDocument(view, true) : nullptr;
    return ui().print(parent, *whole, hasSelection, selection.get());
}

}  // namespace tavmir::gui
