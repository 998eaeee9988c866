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
    Frame1 = new QGroupBox(fromCore(m_edit.frameCaption), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 6, kWidth - 16, 60);
    Frame1->setToolTip(remark());
    showRemark(remark());
    tSetting = new QLineEdit(fromCore(m_edit.text), Frame1);
    tSetting->setObjectName(QStringLiteral("tSetting"));
    tSetting->setGeometry(10, 24, kWidth - 36, 24);
    tSetting->setMaxLength(static_cast<int>(kAlphanumMaxLength));
    tSetting->installEventFilter(this);

    bAccept = addButton("bAccept", QStringLiteral("&Accept"), {kWidth - 208, 74, 96, 28});
    bCancel = addButton("bCancel", QStringLiteral("Ca&ncel"), {kWidth - 104, 74, 96, 28});
    connect(bAccept, &QPushButton::clicked, this, &FrmEditAlphanum::bAccept_Click);
    connect(bCancel, &QPushButton::clicked, this, &FrmEditAlphanum::bCancel_Click);
    setFixedSize(kWidth, 110);
    tSetting->setFocus(Qt::OtherFocusReason);
    tSetting->selectAll();
}

QString FrmEditAlphanum::remark() const { return fromCore(m_edit.tooltip); }

void FrmEditAlphanum::bAccept_Click() {
    m_writes = acceptAlphanumEdit(m_fields, m_edit.item, toCore(tSetting->text()));
    accept();
}

bool FrmEditAlphanum::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tSetting) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, tSetting, [this] { tSetting->selectAll(); });
        if (event->type() == QEvent::KeyPress && refusesKey(*static_cast<QKeyEvent*>(event), false))
            return true;
    }
    return OperationDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
