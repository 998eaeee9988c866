// "Set Values In Files": the values the user gives (one "Section:Key=Value" per line, typed or
// taken from an origin file) written into the own lines of every file of the list, each row
// marked with what became of its file, the log growing as the run goes.
#pragma once

#include "batch/BatchSetValues.h"
#include "batch/BatchWindow.h"
#include "document/BackupSession.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace tavmir::gui {

class FrmSetValues : public BatchWindow {
    Q_OBJECT

  public:
    FrmSetValues(GuiContext& context, QWidget* parent = nullptr);

  protected:
    void startRun() override;
    void requestStop() override { m_run.requestStop(); }
    QString runningMessage() const override { return QStringLiteral("Setting values in progress"); }
    std::string originText() const override;
    int fullHeight() const override { return 680; }

  private:
    // Take From File: the values of every setting an origin file names, to keep or delete.
    void takeFromFile();

    BatchSetValues m_run;
    // Which files this window's runs wrote (FILE.bak is kept at the first write of each).
    BackupSession m_backups;
    QGroupBox* m_valuesFrame = nullptr;
    QPlainTextEdit* m_values = nullptr;   // tValues
    QPushButton* m_takeButton = nullptr;  // bTakeFromFile
    int m_originFilterIndex = -1;
};

}  // namespace tavmir::gui
