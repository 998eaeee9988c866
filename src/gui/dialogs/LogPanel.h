// The log frame of the load-error dialogs (Frame1): the validation log read-only (tLog) with
// its "Sa&ve" (bSave, as ".txt" or ".rtf") and "&Print" (bPrint) buttons below it.
#pragma once

#include <QFrame>

#include "settingsfile/StyledLog.h"

class QTextEdit;

namespace tavmir::gui {

struct GuiContext;

class LogPanel : public QFrame {
  public:
    // `log` (may be null: an empty panel) must outlive the panel; with a context, a saved
    // log is confirmed through its showMessage. `geometry` is the frame's, in its parent.
    LogPanel(const StyledLog* log, const GuiContext* context, const QRect& geometry,
             QWidget* parent);

  private:
    const StyledLog* m_log;
    const GuiContext* m_context;
    QTextEdit* m_view = nullptr;  // tLog
};

}  // namespace tavmir::gui
