// "Compare CFG/SET Files": the origin file named in tOriginFile compared with every file of
// the list; the report replaces the log at the end of the run, in a fixed-pitch font.
#pragma once

#include "batch/BatchComparison.h"
#include "batch/BatchWindow.h"

class QLineEdit;

namespace tavmir::gui {

class FrmCompareFiles : public BatchWindow {
    Q_OBJECT

  public:
    FrmCompareFiles(GuiContext& context, QWidget* parent = nullptr);

  protected:
    void startRun() override;
    void requestStop() override { m_run.requestStop(); }
    QString runningMessage() const override { return QStringLiteral("Comparison in progress"); }
    std::string originText() const override;
    void afterFilesAdded() override;
    int fullHeight() const override { return 686; }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // bAddOriginFile, also a double click on tOriginFile.
    void chooseOriginFile();

    // Frame3 "Compare File" with tOriginFile and bAddOriginFile.
    QGroupBox* m_originFrame = nullptr;
    QLineEdit* m_originFile = nullptr;
    QPushButton* m_originButton = nullptr;
    BatchComparison m_run;
    int m_originFilterIndex = 0;
};

}  // namespace tavmir::gui
