#include "dialogs/FrmFindSetting.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

QCheckBox* searchBox(QWidget* parent, const char* name, const QString& caption, int y,
                     bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(12, y, 260, 20);
    box->setChecked(checked);
    return box;
}

}  // namespace

FrmFindSetting::FrmFindSetting(SearchState& search, QWidget* parent)
    : OperationDialog(QStringLiteral("FrmFindSetting"), QStringLiteral("Find Setting"), parent),
      m_search(search) {
    Label1 = new QLabel(QStringLiteral("Find:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 12, 40, 20);
    tFind = new QLineEdit(fromCore(search.findText), this);
    tFind->setObjectName(QStringLiteral("tFind"));
    tFind->setGeometry(48, 10, 264, 24);
    tFind->installEventFilter(this);
    Label1->setBuddy(tFind);

    Frame2 = new QGroupBox(QStringLiteral("Search"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(8, 42, 304, 96);
    chGroup =
        searchBox(Frame2, "chGroup", QStringLiteral("Setting &Section"), 22, search.searchSection);
    chName = searchBox(Frame2, "chName", QStringLiteral("Setting &Key"), 46, search.searchKey);
    chRemark =
        searchBox(Frame2, "chRemark", QStringLiteral("Setting &Remark"), 70, search.searchRemark);

    bFind = addButton("bFind", QStringLiteral("&Find"), {322, 10, 90, 28});
    bClose = addButton("bClose", QStringLiteral("&Close"), {322, 44, 90, 28});
    connect(bFind, &QPushButton::clicked, this, &FrmFindSetting::bFind_Click);
    connect(bClose, &QPushButton::clicked, this, &FrmFindSetting::bClose_Click);
    setFixedSize(420, 146);
    tFind->setFocus(Qt::OtherFocusReason);
    tFind->selectAll();
}

void FrmFindSetting::bFind_Click() {
    const FindDialogRefusal refusal =
        acceptFindDialog(toCore(tFind->text()), chGroup->isChecked(), chName->isChecked(),
                         chRemark->isChecked(), m_search);
    if (refusal.refused()) {
        showInformation(this, fromCore(refusal.message));
        if (refusal.focus == FindDialogControl::KeyBox)
            chName->setFocus(Qt::OtherFocusReason);
        else
            tFind->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_cancelled = false;
    accept();
}

void FrmFindSetting::bClose_Click() {
    m_cancelled = true;
    reject();
}

bool FrmFindSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tFind && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, tFind, [this] { tFind->selectAll(); });
    return OperationDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
