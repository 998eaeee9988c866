// FrmShowErrors: a loaded file's validation log again, read-only, with save and print.
#pragma once

#include <QDialog>

#include "settingsfile/StyledLog.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

namespace tavmir::gui {

struct GuiContext;

class FrmShowErrors : public QDialog {
    Q_OBJECT

  public:
    FrmShowErrors(const StyledLog& log, const QString& filePath, const GuiContext* context,
                  QWidget* parent = nullptr);

  private:
    const StyledLog* m_log;
    const GuiContext* m_context;

    QLabel* lFile = nullptr;
    QFrame* Frame1 = nullptr;
    QTextEdit* tLog = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bPrint = nullptr;
    QPushButton* bClose = nullptr;
};

}  // namespace tavmir::gui
