// FrmLoadErrors: the validation log of a file being opened, and the buttons that open or
// refuse it (for this file or the rest of the run) and choose how missing settings are filled.
// The dialog only collects the answer; applyLoadErrorAnswer turns it into the run's flags.
#pragma once

#include <QDialog>

#include "document/LoadDecision.h"

class QPushButton;
class QRadioButton;

namespace tavmir::gui {

struct GuiContext;
class LogPanel;

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
    // "Vi&ew details" / "Hid&e details": shows or hides the log below the buttons.
    void toggleDetails();
    void decide(LoadErrorButton button);

    LoadErrorAnswer m_answer{LoadErrorButton::Closed, MissingChoice::Default};
    int m_width = 0;
    QRadioButton* m_blankOption = nullptr;   // oBlank
    QPushButton* m_detailsButton = nullptr;  // bDetails
    LogPanel* m_logPanel = nullptr;          // Frame1
};

}  // namespace tavmir::gui
