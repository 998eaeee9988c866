#include "dialogs/FrmEditAlphanum.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kWidth = 640;

}  // namespace

FrmEditAlphanum::FrmEditAlphanum(const Catalogue& catalogue, const FieldTexts& fields, int editItem,
                                 QWidget* parent)
    : OperationDialog(QStringLiteral("FrmEditAlphanum"),
                      QStringLiteral("Edit Alphanumeric Setting"), parent),
      m_fields(fields),
      m_edit(openAlphanumEdit(catalogue, fields, editItem)) {
    auto* frame = new QGroupBox(fromCore(m_edit.frameCaption), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 6, kWidth - 16, 60);
    frame->setToolTip(remark());
    showRemark(remark());
    m_textBox = new QLineEdit(fromCore(m_edit.text), frame);
    m_textBox->setObjectName(QStringLiteral("tSetting"));
    m_textBox->setGeometry(10, 24, kWidth - 36, 24);
    m_textBox->setMaxLength(static_cast<int>(kAlphanumMaxLength));
    m_textBox->installEventFilter(this);

    QPushButton* acceptButton =
        addButton("bAccept", QStringLiteral("&Accept"), {kWidth - 208, 74, 96, 28});
    QPushButton* cancelButton =
        addButton("bCancel", QStringLiteral("Ca&ncel"), {kWidth - 104, 74, 96, 28});
    connect(acceptButton, &QPushButton::clicked, this, &FrmEditAlphanum::acceptText);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kWidth, 110);
    m_textBox->setFocus(Qt::OtherFocusReason);
    m_textBox->selectAll();
}

QString FrmEditAlphanum::remark() const { return fromCore(m_edit.tooltip); }

void FrmEditAlphanum::acceptText() {
    m_writes = acceptAlphanumEdit(m_fields, m_edit.item, toCore(m_textBox->text()));
    accept();
}

bool FrmEditAlphanum::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_textBox) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, m_textBox, [this] { m_textBox->selectAll(); });
        if (event->type() == QEvent::KeyPress && refusesKey(*static_cast<QKeyEvent*>(event), false))
            return true;
    }
    return OperationDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
