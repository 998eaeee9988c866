// Showing, saving and printing a styled log: into a read-only QTextEdit, as ".txt" (plain
// text, CR LF) or ".rtf", and on paper (the selection or all).
#pragma once

#include <QString>

#include "settingsfile/StyledLog.h"

class QTextEdit;
class QWidget;

namespace tavmir::gui {

// Replaces the text edit's content with the log's runs (font, size, bold, colour).
void showLog(QTextEdit& view, const StyledLog& log);
// Asks for a file name (.txt or .rtf) and writes the log; false when cancelled or failed
// (a failure is reported in a message box).
bool saveLogReport(QWidget* parent, const StyledLog& log);
// Prints the view's selection or all of it through the print dialog.
bool printLog(QWidget* parent, QTextEdit& view);

}  // namespace tavmir::gui
