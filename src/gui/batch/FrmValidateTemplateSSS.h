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

    QTextEdit* tLog = nullptr;
    QPushButton* bValidate = nullptr;
    QPushButton* bFix = nullptr;
    QPushButton* bCancel = nullptr;

    void bValidate_Click();
    void bFix_Click();

    const StyledLog& log() const { return m_log; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showTemplateLog(const StyledLog& log);

    StyledLog m_log;
    TemplateFix m_fix;
    std::string m_chosen;
};

}  // namespace tavmir::gui
