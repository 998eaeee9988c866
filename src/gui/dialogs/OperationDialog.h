// The common ground of the Edit menu's dialogs: titled, modal, fixed in size, with buttons
// that do not take Enter for themselves, so each dialog decides what Enter and Escape do
// (pressed without Shift, Ctrl or Alt). A dialog with a default button has Enter click the
// focused button, or the default one when the focus is elsewhere.
#pragma once

#include <QDialog>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QPushButton;

namespace tavmir::gui {

class OperationDialog : public QDialog {
    Q_OBJECT

  public:
    explicit OperationDialog(const QString& objectName, const QString& caption,
                             QWidget* parent = nullptr);

    // The key filter of the dialogs' text boxes: true when a key press would type a character
    // the box refuses (numeric: digits, "-" and Backspace; text: codes 32..127 and Backspace).
    // Keys that move the focus, confirm or cancel are never filtered.
    static bool refusesKey(const QKeyEvent& event, bool numeric);

    // Where the dialog's remark goes: the editor's remark line. The editor empties that line
    // when its field loses the focus to the dialog, so the remark is shown again each time
    // the dialog becomes the active window.
    // A remark the dialog already has goes to the new sink at once.
    void setRemarkSink(std::function<void(const QString&)> sink);

  protected:
    void showRemark(const QString& remark);
    void changeEvent(QEvent* event) override;

    // A push button that Enter does not click (Space still does); geometry in pixels.
    QPushButton* addButton(const char* name, const QString& caption, const QRect& geometry);

    // The button Enter clicks while no other button has the focus; drawn as the default.
    void setDefaultButton(QPushButton* button);

    // Enter and Escape without modifiers; the defaults: Enter clicks the focused button, or
    // the default button, Escape rejects.
    virtual void enterPressed();
    virtual void escapePressed();

    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void(const QString&)> m_remarkSink;
    QString m_remark;
    QPushButton* m_defaultButton = nullptr;
};

}  // namespace tavmir::gui
