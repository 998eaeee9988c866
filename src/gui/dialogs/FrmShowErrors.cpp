#include "dialogs/FrmShowErrors.h"

#include <QLabel>
#include <QPushButton>

#include "UiServices.h"
#include "dialogs/LogPanel.h"
#include "settingsfile/UnwrittenLines.h"

namespace tavmir::gui {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 420;

}  // namespace

FrmShowErrors::FrmShowErrors(const StyledLog& log, const QString& filePath, int unwrittenLines,
                             const GuiContext* context, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmShowErrors"));
    setWindowTitle(QStringLiteral("Validation errors found during load"));

    auto* fileLabel = new QLabel(filePath, this);
    fileLabel->setObjectName(QStringLiteral("lFile"));
    fileLabel->setToolTip(filePath);
    fileLabel->setGeometry(8, 8, kWidth - 16, 20);

    new LogPanel(&log, context, {8, 34, kWidth - 16, 340}, this);

    const QString note = fromCore(unwrittenLinesNote(unwrittenLines));
    auto* noteLabel = new QLabel(note, this);
    noteLabel->setObjectName(QStringLiteral("lUnwritten"));
    noteLabel->setWordWrap(true);
    noteLabel->setGeometry(8, 378, kWidth - 16 - 100, 40);
    noteLabel->setVisible(!note.isEmpty());

    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("bClose"));
    closeButton->setGeometry(kWidth - 8 - 90, 384, 90, 28);
    closeButton->setDefault(true);
    setFixedSize(kWidth, kHeight);
    closeButton->setFocus();

    // Escape (without Shift, Ctrl or Alt) is QDialog's own cancel key and closes the same way.
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tavmir::gui
