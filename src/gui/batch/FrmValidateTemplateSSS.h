// "Validate template.sss": checks a chosen template.sss for its three known faults and, on
// request, replaces it by the corrected template beside the program after keeping a backup.
#pragma once

#include <QDialog>

#include "GuiContext.h"
#include "batch/TemplateCheck.h"
#include "settingsfile/StyledLog.h"

class QPushButton;
class QTextEdit;

namespace tavmir::gui {

class FrmValidateTemplateSSS : public QDialog {
    Q_OBJECT

  public:
    FrmValidateTemplateSSS(GuiContext& context, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // bValidate: asks for a template.sss and checks it; Fix is offered when it has faults.
    void chooseAndCheck();
    // bFix: replaces the checked file by the corrected template, keeping a backup.
    void fixTemplate();
    void showTemplateLog(const StyledLog& log);

    // The controls; their object names are those of the dialog's design (tLog, bValidate, ...).
    QTextEdit* m_logView = nullptr;
    QPushButton* m_validateButton = nullptr;
    QPushButton* m_fixButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    StyledLog m_log;
    TemplateFix m_fix;
    std::string m_chosen;
};

}  // namespace tavmir::gui
