// The load-error dialogs: FrmLoadErrors, shown while a file with errors or warnings opens,
// and FrmShowErrors, which shows a loaded file's validation log again.
#pragma once

#include <QString>

#include "document/LoadDecision.h"
#include "settingsfile/StyledLog.h"

class QWidget;

namespace tavmir::gui {

struct GuiContext;

// FrmLoadErrors for one file: the user's answer (closing the window counts as Cancel).
// With a context, a saved log is confirmed through its showMessage.
LoadErrorAnswer runLoadErrorDialog(QWidget* parent, const LoadErrorRequest& request,
                                   const GuiContext* context = nullptr);

// FrmShowErrors: the validation log of the file at path, with save and print, and how many
// of its lines a save will not write.
void showLoadErrors(QWidget* parent, const StyledLog& log, const QString& filePath,
                    int unwrittenLines, const GuiContext* context = nullptr);

}  // namespace tavmir::gui
