// The load-error dialogs: FrmLoadErrors, shown while a file with errors or warnings opens,
// and FrmShowErrors, which shows a loaded file's validation log again.
#pragma once

#include <QString>

#include "document/LoadDecision.h"
#include "settingsfile/StyledLog.h"

class QWidget;

namespace tavmir::gui {

// FrmLoadErrors for one file: the user's answer (closing the window counts as Cancel).
LoadErrorAnswer runLoadErrorDialog(QWidget* parent, const LoadErrorRequest& request);

// FrmShowErrors: the validation log of the file at path, with save and print.
void showLoadErrors(QWidget* parent, const StyledLog& log, const QString& filePath);

}  // namespace tavmir::gui
