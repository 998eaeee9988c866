// FrmShowErrors: a loaded file's validation log again, read-only, with save and print.
#pragma once

#include <QDialog>

#include "settingsfile/StyledLog.h"

namespace tavmir::gui {

struct GuiContext;

class FrmShowErrors : public QDialog {
    Q_OBJECT

  public:
    FrmShowErrors(const StyledLog& log, const QString& filePath, const GuiContext* context,
                  QWidget* parent = nullptr);
};

}  // namespace tavmir::gui
