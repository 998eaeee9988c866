#include "dialogs/FrmPreferences.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

#include "BusyCursor.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "document/KeyFilters.h"

namespace tavmir::gui {
namespace {

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption,
                         const QString& tip) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    option->setToolTip(tip);
    return option;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in the time field must not press a button behind the user's back.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FrmPreferences::FrmPreferences(GuiContext& context, std::function<void()> realignEditors,
                               QWidget* parent)
    : QDialog(parent), m_context(context), m_realignEditors(std::move(realignEditors)) {
    setObjectName(QStringLiteral("FrmPreferences"));
    setWindowTitle(QStringLiteral("Preferences"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    auto* editorTab = new QWidget(SSTab1);
    Frame3 = new QGroupBox(QStringLiteral("Mouse Wheel Speed (scrollbars)"), editorTab);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    oWheelSpeedLow = makeOption(Frame3, "oWheelSpeedLow", QStringLiteral("Lo&w"),
                                QStringLiteral("Set low speed for mouse wheel"));
    oWheelSpeedMedium = makeOption(Frame3, "oWheelSpeedMedium", QStringLiteral("&Medium"),
                                   QStringLiteral("Set medium speed for mouse wheel"));
    oWheelSpeedHigh = makeOption(Frame3, "oWheelSpeedHigh", QStringLiteral("&High"),
                                 QStringLiteral("Set high speed for mouse wheel"));
    auto* wheelRow = new QHBoxLayout(Frame3);
    wheelRow->addWidget(oWheelSpeedLow);
    wheelRow->addWidget(oWheelSpeedMedium);
    wheelRow->addWidget(oWheelSpeedHigh);

    Frame2 = new QGroupBox(QStringLiteral("Text Alignment"), editorTab);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    oTextAlignLeft = makeOption(Frame2, "oTextAlignLeft", QStringLiteral("&Left"),
                                QStringLiteral("Align editor text to the left"));
    oTextAlignCenter = makeOption(Frame2, "oTextAlignCenter", QStringLiteral("&Center"),
                                  QStringLiteral("Align editor text at center"));
    oTextAlignRight = makeOption(Frame2, "oTextAlignRight", QStringLiteral("&Right"),
                                 QStringLiteral("Align editor text to the right"));
    auto* alignRow = new QHBoxLayout(Frame2);
    alignRow->addWidget(oTextAlignLeft);
    alignRow->addWidget(oTextAlignCenter);
    alignRow->addWidget(oTextAlignRight);

    auto* editorColumn = new QVBoxLayout(editorTab);
    editorColumn->addWidget(Frame3);
    editorColumn->addWidget(Frame2);
    editorColumn->addStretch();
    SSTab1->addTab(editorTab, QStringLiteral("Editor"));

    auto* saveTab = new QWidget(SSTab1);
    Frame1 = new QGroupBox(QStringLiteral("Window Message On Save"), saveTab);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    chDisableWindowMessage = new QCheckBox(QStringLiteral("&Disable Window Message"), Frame1);
    chDisableWindowMessage->setObjectName(QStringLiteral("chDisableWindowMessage"));
    chDisableWindowMessage->setToolTip(
        QStringLiteral("Wether the window message on save is disabled or not"));
    const QString timeTip = QStringLiteral(
        "How long the window message will be shown. From 100 to 5000 (milliseconds)");
    lMessageTime = new QLabel(QStringLiteral("Message Time (ms)"), Frame1);
    lMessageTime->setObjectName(QStringLiteral("lMessageTime"));
    lMessageTime->setToolTip(timeTip);
    tMessageTime = new QLineEdit(Frame1);
    tMessageTime->setObjectName(QStringLiteral("tMessageTime"));
    tMessageTime->setToolTip(timeTip);
    // The field only ever holds a few digits; a cap keeps a paste from filling it with megabytes.
    tMessageTime->setMaxLength(32);
    tMessageTime->setFixedWidth(80);
    tMessageTime->installEventFilter(this);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(lMessageTime);
    timeRow->addWidget(tMessageTime);
    timeRow->addStretch();
    auto* messageColumn = new QVBoxLayout(Frame1);
    messageColumn->addWidget(chDisableWindowMessage);
    messageColumn->addLayout(timeRow);
    auto* saveColumn = new QVBoxLayout(saveTab);
    saveColumn->addWidget(Frame1);
    saveColumn->addStretch();
    SSTab1->addTab(saveTab, QStringLiteral("Save"));

    bApplyPreferences = makeButton(this, "bApplyPreferences", QStringLiteral("&Apply Preferences"));
    bSavePreferences = makeButton(this, "bSavePreferences", QStringLiteral("&Save Preferences"));
    bClose = makeButton(this, "bClose", QStringLiteral("Cl&ose"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(bApplyPreferences);
    buttonRow->addWidget(bSavePreferences);
    buttonRow->addStretch();
    buttonRow->addWidget(bClose);

    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1);
    column->addLayout(buttonRow);

    // Every opening starts from the values in force.
    const Preferences& prefs = m_context.preferences;
    switch (prefs.textAlign) {
        case 1:
            oTextAlignRight->setChecked(true);
            m_alignmentWord = "right";
            break;
        case 2:
            oTextAlignCenter->setChecked(true);
            m_alignmentWord = "center";
            break;
        default:
            oTextAlignLeft->setChecked(true);
            m_alignmentWord = "left";
            break;
    }
    switch (prefs.mouseWheelSpeed) {
        case 1:
            oWheelSpeedLow->setChecked(true);
            break;
        case 3:
            oWheelSpeedHigh->setChecked(true);
            break;
        default:  // any other stored value scrolls as medium
            oWheelSpeedMedium->setChecked(true);
            break;
    }
    chDisableWindowMessage->setChecked(prefs.disableWindowMessage == 1);
    tMessageTime->setText(fromCore(prefs.messageTime));
    showMessageTimeEnabled(prefs.disableWindowMessage != 1);

    connect(chDisableWindowMessage, &QCheckBox::toggled, this,
            [this](bool ticked) { showMessageTimeEnabled(!ticked); });
    connect(bApplyPreferences, &QPushButton::clicked, this, [this] { applyPreferences(); });
    connect(bSavePreferences, &QPushButton::clicked, this, [this] { savePreferencesFile(); });
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint().expandedTo(QSize(380, 250)));
}

void FrmPreferences::showMessageTimeEnabled(bool enabled) {
    tMessageTime->setEnabled(enabled);
    QPalette palette = lMessageTime->palette();
    palette.setColor(QPalette::WindowText,
                     enabled ? QColor(0, 0, 0) : QColor(kGreyRed, kGreyGreen, kGreyBlue));
    lMessageTime->setPalette(palette);
}

bool FrmPreferences::applyPreferences() {
    std::optional<BusyCursor> busy(std::in_place);
    const bool disabled = chDisableWindowMessage->isChecked();
    const MessageTimeCheck check = checkMessageTime(toCore(tMessageTime->text()), disabled);
    if (!check.error.empty()) {
        busy.reset();
        SSTab1->setCurrentIndex(1);
        showInformation(this, fromCore(check.error));
        tMessageTime->setFocus();
        return false;
    }
    Preferences& prefs = m_context.preferences;
    prefs.messageTime = check.messageTime;
    prefs.disableWindowMessage = disabled ? 1 : 0;
    if (oTextAlignLeft->isChecked()) {
        prefs.textAlign = 0;
        m_alignmentWord = "left";
    } else if (oTextAlignRight->isChecked()) {
        prefs.textAlign = 1;
        m_alignmentWord = "right";
    } else {
        prefs.textAlign = 2;
        m_alignmentWord = "center";
    }
    if (m_realignEditors) m_realignEditors();
    prefs.mouseWheelSpeed = oWheelSpeedLow->isChecked()      ? 1
                            : oWheelSpeedMedium->isChecked() ? 2
                                                             : 3;
    return true;
}

bool FrmPreferences::savePreferencesFile() {
    if (!applyPreferences()) return false;
    std::string error;
    {
        BusyCursor busy;
        error =
            savePreferences(m_context.preferencesFolder(), m_context.preferences, m_alignmentWord);
    }
    if (!error.empty()) {
        // The message names the file by its path, in the file system's own encoding.
        showCritical(this, QFile::decodeName(
                               QByteArray(error.data(), static_cast<qsizetype>(error.size()))));
        return false;
    }
    if (m_context.showMessage)
        m_context.showMessage(QStringLiteral("Preferences saved"), QString(),
                              messageTimeMilliseconds(m_context.preferences.messageTime));
    return true;
}

bool FrmPreferences::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tMessageTime) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            // Typed characters go through the numeric key filter; editing keys, clipboard
            // shortcuts and keys without text pass untouched.
            const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
            if (!shortcut && !text.isEmpty()) {
                const char16_t code = text.at(0).unicode();
                if (code >= 32 && code != 127 && numericKeyFilter(code) == 0) return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // Queued, so a mouse click that gave the focus does not undo the selection.
            QTimer::singleShot(0, tMessageTime, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmPreferences::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
            event->accept();
            return;
        }
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void showPreferences(QWidget* parent, GuiContext& context,
                     const std::function<void()>& realignEditors) {
    FrmPreferences dialog(context, realignEditors, parent);
    ui().exec(dialog);
}

}  // namespace tavmir::gui
