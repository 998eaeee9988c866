// FrmLoadErrors: the validation log of a file being opened, and the buttons that open or
// refuse it (for this file or the rest of the run) and choose how missing settings are filled.
// The dialog only collects the answer; applyLoadErrorAnswer turns it into the run's flags.
#pragma once

#include <QDialog>

#include "document/LoadDecision.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace tavmir::gui {

struct GuiContext;

class FrmLoadErrors : public QDialog {
    Q_OBJECT

  public:
    // Client heights of the window with the log hidden and shown (2265 and 7560 twips).
    static constexpr int kCollapsedHeight = 151;
    static constexpr int kExpandedHeight = 504;

    FrmLoadErrors(const LoadErrorRequest& request, const GuiContext* context,
                  QWidget* parent = nullptr);

    // The button that closed the dialog (kClosed until one was pressed) and the option chosen.
    LoadErrorAnswer answer() const { return m_answer; }

  private:
    void bDetails_Click();
    void decide(LoadErrorButton button);

    const StyledLog* m_log;
    const GuiContext* m_context;
    LoadErrorAnswer m_answer{LoadErrorButton::kClosed, MissingChoice::kDefault};
    int m_width = 0;

    QLabel* lFile = nullptr;
    QGroupBox* fUnassigned = nullptr;
    QRadioButton* oDefault = nullptr;
    QRadioButton* oBlank = nullptr;
    QPushButton* bDetails = nullptr;
    QPushButton* bContinueOpen = nullptr;
    QPushButton* bCancelOPen = nullptr;
    QPushButton* bContinueAll = nullptr;
    QPushButton* bCancelAll = nullptr;
    QFrame* Frame1 = nullptr;
    QTextEdit* tLog = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bPrint = nullptr;
};

}  // namespace tavmir::gui
