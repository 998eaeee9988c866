#include "dialogs/LogPanel.h"

#include <QPushButton>
#include <QTextEdit>

#include "dialogs/LogReport.h"

namespace tavmir::gui {
namespace {

constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 28;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int x, int y) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    // Enter confirms the dialog, never saves or prints behind the user's back.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

LogPanel::LogPanel(const StyledLog* log, const GuiContext* context, const QRect& geometry,
                   QWidget* parent)
    : QFrame(parent), m_log(log), m_context(context) {
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::StyledPanel);
    setGeometry(geometry);
    const int buttonY = geometry.height() - 36;
    m_view = new QTextEdit(this);
    m_view->setObjectName(QStringLiteral("tLog"));
    m_view->setReadOnly(true);
    m_view->setGeometry(8, 8, geometry.width() - 16, buttonY - 16);
    QPushButton* saveButton = makeButton(this, "bSave", QStringLiteral("Sa&ve"), 8, buttonY);
    QPushButton* printButton = makeButton(this, "bPrint", QStringLiteral("&Print"), 106, buttonY);
    if (m_log != nullptr) showLog(*m_view, *m_log);

    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (m_log != nullptr) saveLogReport(window(), *m_log, m_context);
    });
    connect(printButton, &QPushButton::clicked, this, [this] { printLog(window(), *m_view); });
}

}  // namespace tavmir::gui
