// FrmShowErrors: a loaded file's validation log again, read-only, with save and print.
#pragma once

#include <QDialog>

#include "settingsfile/StyledLog.h"

namespace tavmir::gui {

struct GuiContext;

class FrmShowErrors : public QDialog {
    Q_OBJECT

  public:
    // unwrittenLines: the lines of the file a save will not write (said beside Close).
    FrmShowErrors(const StyledLog& log, const QString& filePath, int unwrittenLines,
                  const GuiContext* context, QWidget* parent = nullptr);
};

}  // namespace tavmir::gui
