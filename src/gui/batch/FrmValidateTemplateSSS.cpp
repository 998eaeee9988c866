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
    tLog = new QTextEdit(this);
    tLog->setObjectName(QStringLiteral("tLog"));
    tLog->setReadOnly(true);
    layout->addWidget(tLog, 1);
    auto* buttons = new QHBoxLayout;
    bValidate = new QPushButton(QStringLiteral("&Validate"), this);
    bValidate->setObjectName(QStringLiteral("bValidate"));
    bFix = new QPushButton(QStringLiteral("&Fix template.sss"), this);
    bFix->setObjectName(QStringLiteral("bFix"));
    bFix->hide();
    bCancel = new QPushButton(QStringLiteral("&Exit"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    for (QPushButton* b : {bValidate, bFix, bCancel}) b->setAutoDefault(false);
    buttons->addWidget(bValidate);
    buttons->addWidget(bFix);
    buttons->addStretch(1);
    buttons->addWidget(bCancel);
    layout->addLayout(buttons);
    resize(560, 380);

    writeTemplateIntroduction(m_log);
    showTemplateLog(m_log);
    connect(bValidate, &QPushButton::clicked, this, &FrmValidateTemplateSSS::bValidate_Click);
    connect(bFix, &QPushButton::clicked, this, &FrmValidateTemplateSSS::bFix_Click);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmValidateTemplateSSS::showTemplateLog(const StyledLog& log) {
    showLog(*tLog, log);
    tLog->verticalScrollBar()->setValue(tLog->verticalScrollBar()->maximum());
}

void FrmValidateTemplateSSS::bValidate_Click() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Open template.sss");
    request.filters = QStringList{QStringLiteral("Server Settings Template (template.sss)")};
    request.directory = QStringLiteral("template.sss");
    const QString path = ui().openFileName(this, request);
    if (path.isEmpty()) return;
    m_chosen = toCore(path);
    std::string text, reason;
    if (!readTemplateFile(m_chosen, text, reason)) {
        // Nothing was checked: say why, and let the user choose another file.
        writeTemplateReadError(m_log, m_chosen, reason);
        showTemplateLog(m_log);
        return;
    }
    const TemplateFindings findings = checkTemplateText(text);
    writeTemplateCheck(m_log, findings);
    showTemplateLog(m_log);
    bValidate->hide();
    if (!findings.ok()) {
        bFix->show();
        m_fix.newCheck();
    }
}

void FrmValidateTemplateSSS::bFix_Click() {
    BusyCursor busy;
    if (m_fix.fix(m_chosen, m_log)) bFix->hide();
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
