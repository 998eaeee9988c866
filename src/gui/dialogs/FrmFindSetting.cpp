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
    auto* findLabel = new QLabel(QStringLiteral("Find:"), this);
    findLabel->setObjectName(QStringLiteral("Label1"));
    findLabel->setGeometry(8, 12, 40, 20);
    m_findText = new QLineEdit(fromCore(search.findText), this);
    m_findText->setObjectName(QStringLiteral("tFind"));
    m_findText->setGeometry(48, 10, 264, 24);
    m_findText->installEventFilter(this);
    findLabel->setBuddy(m_findText);

    auto* searchFrame = new QGroupBox(QStringLiteral("Search"), this);
    searchFrame->setObjectName(QStringLiteral("Frame2"));
    searchFrame->setGeometry(8, 42, 304, 96);
    m_sectionBox = searchBox(searchFrame, "chGroup", QStringLiteral("Setting &Section"), 22,
                             search.searchSection);
    m_keyBox =
        searchBox(searchFrame, "chName", QStringLiteral("Setting &Key"), 46, search.searchKey);
    m_remarkBox = searchBox(searchFrame, "chRemark", QStringLiteral("Setting &Remark"), 70,
                            search.searchRemark);

    QPushButton* findButton = addButton("bFind", QStringLiteral("&Find"), {322, 10, 90, 28});
    QPushButton* closeButton = addButton("bClose", QStringLiteral("&Close"), {322, 44, 90, 28});
    connect(findButton, &QPushButton::clicked, this, &FrmFindSetting::acceptSearch);
    connect(closeButton, &QPushButton::clicked, this, &FrmFindSetting::cancelSearch);
    setFixedSize(420, 146);
    m_findText->setFocus(Qt::OtherFocusReason);
    m_findText->selectAll();
}

void FrmFindSetting::acceptSearch() {
    const FindDialogRefusal refusal =
        acceptFindDialog(toCore(m_findText->text()), m_sectionBox->isChecked(),
                         m_keyBox->isChecked(), m_remarkBox->isChecked(), m_search);
    if (refusal.refused()) {
        showInformation(this, fromCore(refusal.message));
        if (refusal.focus == FindDialogControl::KeyBox)
            m_keyBox->setFocus(Qt::OtherFocusReason);
        else
            m_findText->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_cancelled = false;
    accept();
}

void FrmFindSetting::cancelSearch() {
    m_cancelled = true;
    reject();
}

bool FrmFindSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_findText && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_findText, [this] { m_findText->selectAll(); });
    return OperationDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
