#include "batch/FrmValidateTemplateSSS.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "UiServices.h"
#include "dialogs/LogReport.h"

namespace tavmir::gui {

FrmValidateTemplateSSS::FrmValidateTemplateSSS(GuiContext& context, QWidget* parent)
    : QDialog(parent), m_fix(context.catalogueFolder() / "template.dat") {
    setObjectName(QStringLiteral("FrmValidateTemplateSSS"));
    setWindowTitle(QStringLiteral("Validate template.sss"));
    auto* layout = new QVBoxLayout(this);
    m_logView = new QTextEdit(this);
    m_logView->setObjectName(QStringLiteral("tLog"));
    m_logView->setReadOnly(true);
    layout->addWidget(m_logView, 1);
    auto* buttons = new QHBoxLayout;
    m_validateButton = new QPushButton(QStringLiteral("&Validate"), this);
    m_validateButton->setObjectName(QStringLiteral("bValidate"));
    m_fixButton = new QPushButton(QStringLiteral("&Fix template.sss"), this);
    m_fixButton->setObjectName(QStringLiteral("bFix"));
    m_fixButton->hide();
    m_exitButton = new QPushButton(QStringLiteral("&Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("bCancel"));
    // Enter runs the step the log asks for: Validate, then Fix, then Exit.
    m_validateButton->setDefault(true);
    buttons->addWidget(m_validateButton);
    buttons->addWidget(m_fixButton);
    buttons->addStretch(1);
    buttons->addWidget(m_exitButton);
    layout->addLayout(buttons);
    resize(560, 380);

    writeTemplateIntroduction(m_log);
    showTemplateLog(m_log);
    connect(m_validateButton, &QPushButton::clicked, this, &FrmValidateTemplateSSS::chooseAndCheck);
    connect(m_fixButton, &QPushButton::clicked, this, &FrmValidateTemplateSSS::fixTemplate);
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmValidateTemplateSSS::showTemplateLog(const StyledLog& log) {
    showLog(*m_logView, log);
    m_logView->verticalScrollBar()->setValue(m_logView->verticalScrollBar()->maximum());
}

void FrmValidateTemplateSSS::chooseAndCheck() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Open template.sss");
    request.filters = QStringList{QStringLiteral("Server Settings Template (template.sss)")};
    request.directory = QStringLiteral("template.sss");
    const QString path = ui().openFileName(this, request);
    if (path.isEmpty()) return;
    m_chosen = toCore(path);
    const auto text = readTemplateFile(m_chosen);
    if (!text) {
        // Nothing was checked: say why, and let the user choose another file.
        writeTemplateReadError(m_log, m_chosen, templateReadErrorText(text.error()));
        showTemplateLog(m_log);
        return;
    }
    const TemplateFindings findings = checkTemplateText(*text);
    writeTemplateCheck(m_log, findings);
    showTemplateLog(m_log);
    m_validateButton->hide();
    if (!findings.ok()) {
        m_fixButton->show();
        m_fixButton->setDefault(true);
        m_fix.newCheck();
    } else {
        m_exitButton->setDefault(true);
    }
}

void FrmValidateTemplateSSS::fixTemplate() {
    BusyCursor busy;
    if (m_fix.fix(m_chosen, m_log)) {
        m_fixButton->hide();
        m_exitButton->setDefault(true);
    }
    showTemplateLog(m_log);
}

void FrmValidateTemplateSSS::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tavmir::gui
