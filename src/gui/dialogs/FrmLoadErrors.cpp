#include "dialogs/FrmLoadErrors.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <algorithm>

#include "UiServices.h"
#include "dialogs/LogReport.h"

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
    : QDialog(parent), m_log(request.log), m_context(context) {
    setObjectName(QStringLiteral("FrmLoadErrors"));
    setWindowTitle(QStringLiteral("Validation errors found during load"));

    const QString path =
        QString::fromLocal8Bit(request.path.data(), static_cast<qsizetype>(request.path.size()));
    lFile = new QLabel(path, this);
    lFile->setObjectName(QStringLiteral("lFile"));
    lFile->setToolTip(path);
    lFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for the whole path where the screen allows; the buttons keep their places.
    m_width = std::clamp(QFontMetrics(lFile->font()).horizontalAdvance(path) + 24, kMinimumWidth,
                         kMaximumWidth);
    const int w = m_width;
    lFile->setGeometry(8, 8, w - 16, 20);

    fUnassigned = new QGroupBox(QStringLiteral("Set missing settings to"), this);
    fUnassigned->setObjectName(QStringLiteral("fUnassigned"));
    fUnassigned->setGeometry(8, 34, 220, 64);
    oDefault = new QRadioButton(QStringLiteral("&Default"), fUnassigned);
    oDefault->setObjectName(QStringLiteral("oDefault"));
    oDefault->setGeometry(12, 28, 95, 24);
    oDefault->setChecked(true);
    oBlank = new QRadioButton(QStringLiteral("&Blank"), fUnassigned);
    oBlank->setObjectName(QStringLiteral("oBlank"));
    oBlank->setGeometry(115, 28, 95, 24);
    fUnassigned->setVisible(request.showMissingChoice);

    const int column1 = w - 8 - 2 * kButtonWidth - 8;
    const int column2 = w - 8 - kButtonWidth;
    bContinueOpen = makeButton(this, "bContinueOpen", QStringLiteral("&Continue Open"));
    bContinueOpen->setGeometry(column1, 38, kButtonWidth, kButtonHeight);
    bCancelOPen = makeButton(this, "bCancelOPen", QStringLiteral("Ca&ncel Open"));
    bCancelOPen->setGeometry(column2, 38, kButtonWidth, kButtonHeight);
    bContinueAll = makeButton(this, "bContinueAll", QStringLiteral("C&ontinue All"));
    bContinueAll->setGeometry(column1, 72, kButtonWidth, kButtonHeight);
    bCancelAll = makeButton(this, "bCancelAll", QStringLiteral("C&ancel All"));
    bCancelAll->setGeometry(column2, 72, kButtonWidth, kButtonHeight);
    bContinueAll->setVisible(request.showAllButtons);
    bCancelAll->setVisible(request.showAllButtons);

    bDetails = makeButton(this, "bDetails", QStringLiteral("Vi&ew details"));
    bDetails->setGeometry(8, 112, 120, kButtonHeight);
    bDetails->setAutoDefault(false);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(8, 148, w - 16, 348);
    tLog = new QTextEdit(Frame1);
    tLog->setObjectName(QStringLiteral("tLog"));
    tLog->setReadOnly(true);
    tLog->setGeometry(8, 8, w - 32, 296);
    bSave = makeButton(Frame1, "bSave", QStringLiteral("Sa&ve"));
    bSave->setGeometry(8, 312, 90, kButtonHeight);
    bSave->setAutoDefault(false);
    bPrint = makeButton(Frame1, "bPrint", QStringLiteral("&Print"));
    bPrint->setGeometry(106, 312, 90, kButtonHeight);
    bPrint->setAutoDefault(false);
    Frame1->setVisible(false);
    if (m_log) showLog(*tLog, *m_log);

    bContinueOpen->setDefault(true);
    bContinueOpen->setFocus();
    setFixedSize(w, kCollapsedHeight);

    connect(bDetails, &QPushButton::clicked, this, &FrmLoadErrors::bDetails_Click);
    connect(bContinueOpen, &QPushButton::clicked, this,
            [this] { decide(LoadErrorButton::kContinueOpen); });
    connect(bCancelOPen, &QPushButton::clicked, this,
            [this] { decide(LoadErrorButton::kCancelOpen); });
    connect(bContinueAll, &QPushButton::clicked, this,
            [this] { decide(LoadErrorButton::kContinueAll); });
    connect(bCancelAll, &QPushButton::clicked, this,
            [this] { decide(LoadErrorButton::kCancelAll); });
    connect(bSave, &QPushButton::clicked, this, [this] {
        if (m_log) saveLogReport(this, *m_log, m_context);
    });
    connect(bPrint, &QPushButton::clicked, this, [this] { printLog(this, *tLog); });
}

void FrmLoadErrors::bDetails_Click() {
    const bool show = !Frame1->isVisible();
    bDetails->setText(show ? QStringLiteral("Hid&e details") : QStringLiteral("Vi&ew details"));
    Frame1->setVisible(show);
    setFixedSize(m_width, show ? kExpandedHeight : kCollapsedHeight);
}

void FrmLoadErrors::decide(LoadErrorButton button) {
    m_answer.button = button;
    m_answer.missing = oBlank->isChecked() ? MissingChoice::kBlank : MissingChoice::kDefault;
    accept();
}

}  // namespace tavmir::gui
