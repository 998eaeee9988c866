#include "dialogs/LogReport.h"

#include <QColor>
#include <QFile>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "BusyCursor.h"
#include "GuiContext.h"
#include "PrintPages.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "document/SaveFile.h"
#include "settingsfile/LogReport.h"
#include "widgets/ThemeColours.h"

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

// Where a run's format keeps the colour of the log itself, which the view may show lighter.
constexpr int kDesignedColour = QTextFormat::UserProperty + 1;

// Paper is white: the print takes the log's own colours back from what the view shows.
void restoreDesignedColours(QTextDocument& document) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kDesignedColour)) continue;
            QTextCharFormat designed;
            designed.setForeground(format.colorProperty(kDesignedColour));
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(designed);
        }
    }
}

}  // namespace

QTextCharFormat logRunFormat(const LogRun& run, const QPalette& palette) {
    QTextCharFormat format;
    format.setFontFamilies({fromCore(run.font)});
    format.setFontPointSize(run.size > 0 ? run.size : kLogFontSize);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    const QColor designed(static_cast<int>((run.color >> 16) & 0xFF),
                          static_cast<int>((run.color >> 8) & 0xFF),
                          static_cast<int>(run.color & 0xFF));
    format.setForeground(ThemeColours(palette).readable(designed));
    format.setProperty(kDesignedColour, designed);
    return format;
}

void showLog(QTextEdit& view, const StyledLog& log) {
    view.clear();
    QTextDocument* document = view.document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const LogRun& run : log.runs())
        cursor.insertText(paragraphText(run.text), logRunFormat(run, view.palette()));
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

    Status saved;
    {
        BusyCursor busy;
        // Paths travel as the file system's bytes, so names outside Latin-1 are kept.
        const QByteArray native = QFile::encodeName(path);
        saved = saveLogReportFile(
            std::string(native.constData(), static_cast<std::size_t>(native.size())), log,
            request.selectedFilter + 1);
    }
    if (!saved) {
        const std::string& error = saved.error();
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
        restoreDesignedColours(*document);
        return document;
    }
    std::unique_ptr<QTextDocument> document(view.document()->clone());
    restoreDesignedColours(*document);
    return document;
}

bool printLogTo(QPrinter& printer, const QTextEdit& view, bool selectionOnly) {
    return printPages(*logPrintDocument(view, selectionOnly), printer);
}

bool printLog(QWidget* parent, QTextEdit& view) {
    const bool hasSelection = view.textCursor().hasSelection();
    const std::unique_ptr<QTextDocument> whole = logPrintDocument(view, false);
    const std::unique_ptr<QTextDocument> selection =
        hasSelection ? logPrintDocument(view, true) : nullptr;
    return ui().print(parent, *whole, hasSelection, selection.get());
}

}  // namespace tavmir::gui
