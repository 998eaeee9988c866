#include "dialogs/FrmPreferences.h"

#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
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

#include <array>
#include <optional>

#include "BusyCursor.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "document/KeyFilters.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/ThemeColours.h"

namespace tavmir::gui {
namespace {

struct Option {
    const char* name;
    const char* caption;
    const char* tip;
};

// A titled frame of three options side by side, made in the order given.
QGroupBox* optionFrame(QWidget* parent, const char* name, const QString& title,
                       const std::array<Option, 3>& specs, std::array<QRadioButton*, 3>& options) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(frame);
    for (std::size_t i = 0; i < specs.size(); ++i) {
        options[i] = new QRadioButton(QLatin1String(specs[i].caption), frame);
        options[i]->setObjectName(QLatin1String(specs[i].name));
        options[i]->setToolTip(QLatin1String(specs[i].tip));
        row->addWidget(options[i]);
    }
    return frame;
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

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));

    auto* editorTab = new QWidget(m_tabs);
    std::array<QRadioButton*, 3> wheel{};
    QGroupBox* wheelFrame =
        optionFrame(editorTab, "Frame3", QStringLiteral("Mouse Wheel Speed (scrollbars)"),
                    {{{"oWheelSpeedLow", "Lo&w", "Set low speed for mouse wheel"},
                      {"oWheelSpeedMedium", "&Medium", "Set medium speed for mouse wheel"},
                      {"oWheelSpeedHigh", "&High", "Set high speed for mouse wheel"}}},
                    wheel);
    m_wheelLowOption = wheel[0];
    m_wheelMediumOption = wheel[1];
    m_wheelHighOption = wheel[2];
    std::array<QRadioButton*, 3> align{};
    QGroupBox* alignFrame =
        optionFrame(editorTab, "Frame2", QStringLiteral("Text Alignment"),
                    {{{"oTextAlignLeft", "&Left", "Align editor text to the left"},
                      {"oTextAlignCenter", "&Center", "Align editor text at center"},
                      {"oTextAlignRight", "&Right", "Align editor text to the right"}}},
                    align);
    m_alignLeftOption = align[0];
    m_alignCenterOption = align[1];
    m_alignRightOption = align[2];

    auto* startFrame = new QGroupBox(QStringLiteral("Start"), editorTab);
    startFrame->setObjectName(QStringLiteral("fStart"));
    m_reopenFilesBox = new QCheckBox(
        QStringLiteral("Reo&pen the files that were open when Tavmir was last closed"), startFrame);
    m_reopenFilesBox->setObjectName(QStringLiteral("chReopenFiles"));
    m_reopenFilesBox->setToolTip(
        QStringLiteral("Whether a start without files to open reopens the files of the last "
                       "session, each on its page, the active one in front"));
    auto* startColumn = new QVBoxLayout(startFrame);
    startColumn->addWidget(m_reopenFilesBox);

    auto* editorColumn = new QVBoxLayout(editorTab);
    editorColumn->addWidget(wheelFrame);
    editorColumn->addWidget(alignFrame);
    editorColumn->addWidget(startFrame);
    editorColumn->addStretch();
    m_tabs->addTab(editorTab, QStringLiteral("Editor"));

    auto* saveTab = new QWidget(m_tabs);
    auto* messageFrame = new QGroupBox(QStringLiteral("Window Message On Save"), saveTab);
    messageFrame->setObjectName(QStringLiteral("Frame1"));
    m_disableMessageBox = new QCheckBox(QStringLiteral("&Disable Window Message"), messageFrame);
    m_disableMessageBox->setObjectName(QStringLiteral("chDisableWindowMessage"));
    m_disableMessageBox->setToolTip(
        QStringLiteral("Wether the window message on save is disabled or not"));
    const QString timeTip = QStringLiteral(
        "How long the window message will be shown. From 100 to 5000 (milliseconds)");
    m_messageTimeLabel = new QLabel(QStringLiteral("Message Time (ms)"), messageFrame);
    m_messageTimeLabel->setObjectName(QStringLiteral("lMessageTime"));
    m_messageTimeLabel->setToolTip(timeTip);
    // Only "0".."9" and "-" get in, typed with any modifier, pasted or dropped.
    m_messageTimeField = new FilteredLineEdit(numericKeyFilter, messageFrame);
    m_messageTimeField->setObjectName(QStringLiteral("tMessageTime"));
    m_messageTimeField->setToolTip(timeTip);
    // The field only ever holds a few digits; a cap keeps a paste from filling it with megabytes.
    m_messageTimeField->setMaxLength(32);
    m_messageTimeField->setFixedWidth(80);
    m_messageTimeField->installEventFilter(this);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_messageTimeLabel);
    timeRow->addWidget(m_messageTimeField);
    timeRow->addStretch();
    auto* messageColumn = new QVBoxLayout(messageFrame);
    messageColumn->addWidget(m_disableMessageBox);
    messageColumn->addLayout(timeRow);
    auto* originalFrame = new QGroupBox(QStringLiteral("Original File"), saveTab);
    originalFrame->setObjectName(QStringLiteral("fOriginal"));
    m_keepOriginalBox = new QCheckBox(
        QStringLiteral("&Keep the file as it was as FILE.bak at the first save"), originalFrame);
    m_keepOriginalBox->setObjectName(QStringLiteral("chKeepOriginal"));
    m_keepOriginalBox->setToolTip(
        QStringLiteral("Whether an editor's first save keeps the file as it was on disk beside it, "
                       "with comments and lines the save does not write"));
    m_keepLinesBox = new QCheckBox(
        QStringLiteral("Keep the file's own &lines when saving (unknown settings, order, line "
                       "ends); write only the values that changed"),
        originalFrame);
    m_keepLinesBox->setObjectName(QStringLiteral("chKeepLines"));
    m_keepLinesBox->setToolTip(
        QStringLiteral("Whether Save writes the changed values into the file's own lines, so a "
                       "change of one value is a change of one line, instead of writing the "
                       "whole file anew"));
    auto* originalColumn = new QVBoxLayout(originalFrame);
    originalColumn->addWidget(m_keepOriginalBox);
    originalColumn->addWidget(m_keepLinesBox);
    auto* saveColumn = new QVBoxLayout(saveTab);
    saveColumn->addWidget(messageFrame);
    saveColumn->addWidget(originalFrame);
    saveColumn->addStretch();
    m_tabs->addTab(saveTab, QStringLiteral("Save"));

    QPushButton* applyButton =
        makeButton(this, "bApplyPreferences", QStringLiteral("&Apply Preferences"));
    QPushButton* saveButton =
        makeButton(this, "bSavePreferences", QStringLiteral("&Save Preferences"));
    QPushButton* closeButton = makeButton(this, "bClose", QStringLiteral("Cl&ose"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(applyButton);
    buttonRow->addWidget(saveButton);
    buttonRow->addStretch();
    buttonRow->addWidget(closeButton);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_tabs);
    column->addLayout(buttonRow);

    // Every opening starts from the values in force.
    const Preferences& prefs = m_context.preferences;
    switch (prefs.textAlign) {
        case 1:
            m_alignRightOption->setChecked(true);
            m_alignmentWord = "right";
            break;
        case 2:
            m_alignCenterOption->setChecked(true);
            m_alignmentWord = "center";
            break;
        default:
            m_alignLeftOption->setChecked(true);
            m_alignmentWord = "left";
            break;
    }
    switch (prefs.mouseWheelSpeed) {
        case 1:
            m_wheelLowOption->setChecked(true);
            break;
        case 3:
            m_wheelHighOption->setChecked(true);
            break;
        default:  // any other stored value scrolls as medium
            m_wheelMediumOption->setChecked(true);
            break;
    }
    m_disableMessageBox->setChecked(prefs.disableWindowMessage == 1);
    m_keepOriginalBox->setChecked(prefs.keepOriginal != 0);
    m_keepLinesBox->setChecked(prefs.keepLines != 0);
    m_reopenFilesBox->setChecked(prefs.reopenFiles != 0);
    m_messageTimeField->setText(fromCore(prefs.messageTime));
    showMessageTimeEnabled(prefs.disableWindowMessage != 1);

    connect(m_disableMessageBox, &QCheckBox::toggled, this,
            [this](bool ticked) { showMessageTimeEnabled(!ticked); });
    connect(applyButton, &QPushButton::clicked, this, [this] { applyPreferences(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { savePreferencesFile(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint().expandedTo(QSize(380, 250)));
}

void FrmPreferences::showMessageTimeEnabled(bool enabled) {
    m_messageTimeField->setEnabled(enabled);
    QPalette palette = m_messageTimeLabel->palette();
    palette.setColor(QPalette::WindowText, enabled ? ThemeColours(palette).readable(QColor(0, 0, 0))
                                                   : QColor(kGreyRed, kGreyGreen, kGreyBlue));
    m_messageTimeLabel->setPalette(palette);
}

bool FrmPreferences::applyPreferences() {
    std::optional<BusyCursor> busy(std::in_place);
    const bool disabled = m_disableMessageBox->isChecked();
    const MessageTimeCheck check = checkMessageTime(toCore(m_messageTimeField->text()), disabled);
    if (!check) {
        busy.reset();
        m_tabs->setCurrentIndex(1);
        showInformation(this, fromCore(check.error()));
        m_messageTimeField->setFocus();
        return false;
    }
    Preferences& prefs = m_context.preferences;
    prefs.messageTime = *check;
    prefs.disableWindowMessage = disabled ? 1 : 0;
    prefs.keepOriginal = m_keepOriginalBox->isChecked() ? 1 : 0;
    prefs.keepLines = m_keepLinesBox->isChecked() ? 1 : 0;
    prefs.reopenFiles = m_reopenFilesBox->isChecked() ? 1 : 0;
    if (m_alignLeftOption->isChecked()) {
        prefs.textAlign = 0;
        m_alignmentWord = "left";
    } else if (m_alignRightOption->isChecked()) {
        prefs.textAlign = 1;
        m_alignmentWord = "right";
    } else {
        prefs.textAlign = 2;
        m_alignmentWord = "center";
    }
    if (m_realignEditors) m_realignEditors();
    prefs.mouseWheelSpeed = m_wheelLowOption->isChecked()      ? 1
                            : m_wheelMediumOption->isChecked() ? 2
                                                               : 3;
    return true;
}

bool FrmPreferences::savePreferencesFile() {
    if (!applyPreferences()) return false;
    Status saved;
    {
        BusyCursor busy;
        saved =
            savePreferences(m_context.preferencesFolder(), m_context.preferences, m_alignmentWord);
    }
    if (!saved) {
        const std::string& error = saved.error();
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
    // Coming back from the field's context menu (after its Paste) is no new visit.
    if (watched == m_messageTimeField && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        // Queued, so a mouse click that gave the focus does not undo the selection.
        QTimer::singleShot(0, m_messageTimeField, &QLineEdit::selectAll);
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
