#include "dialogs/FrmEditSettingForAllShips.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "UiServices.h"
#include "widgets/ThemeColours.h"

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
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(kFrameLeft, 6, kFrameWidth, 98);
    QPalette averagePalette = palette();
    averagePalette.setColor(QPalette::Base, ThemeColours(averagePalette).averageFieldBase());
    for (int k = 0; k <= kEditAllAverageBox; ++k) {
        const auto n = static_cast<std::size_t>(k);
        const int x = 8 + k * kColumnStep;
        m_captionLabels[n] = new QLabel(QLatin1String(kEditAllBoxCaptions[n]), m_frame);
        m_captionLabels[n]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        m_captionLabels[n]->setGeometry(x, 22, kBoxWidth, 16);
        m_captionLabels[n]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m_captionLabels[n]->installEventFilter(this);
        m_valueBoxes[n] = new QLineEdit(m_frame);
        m_valueBoxes[n]->setObjectName(QStringLiteral("tSet_%1").arg(k));
        m_valueBoxes[n]->setGeometry(x, 40, kBoxWidth, 22);
        m_valueBoxes[n]->installEventFilter(this);
        if (k < kEditAllAverageBox) {
            m_percentLabels[n] = new QLabel(m_frame);
            m_percentLabels[n]->setObjectName(QStringLiteral("lAvg_%1").arg(k));
            m_percentLabels[n]->setGeometry(x, 66, kBoxWidth, 16);
            m_percentLabels[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            m_percentLabels[n]->installEventFilter(this);
            connect(m_valueBoxes[n], &QLineEdit::textChanged, this, [this, k](const QString& text) {
                if (m_filling) return;
                m_session.editShipBox(k, toCore(text));
                m_filling = true;
                m_valueBoxes[kEditAllAverageBox]->setText(
                    fromCore(m_session.boxText(kEditAllAverageBox)));
                m_filling = false;
                showPercents();
            });
        }
    }
    m_valueBoxes[kEditAllAverageBox]->setReadOnly(true);
    m_valueBoxes[kEditAllAverageBox]->setPalette(averagePalette);

    QPushButton* previousButton =
        addButton("bPreviousSetting", QStringLiteral("< &Previous"), {8, 114, 96, 28});
    QPushButton* nextButton =
        addButton("bNextSetting", QStringLiteral("&Next >"), {110, 114, 96, 28});
    QPushButton* closeButton =
        addButton("bClose", QStringLiteral("&Close"), {kFrameLeft + kFrameWidth - 96, 114, 96, 28});
    connect(previousButton, &QPushButton::clicked, this,
            &FrmEditSettingForAllShips::showPreviousSetting);
    connect(nextButton, &QPushButton::clicked, this, &FrmEditSettingForAllShips::showNextSetting);
    connect(closeButton, &QPushButton::clicked, this,
            &FrmEditSettingForAllShips::writeBackAndClose);
    setFixedSize(kFrameLeft * 2 + kFrameWidth, 150);
}

void FrmEditSettingForAllShips::open(int currentPage, int focusedField, Qt::Alignment alignment) {
    for (QLineEdit* box : m_valueBoxes) box->setAlignment(alignment);
    const int box = m_session.open(*m_host.fields, currentPage, focusedField);
    showSession();
    m_valueBoxes[static_cast<std::size_t>(box)]->setFocus(Qt::OtherFocusReason);
}

void FrmEditSettingForAllShips::showSession() {
    m_filling = true;
    for (int k = 0; k <= kEditAllAverageBox; ++k)
        m_valueBoxes[static_cast<std::size_t>(k)]->setText(fromCore(m_session.boxText(k)));
    m_filling = false;
    showPercents();
    m_frame->setTitle(fromCore(m_session.frameCaption()));
    const QString line = fromCore(m_session.descriptionLine());
    m_frame->setToolTip(line);
    showRemark(line);
    const int focused = m_session.focusedShip();
    if (focused >= 0) {
        QLineEdit* box = m_valueBoxes[static_cast<std::size_t>(focused)];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void FrmEditSettingForAllShips::showPercents() {
    for (int k = 0; k < kEditAllAverageBox; ++k)
        m_percentLabels[static_cast<std::size_t>(k)]->setText(fromCore(m_session.percentText(k)));
}

void FrmEditSettingForAllShips::showPreviousSetting() {
    m_session.previousSetting(*m_host.fields, m_host.apply);
    showSession();
}

void FrmEditSettingForAllShips::showNextSetting() {
    m_session.nextSetting(*m_host.fields, m_host.apply);
    showSession();
}

void FrmEditSettingForAllShips::writeBackAndClose() {
    if (m_closed) return;
    m_closed = true;
    m_closing = m_session.close(*m_host.fields, m_host.apply);
    if (m_host.showPage) m_host.showPage(m_closing.page);
    done(QDialog::Accepted);
}

int FrmEditSettingForAllShips::boxOf(const QObject* object) const {
    for (int k = 0; k <= kEditAllAverageBox; ++k) {
        const auto n = static_cast<std::size_t>(k);
        if (object == m_valueBoxes[n] || object == m_captionLabels[n]) return k;
        if (k < kEditAllAverageBox && object == m_percentLabels[n]) return k;
    }
    return -1;
}

void FrmEditSettingForAllShips::showFocusedShipPage() {
    if (m_host.showPage) m_host.showPage(m_session.pageOfFocusedBox());
    const int focused = m_session.focusedShip();
    if (focused >= 0)
        m_valueBoxes[static_cast<std::size_t>(focused)]->setFocus(Qt::OtherFocusReason);
}

bool FrmEditSettingForAllShips::eventFilter(QObject* watched, QEvent* event) {
    const int k = boxOf(watched);
    if (k < 0) return OperationDialog::eventFilter(watched, event);
    QLineEdit* box = m_valueBoxes[static_cast<std::size_t>(k)];
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
