#include "dialogs/FrmEditSettingForAllShips.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kColumnStep = 82;
constexpr int kBoxWidth = 76;
constexpr int kFrameLeft = 8;
constexpr int kFrameWidth = 9 * kColumnStep + 14;

}  // namespace

FrmEditSettingForAllShips::FrmEditSettingForAllShips(const Catalogue& catalogue,
                                                     EditAllShipsHost host, int shownRow,
                                                     QWidget* parent)
    : OperationDialog(QStringLiteral("frmEditSettingForAllShips"),
                      QStringLiteral("Edit Setting For All Ships"), parent),
      m_session(catalogue, shownRow),
      m_host(std::move(host)) {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(kFrameLeft, 6, kFrameWidth, 98);
    QPalette averagePalette = palette();
    averagePalette.setColor(QPalette::Base, QColor(232, 232, 232));
    for (int k = 0; k <= kEditAllAverageBox; ++k) {
        const auto n = static_cast<std::size_t>(k);
        const int x = 8 + k * kColumnStep;
        Label1[n] = new QLabel(QLatin1String(kEditAllBoxCaptions[n]), Frame1);
        Label1[n]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        Label1[n]->setGeometry(x, 22, kBoxWidth, 16);
        Label1[n]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        Label1[n]->installEventFilter(this);
        tSet[n] = new QLineEdit(Frame1);
        tSet[n]->setObjectName(QStringLiteral("tSet_%1").arg(k));
        tSet[n]->setGeometry(x, 40, kBoxWidth, 22);
        tSet[n]->installEventFilter(this);
        if (k < kEditAllAverageBox) {
            lAvg[n] = new QLabel(Frame1);
            lAvg[n]->setObjectName(QStringLiteral("lAvg_%1").arg(k));
            lAvg[n]->setGeometry(x, 66, kBoxWidth, 16);
            lAvg[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            lAvg[n]->installEventFilter(this);
            connect(tSet[n], &QLineEdit::textChanged, this, [this, k](const QString& text) {
                if (m_filling) return;
                m_session.editShipBox(k, toCore(text));
                m_filling = true;
                tSet[kEditAllAverageBox]->setText(fromCore(m_session.boxText(kEditAllAverageBox)));
                m_filling = false;
                showPercents();
            });
        }
    }
    tSet[kEditAllAverageBox]->setReadOnly(true);
    tSet[kEditAllAverageBox]->setPalette(averagePalette);

    bPreviousSetting =
        addButton("bPreviousSetting", QStringLiteral("< &Previous"), {8, 114, 96, 28});
    bNextSetting = addButton("bNextSetting", QStringLiteral("&Next >"), {110, 114, 96, 28});
    bClose =
        addButton("bClose", QStringLiteral("&Close"), {kFrameLeft + kFrameWidth - 96, 114, 96, 28});
    connect(bPreviousSetting, &QPushButton::clicked, this,
            &FrmEditSettingForAllShips::bPreviousSetting_Click);
    connect(bNextSetting, &QPushButton::clicked, this,
            &FrmEditSettingForAllShips::bNextSetting_Click);
    connect(bClose, &QPushButton::clicked, this, &FrmEditSettingForAllShips::bClose_Click);
    setFixedSize(kFrameLeft * 2 + kFrameWidth, 150);
}

void FrmEditSettingForAllShips::open(int currentPage, int focusedField, Qt::Alignment alignment) {
    for (QLineEdit* box : tSet) box->setAlignment(alignment);
    const int box = m_session.open(*m_host.fields, currentPage, focusedField);
    showSession();
    tSet[static_cast<std::size_t>(box)]->setFocus(Qt::OtherFocusReason);
}

void FrmEditSettingForAllShips::showSession() {
    m_filling = true;
    for (int k = 0; k <= kEditAllAverageBox; ++k)
        tSet[static_cast<std::size_t>(k)]->setText(fromCore(m_session.boxText(k)));
    m_filling = false;
    showPercents();
    Frame1->setTitle(fromCore(m_session.frameCaption()));
    const QString line = fromCore(m_session.descriptionLine());
    Frame1->setToolTip(line);
    showRemark(line);
    const int focused = m_session.focusedShip();
    if (focused >= 0) {
        QLineEdit* box = tSet[static_cast<std::size_t>(focused)];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void FrmEditSettingForAllShips::showPercents() {
    for (int k = 0; k < kEditAllAverageBox; ++k)
        lAvg[static_cast<std::size_t>(k)]->setText(fromCore(m_session.percentText(k)));
}

void FrmEditSettingForAllShips::bPreviousSetting_Click() {
    m_session.previousSetting(*m_host.fields, m_host.apply);
    showSession();
}

void FrmEditSettingForAllShips::bNextSetting_Click() {
    m_session.nextSetting(*m_host.fields, m_host.apply);
    showSession();
}

void FrmEditSettingForAllShips::bClose_Click() {
    if (m_closed) return;
    m_closed = true;
    m_closing = m_session.close(*m_host.fields, m_host.apply);
    if (m_host.showPage) m_host.showPage(m_closing.page);
    done(QDialog::Accepted);
}

int FrmEditSettingForAllShips::boxOf(const QObject* object) const {
    for (int k = 0; k <= kEditAllAverageBox; ++k) {
        const auto n = static_cast<std::size_t>(k);
        if (object == tSet[n] || object == Label1[n]) return k;
        if (k < kEditAllAverageBox && object == lAvg[n]) return k;
    }
    return -1;
}

void FrmEditSettingForAllShips::showFocusedShipPage() {
    if (m_host.showPage) m_host.showPage(m_session.pageOfFocusedBox());
    const int focused = m_session.focusedShip();
    if (focused >= 0) tSet[static_cast<std::size_t>(focused)]->setFocus(Qt::OtherFocusReason);
}

bool FrmEditSettingForAllShips::eventFilter(QObject* watched, QEvent* event) {
    const int k = boxOf(watched);
    if (k < 0) return OperationDialog::eventFilter(watched, event);
    QLineEdit* box = tSet[static_cast<std::size_t>(k)];
    const bool isBox = watched == box;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (isBox) {
                m_session.focusBox(k);
                // After the mouse press has placed the cursor, so the selection stays.
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
            }
            break;
        case QEvent::KeyPress: {
            if (!isBox) break;
            if (refusesKey(*static_cast<QKeyEvent*>(event), true)) return true;
            break;
        }
        case QEvent::MouseButtonPress:
            if (!isBox) box->setFocus(Qt::MouseFocusReason);
            break;
        case QEvent::MouseButtonDblClick:
            box->setFocus(Qt::MouseFocusReason);
            m_session.focusBox(k);
            showFocusedShipPage();
            return true;
        default:
            break;
    }
    return OperationDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
