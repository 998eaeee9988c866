// FrmCloseFile: the save prompt for a modified file, with Yes, No and Cancel, and Yes to All
// and No to All while several files close.
#pragma once

#include <QDialog>

#include <string>

#include "session/ClosePrompt.h"

class QWidget;

namespace tavmir::gui {

class FrmCloseFile : public QDialog {
    Q_OBJECT

  public:
    FrmCloseFile(const QString& path, bool allAnswers, QWidget* parent = nullptr);

    // The answer of the button pressed; Cancel when the prompt was closed another way.
    CloseAnswer answer() const { return m_answer; }

  private:
    CloseAnswer m_answer = CloseAnswer::Cancel;
};

// Closing the prompt by its window close box counts as Cancel.
CloseAnswer askToSave(QWidget* parent, const std::string& path, bool allAnswers);

}  // namespace tavmir::gui
