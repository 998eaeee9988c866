#include "dialogs/FrmCloseFile.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

// The buttons' x positions are fixed; the last one (Cancel at 404) ends at 495.
constexpr int kMinimumWidth = 503;
constexpr int kMaximumWidth = 1000;
constexpr int kHeight = 104;
constexpr int kButtonY = 68;
constexpr int kButtonWidth = 91;
constexpr int kButtonHeight = 26;

}  // namespace

FrmCloseFile::FrmCloseFile(const QString& path, bool allAnswers, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmCloseFile"));
    setWindowTitle(QStringLiteral("Tavmir"));

    auto* pathLabel = new QLabel(path, this);
    pathLabel->setObjectName(QStringLiteral("lMsg1"));
    pathLabel->setToolTip(path);
    const int width = std::clamp(QFontMetrics(pathLabel->font()).horizontalAdvance(path) + 24,
                                 kMinimumWidth, kMaximumWidth);
    pathLabel->setGeometry(8, 10, width - 16, 20);

    auto* questionLabel = new QLabel(fromCore(std::string(kClosePromptQuestion)), this);
    questionLabel->setObjectName(QStringLiteral("lMsg2"));
    questionLabel->setGeometry(8, 36, width - 16, 20);

    for (const ClosePromptButton& entry : closePromptButtons(allAnswers)) {
        auto* button = new QPushButton(fromCore(std::string(entry.caption)), this);
        button->setObjectName(fromCore(std::string(entry.name)));
        button->setGeometry(entry.x, kButtonY, kButtonWidth, kButtonHeight);
        const CloseAnswer answer = entry.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            accept();
        });
        if (answer == CloseAnswer::Yes) {
            button->setDefault(true);
            button->setFocus();
        }
    }
    setFixedSize(width, kHeight);
}

CloseAnswer askToSave(QWidget* parent, const std::string& path, bool allAnswers) {
    FrmCloseFile prompt(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())),
                        allAnswers, parent);
    ui().exec(prompt);
    return prompt.answer();
}

}  // namespace tavmir::gui
