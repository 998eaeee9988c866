#include "batch/FrmCompareFiles.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "UiServices.h"
#include "batch/BatchGridModel.h"
#include "common/FileRead.h"
#include "dialogs/LogReport.h"

namespace tavmir::gui {

FrmCompareFiles::FrmCompareFiles(GuiContext& context, QWidget* parent)
    : BatchWindow(BatchMode::Compare, context, parent), m_run(*context.catalogue) {
    setObjectName(QStringLiteral("FrmCompareFiles"));
    setWindowTitle(QStringLiteral("Compare CFG/SET Files"));
    m_originFrame = new QGroupBox(QStringLiteral("Compare File"), this);
    m_originFrame->setObjectName(QStringLiteral("Frame3"));
    auto* row = new QHBoxLayout(m_originFrame);
    m_originFile = new QLineEdit(m_originFrame);
    m_originFile->setObjectName(QStringLiteral("tOriginFile"));
    m_originFile->installEventFilter(this);
    m_originButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), QString(),
                                     m_originFrame);
    m_originButton->setObjectName(QStringLiteral("bAddOriginFile"));
    m_originButton->setToolTip(QStringLiteral("Choose the origin file"));
    row->addWidget(m_originFile, 1);
    row->addWidget(m_originButton);
    addFrameOnTop(*m_originFrame);
    connect(m_originButton, &QPushButton::clicked, this, &FrmCompareFiles::chooseOriginFile);
    // The window opens where its work begins: the origin file.
    m_originFile->setFocus();
    resize(760, 344);

    const RestoredList kept =
        restoreList(BatchMode::Compare, context.batchLists.comparison,
                    [](const std::string& p) { return nodeKindOf(p) == NodeKind::Regular; });
    m_originFile->setText(fromCore(kept.origin));
    QStringList paths;
    for (const std::string& p : kept.files) paths << fromCore(p);
    addFiles(paths);
}

std::string FrmCompareFiles::originText() const { return toCore(m_originFile->text()); }

void FrmCompareFiles::afterFilesAdded() {
    if (list().removeOrigin(originText())) {
        refreshGrid();
        selectRow(0);
    }
}

void FrmCompareFiles::chooseOriginFile() {
    if (running()) return;
    const QString path = chooseSettingsFile(m_originFilterIndex);
    if (path.isEmpty()) return;
    m_originFile->setText(path);
    m_originFile->setFocus();
    afterFilesAdded();
}

void FrmCompareFiles::startRun() {
    if (running()) return;
    const ComparisonRefusal refusal = comparisonRefusal(*context().catalogue, originText(), list());
    refreshGrid();
    if (!refusal.message.empty()) {
        showInformation(this, fromCore(refusal.message));
        (refusal.focus == RefusalFocus::AddFiles ? static_cast<QWidget*>(&addFilesButton())
                                                 : m_originFile)
            ->setFocus();
        return;
    }
    BusyCursor busy;
    beginRun(static_cast<int>(list().size()));
    m_originFrame->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(172, 168, 153); }"));
    m_originFile->setEnabled(false);
    m_originButton->setEnabled(false);
    logView().setPlainText(QStringLiteral("Comparison in progress..."));
    std::string report;
    BatchRunHooks hooks = runHooks();
    m_run.run(list(), originText(), report, hooks);

    // "Andale Mono" when it is installed (or registered at start-up), else the system's
    // fixed-pitch font: the columns of the report need one.
    QFont fixed(QStringLiteral("Andale Mono"), 8);
    if (!QFontInfo(fixed).fixedPitch()) fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamily(QFontInfo(fixed).family());
    fixed.setPointSize(8);
    fixed.setFixedPitch(true);
    fixed.setStyleHint(QFont::TypeWriter);
    log().clear();
    log().append(report, 0, kBlack, false, toCore(fixed.family()), 8);
    showLog(logView(), log());
    QTextCursor all(logView().document());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(fixed);
    all.mergeCharFormat(format);
    logView().moveCursor(QTextCursor::End);

    m_originFrame->setStyleSheet(QString());
    m_originFile->setEnabled(true);
    m_originButton->setEnabled(true);
    endRun();
}

bool FrmCompareFiles::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_originFile) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, m_originFile, &QLineEdit::selectAll);
        if (event->type() == QEvent::MouseButtonDblClick && !running()) {
            QTimer::singleShot(0, this, &FrmCompareFiles::chooseOriginFile);
            return true;
        }
    }
    return BatchWindow::eventFilter(watched, event);
}

}  // namespace tavmir::gui
