// Showing, saving and printing a styled log: into a read-only QTextEdit, as ".txt" (plain
// text, CR LF) or ".rtf", and on paper (the selection or all).
#pragma once

#include <QString>

#include <memory>

#include "settingsfile/StyledLog.h"

class QPalette;
class QPrinter;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace tavmir::gui {

struct GuiContext;

// The format of one run of a log (font, size, bold) in its colour as it reads on `palette`;
// the print takes the run's own colour back.
QTextCharFormat logRunFormat(const LogRun& run, const QPalette& palette);
// Replaces the text edit's content with the log's runs (font, size, bold, colour).
void showLog(QTextEdit& view, const StyledLog& log);
// Asks for a file name (.txt or .rtf) and writes the log; false when cancelled or failed
// (a failure is reported in a message box). With a context, a written file is confirmed with
// "File saved:" and the path through its showMessage.
bool saveLogReport(QWidget* parent, const StyledLog& log, const GuiContext* context = nullptr);
// Prints the view's selection or all of it through the print dialog; false when cancelled.
bool printLog(QWidget* parent, QTextEdit& view);

// The document a print job takes: a copy of the selected text (with its formatting) when
// selectionOnly and text is selected, else a copy of the whole log, in the log's own colours
// whatever the view shows. The view is not changed.
std::unique_ptr<QTextDocument> logPrintDocument(const QTextEdit& view, bool selectionOnly);
// Prints straight onto printer, without a dialog (a PDF printer works headless), as the print
// dialog's choice would (printPages); false when the job failed.
bool printLogTo(QPrinter& printer, const QTextEdit& view, bool selectionOnly);

}  // namespace tavmir::gui
