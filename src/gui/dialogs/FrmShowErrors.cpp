#include "dialogs/FrmShowErrors.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "dialogs/LogReport.h"

namespace tavmir::gui {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 420;

}  // namespace

FrmShowErrors::FrmShowErrors(const StyledLog& log, const QString& filePath,
                             const GuiContext* context, QWidget* parent)
    : QDialog(parent), m_log(&log), m_context(context) {
    setObjectName(QStringLiteral("FrmShowErrors"));
    setWindowTitle(QStringLiteral("Validation errors found during load"));

    lFile = new QLabel(filePath, this);
    lFile->setObjectName(QStringLiteral("lFile"));
    lFile->setToolTip(filePath);
    lFile->setGeometry(8, 8, kWidth - 16, 20);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(8, 34, kWidth - 16, 340);
    tLog = new QTextEdit(Frame1);
    tLog->setObjectName(QStringLiteral("tLog"));
    tLog->setReadOnly(true);
    tLog->setGeometry(8, 8, kWidth - 32, 288);
    bSave = new QPushButton(QStringLiteral("Sa&ve"), Frame1);
    bSave->setObjectName(QStringLiteral("bSave"));
    bSave->setGeometry(8, 304, 90, 28);
    bSave->setAutoDefault(false);
    bPrint = new QPushButton(QStringLiteral("&Print"), Frame1);
    bPrint->setObjectName(QStringLiteral("bPrint"));
    bPrint->setGeometry(106, 304, 90, 28);
    bPrint->setAutoDefault(false);

    bClose = new QPushButton(QStringLiteral("&Close"), this);
    bClose->setObjectName(QStringLiteral("bClose"));
    bClose->setGeometry(kWidth - 8 - 90, 384, 90, 28);
    bClose->setDefault(true);

    showLog(*tLog, log);
    setFixedSize(kWidth, kHeight);
    bClose->setFocus();

    // Escape (without Shift, Ctrl or Alt) is QDialog's own cancel key and closes the same way.
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(bSave, &QPushButton::clicked, this, [this] { saveLogReport(this, *m_log, m_context); });
    connect(bPrint, &QPushButton::clicked, this, [this] { printLog(this, *tLog); });
}

}  // namespace tavmir::gui
