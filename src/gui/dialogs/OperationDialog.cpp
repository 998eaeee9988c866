#include "dialogs/OperationDialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "document/KeyFilters.h"
#include "widgets/TypedCharacter.h"

namespace tavmir::gui {

OperationDialog::OperationDialog(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QPushButton* OperationDialog::addButton(const char* name, const QString& caption,
                                        const QRect& geometry) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

void OperationDialog::setRemarkSink(std::function<void(const QString&)> sink) {
    m_remarkSink = std::move(sink);
    if (m_remarkSink && !m_remark.isEmpty()) m_remarkSink(m_remark);
}

void OperationDialog::showRemark(const QString& remark) {
    m_remark = remark;
    if (m_remarkSink) m_remarkSink(m_remark);
}

void OperationDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_remarkSink)
        QTimer::singleShot(0, this, [this] {
            if (m_remarkSink) m_remarkSink(m_remark);
        });
}

bool OperationDialog::refusesKey(const QKeyEvent& event, bool numeric) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const int code = typedCharacterCode(event.key(), event.modifiers(), event.text());
    if (code < 0) return false;
    const auto c = static_cast<char16_t>(code);
    return (numeric ? numericKeyFilter(c) : textKeyFilter(c)) == 0;
}

void OperationDialog::setDefaultButton(QPushButton* button) {
    if (m_defaultButton != nullptr) m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button != nullptr) button->setDefault(true);
}

void OperationDialog::enterPressed() {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else if (m_defaultButton != nullptr && m_defaultButton->isEnabled())
        m_defaultButton->click();
}

void OperationDialog::escapePressed() { reject(); }

void OperationDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                event->accept();
                enterPressed();
                return;
            case Qt::Key_Escape:
                event->accept();
                escapePressed();
                return;
            default:
                break;
        }
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tavmir::gui
