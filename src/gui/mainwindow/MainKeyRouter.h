// The main window's keys, seen for the whole application: a key that is the shortcut of an
// enabled menu item of the main window goes to the menu rather than to the focused field
// (Ctrl+A, Ctrl+K, ... are also field keys), and Page Up / Page Down pressed outside every
// editor (the frame has the focus) turn the pages of the active editor. Keys of other windows
// and of the editors' own widgets are left alone.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace tavmir::gui {

class MDIFormMain;

class MainKeyRouter : public QObject {
    Q_OBJECT

  public:
    // Watches the application's events from now until it is destroyed.
    explicit MainKeyRouter(MDIFormMain& main);
    ~MainKeyRouter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handlesShortcut(const QKeyEvent& key) const;
    // True when the key turned a page of the active editor.
    bool turnPage(QWidget& widget, const QKeyEvent& key);

    MDIFormMain& m_main;
};

}  // namespace tavmir::gui
