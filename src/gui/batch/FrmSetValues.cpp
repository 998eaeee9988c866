#include "batch/FrmSetValues.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "UiServices.h"
#include "common/FileRead.h"
#include "dialogs/LogReport.h"

namespace tavmir::gui {

FrmSetValues::FrmSetValues(GuiContext& context, QWidget* parent)
    : BatchWindow(BatchMode::Set, context, parent), m_run(*context.catalogue) {
    setObjectName(QStringLiteral("FrmSetValues"));
    setWindowTitle(QStringLiteral("Set Values In Files"));
    m_valuesFrame = new QGroupBox(QStringLiteral("Values"), this);
    m_valuesFrame->setObjectName(QStringLiteral("fValues"));
    auto* column = new QVBoxLayout(m_valuesFrame);
    auto* label = new QLabel(
        QStringLiteral("&One Section:Key=Value per line, written into each file's own line "
                       "of the setting (added at its end when it has none):"),
        m_valuesFrame);
    label->setObjectName(QStringLiteral("lValues"));
    label->setWordWrap(true);
    m_values = new QPlainTextEdit(m_valuesFrame);
    m_values->setObjectName(QStringLiteral("tValues"));
    m_values->setTabChangesFocus(true);
    m_values->setFixedHeight(72);
    m_values->setAccessibleName(QStringLiteral("Values"));
    label->setBuddy(m_values);
    m_takeButton = new QPushButton(QStringLiteral("&Take From File..."), m_valuesFrame);
    m_takeButton->setObjectName(QStringLiteral("bTakeFromFile"));
    m_takeButton->setToolTip(
        QStringLiteral("Fill the values with every setting an origin file names; delete the "
                       "lines you do not want to set"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_values, 1);
    row->addWidget(m_takeButton, 0, Qt::AlignTop);
    column->addWidget(label);
    column->addLayout(row);
    addFrameOnTop(*m_valuesFrame);
    connect(m_takeButton, &QPushButton::clicked, this, &FrmSetValues::takeFromFile);
    m_values->setFocus();
    resize(760, 388);

    // The values stay with the list while the window is closed, as the origin of a comparison.
    const std::vector<std::string>& keptList = context.batchLists.setting;
    if (!keptList.empty()) m_values->setPlainText(fromCore(keptList.front()));
    const std::vector<std::string> files(keptList.begin() + (keptList.empty() ? 0 : 1),
                                         keptList.end());
    const RestoredList kept = restoreList(BatchMode::Set, files, [](const std::string& p) {
        return nodeKindOf(p) == NodeKind::Regular;
    });
    QStringList paths;
    for (const std::string& p : kept.files) paths << fromCore(p);
    addFiles(paths);
}

std::string FrmSetValues::originText() const { return toCore(m_values->toPlainText()); }

void FrmSetValues::takeFromFile() {
    if (running()) return;
    const QString path = chooseSettingsFile(m_originFilterIndex);
    if (path.isEmpty()) return;
    const auto values = assignmentsOfFile(*context().catalogue, toCore(path));
    if (!values) {
        showInformation(this, fromCore("The values cannot be taken from " + toCore(path) + ": " +
                                       values.error()));
        return;
    }
    m_values->setPlainText(fromCore(*values));
    m_values->setFocus();
}

void FrmSetValues::startRun() {
    if (running()) return;
    const auto writes = parseAssignments(*context().catalogue, originText());
    if (!writes) {
        showInformation(this, fromCore(writes.error().message));
        m_values->setFocus();
        return;
    }
    if (list().empty()) {
        showInformation(this, QStringLiteral("Select files to set the values in"));
        addFilesButton().setFocus();
        return;
    }
    BusyCursor busy;
    beginRun(static_cast<int>(list().size()));
    m_values->setReadOnly(true);
    m_takeButton->setEnabled(false);
    BatchRunHooks hooks = runHooks();
    const auto yield = hooks.yield;
    hooks.yield = [this, yield] {
        showLog(logView(), log());
        yield();
    };
    m_run.run(list(), *writes, context().preferences.keepOriginal != 0 ? &m_backups : nullptr,
              log(), hooks);
    showLog(logView(), log());
    m_values->setReadOnly(false);
    m_takeButton->setEnabled(true);
    endRun();
}

}  // namespace tavmir::gui
