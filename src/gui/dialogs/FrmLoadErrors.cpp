#include "dialogs/FrmLoadErrors.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "UiServices.h"
#include "dialogs/LogPanel.h"
#include "settingsfile/UnwrittenLines.h"

namespace tavmir::gui {
namespace {

constexpr int kMinimumWidth = 560;
constexpr int kMaximumWidth = 1000;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 28;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

FrmLoadErrors::FrmLoadErrors(const LoadErrorRequest& request, const GuiContext* context,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmLoadErrors"));
    setWindowTitle(QStringLiteral("Validation errors found during load"));

    const QString path =
        QString::fromLocal8Bit(request.path.data(), static_cast<qsizetype>(request.path.size()));
    auto* fileLabel = new QLabel(path, this);
    fileLabel->setObjectName(QStringLiteral("lFile"));
    fileLabel->setToolTip(path);
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for the whole path where the screen allows; the buttons keep their places.
    // "&Show Problems" takes room beside the details button: the window widens by one button.
    const int problemsRoom = request.offerProblems ? kButtonWidth + 8 : 0;
    m_width = std::clamp(QFontMetrics(fileLabel->font()).horizontalAdvance(path) + 24,
                         kMinimumWidth + problemsRoom, kMaximumWidth);
    const int w = m_width;
    fileLabel->setGeometry(8, 8, w - 16, 20);

    auto* missingFrame = new QGroupBox(QStringLiteral("Set missing settings to"), this);
    missingFrame->setObjectName(QStringLiteral("fUnassigned"));
    missingFrame->setGeometry(8, 34, 220, 64);
    auto* defaultOption = new QRadioButton(QStringLiteral("&Default"), missingFrame);
    defaultOption->setObjectName(QStringLiteral("oDefault"));
    defaultOption->setGeometry(12, 28, 95, 24);
    defaultOption->setChecked(true);
    m_blankOption = new QRadioButton(QStringLiteral("&Blank"), missingFrame);
    m_blankOption->setObjectName(QStringLiteral("oBlank"));
    m_blankOption->setGeometry(115, 28, 95, 24);
    missingFrame->setVisible(request.showMissingChoice);

    const int column1 = w - 8 - 2 * kButtonWidth - 8;
    const int column2 = w - 8 - kButtonWidth;
    auto addAnswer = [this](const char* name, const QString& caption, LoadErrorButton answer, int x,
                            int y) {
        QPushButton* button = makeButton(this, name, caption);
        button->setGeometry(x, y, kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, answer] { decide(answer); });
        return button;
    };
    QPushButton* continueOpen = addAnswer("bContinueOpen", QStringLiteral("&Continue Open"),
                                          LoadErrorButton::ContinueOpen, column1, 38);
    addAnswer("bCancelOPen", QStringLiteral("Ca&ncel Open"), LoadErrorButton::CancelOpen, column2,
              38);
    QPushButton* continueAll = addAnswer("bContinueAll", QStringLiteral("C&ontinue All"),
                                         LoadErrorButton::ContinueAll, column1, 72);
    QPushButton* cancelAll = addAnswer("bCancelAll", QStringLiteral("C&ancel All"),
                                       LoadErrorButton::CancelAll, column2, 72);
    continueAll->setVisible(request.showAllButtons);
    cancelAll->setVisible(request.showAllButtons);
    // Opens the file as Continue Open does, then lists what its save would refuse.
    QPushButton* showProblems = addAnswer("bShowProblems", QStringLiteral("&Show Problems"),
                                          LoadErrorButton::ShowProblems, column2, 112);
    showProblems->setVisible(request.offerProblems);

    m_detailsButton = makeButton(this, "bDetails", QStringLiteral("Vi&ew details"));
    m_detailsButton->setGeometry(8, 112, 120, kButtonHeight);
    m_detailsButton->setAutoDefault(false);
    connect(m_detailsButton, &QPushButton::clicked, this, &FrmLoadErrors::toggleDetails);

    // What the save will drop, beside the details button: the log lists each such line.
    const QString note = fromCore(unwrittenLinesNote(request.unwrittenLines));
    auto* noteLabel = new QLabel(note, this);
    noteLabel->setObjectName(QStringLiteral("lUnwritten"));
    noteLabel->setWordWrap(true);
    noteLabel->setGeometry(136, 104, w - 144 - problemsRoom, 44);
    noteLabel->setVisible(!note.isEmpty());

    m_logPanel = new LogPanel(request.log, context, {8, 148, w - 16, 348}, this);
    m_logPanel->setVisible(false);

    continueOpen->setDefault(true);
    continueOpen->setFocus();
    setFixedSize(w, kCollapsedHeight);
}

void FrmLoadErrors::toggleDetails() {
    const bool show = !m_logPanel->isVisible();
    m_detailsButton->setText(show ? QStringLiteral("Hid&e details")
                                  : QStringLiteral("Vi&ew details"));
    m_logPanel->setVisible(show);
    setFixedSize(m_width, show ? kExpandedHeight : kCollapsedHeight);
}

void FrmLoadErrors::decide(LoadErrorButton button) {
    m_answer.button = button;
    m_answer.missing = m_blankOption->isChecked() ? MissingChoice::Blank : MissingChoice::Default;
    accept();
}

}  // namespace tavmir::gui
