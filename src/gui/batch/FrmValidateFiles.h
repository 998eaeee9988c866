// "Validate CFG/SET Files": every file of the list through the reader, the coloured log growing
// as the run goes, each row marked with its type, counts and result image.
#pragma once

#include "batch/BatchValidation.h"
#include "batch/BatchWindow.h"

namespace tavmir::gui {

class FrmValidateFiles : public BatchWindow {
    Q_OBJECT

  public:
    FrmValidateFiles(GuiContext& context, QWidget* parent = nullptr);

  protected:
    void startRun() override;
    void requestStop() override { m_run.requestStop(); }
    QString runningMessage() const override { return QStringLiteral("Validation in progress"); }
    int fullHeight() const override { return 636; }

  private:
    // Appends to the log view what the log gained since the last call.
    void showNewRuns();

    BatchValidation m_run;
    std::size_t m_shownRuns = 0;   // runs shown completely
    std::size_t m_shownChars = 0;  // characters shown of the run after them
};

}  // namespace tavmir::gui
