#include "editor/EditorCanvas.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <string>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kButtonWidth = 83;
constexpr int kButtonHeight = 26;

void addLine(QWidget* canvas, const char* name, int y) {
    auto* line = new QFrame(canvas);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, y - 1, 1024, 3);
}

}  // namespace

EditorCanvas::EditorCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("p1"));
    setFixedSize(kWidth, kHeight);
    QFont canvasFont = font();
    canvasFont.setPixelSize(11);
    setFont(canvasFont);

    // The page buttons come first, so they lead the keyboard order as on the original form.
    double left = 0;
    for (int page = 1; page <= kPageCount; ++page) {
        auto* button = new QPushButton(fromCore(std::string(pageButtonCaption(page))), this);
        button->setObjectName(QStringLiteral("bPag_%1").arg(page));
        button->setGeometry(static_cast<int>(std::lround(left)), 2, kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this,
                [this, page] { emit pageButtonClicked(page); });
        m_pageButtons[static_cast<std::size_t>(page)] = button;
        left += kButtonWidth + 1.5;
    }

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lTitle"));
    m_title->setTextFormat(Qt::PlainText);
    QFont titleFont = canvasFont;
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    m_title->setFont(titleFont);
    m_title->setGeometry(8, 38, 600, 24);

    m_loadErrorsButton = new QPushButton(QStringLiteral("View load e&rrors"), this);
    m_loadErrorsButton->setObjectName(QStringLiteral("bViewLoadErrors"));
    m_loadErrorsButton->setGeometry(kWidth - 8 - 130, 37, 130, kButtonHeight);
    m_loadErrorsButton->hide();
    connect(m_loadErrorsButton, &QPushButton::clicked, this,
            &EditorCanvas::loadErrorsButtonClicked);

    addLine(this, "Line1", 68);
    addLine(this, "Line2", 650);

    m_remark = new QLabel(this);
    m_remark->setObjectName(QStringLiteral("lRemark"));
    m_remark->setTextFormat(Qt::PlainText);
    m_remark->setGeometry(8, 655, kWidth - 16, 28);
    m_remark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_remark->setWordWrap(true);
}

void EditorCanvas::showPageTitle(int page) {
    m_title->setText(fromCore(std::string(pageTitle(page))));
    m_pageButtons[static_cast<std::size_t>(page)]->raise();
}

void EditorCanvas::showRemark(const QString& remark) { m_remark->setText(remark); }

void EditorCanvas::showLoadErrorsButton(bool shown) { m_loadErrorsButton->setVisible(shown); }

}  // namespace tavmir::gui
