#include "dialogs/FrmRecoverChanges.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kRowIndexRole = Qt::UserRole + 1;

QPushButton* addButton(QDialogButtonBox* box, const char* name, const char* caption) {
    auto* button = box->addButton(QString::fromLatin1(caption), QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FrmRecoverChanges::FrmRecoverChanges(const std::vector<RecoverRow>& rows, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)), m_answers(rows.size(), RecoverAnswer::Later) {
    setObjectName(QStringLiteral("FrmRecoverChanges"));
    setWindowTitle(QStringLiteral("Recover Unsaved Changes"));

    auto* message = new QLabel(
        QStringLiteral("Tavmir ended without closing these files, and their changes were not "
                       "saved. Recover them, discard them, or keep them for the next start."),
        this);
    message->setObjectName(QStringLiteral("lMessage"));
    message->setWordWrap(true);

    m_list->setObjectName(QStringLiteral("lstFiles"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Changed settings"),
                             QStringLiteral("Last change"), QStringLiteral("Warning")});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RecoverRow& row = rows[i];
        auto* item = new QTreeWidgetItem(
            m_list, {row.file, QString::number(row.changed), row.lastChange, row.warning});
        item->setData(0, kRowIndexRole, static_cast<int>(i));
        item->setToolTip(0, row.file);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover = addButton(buttons, "bRecover", "&Recover");
    QPushButton* discard = addButton(buttons, "bDiscard", "&Discard");
    QPushButton* later = addButton(buttons, "bLater", "&Later");
    QPushButton* recoverAll = addButton(buttons, "bRecoverAll", "Recover &All");
    recoverAll->setDefault(true);
    connect(recover, &QPushButton::clicked, this,
            [this] { answerSelected(RecoverAnswer::Recover); });
    connect(discard, &QPushButton::clicked, this,
            [this] { answerSelected(RecoverAnswer::Discard); });
    connect(later, &QPushButton::clicked, this, [this] { answerSelected(RecoverAnswer::Later); });
    connect(recoverAll, &QPushButton::clicked, this, [this] {
        while (QTreeWidgetItem* item = m_list->topLevelItem(0)) {
            m_answers[static_cast<std::size_t>(item->data(0, kRowIndexRole).toInt())] =
                RecoverAnswer::Recover;
            delete item;
        }
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(760, 300);
}

void FrmRecoverChanges::answerSelected(RecoverAnswer answer) {
    QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr) item = m_list->topLevelItem(0);
    if (item == nullptr) return;
    m_answers[static_cast<std::size_t>(item->data(0, kRowIndexRole).toInt())] = answer;
    delete item;
    if (m_list->topLevelItemCount() == 0) accept();
}

std::vector<RecoverAnswer> askToRecover(QWidget* parent, const std::vector<RecoverRow>& rows) {
    FrmRecoverChanges dialog(rows, parent);
    ui().exec(dialog);
    return dialog.answers();
}

}  // namespace tavmir::gui
