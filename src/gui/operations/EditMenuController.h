// The Edit menu of the main window and the editor's shortcuts to it: every command runs on
// the active editor, shows its dialog modally, and hands what the dialog decided to the
// editor's document (typed writes for edit-for-all-ships and the alphanumeric edit, bulk
// writes for copy, swap and import), then brings the editor's widgets up to date.
//
// It also keeps the Edit menu's state for the whole run, shared by every editor: the search
// text and places of the find commands, and where the edit-for-all-ships dialog was left.
#pragma once

#include <QObject>
#include <QPoint>

#include "GuiContext.h"
#include "operations/FindSetting.h"

namespace tavmir::gui {

class FrmSettingsEdit;
class MDIFormMain;

class EditMenuController : public QObject {
    Q_OBJECT

  public:
    // The main window's menu items run the commands below.
    EditMenuController(MDIFormMain& main, GuiContext& context);

    // The commands, on the active editor; nothing happens without one.
    void undo();
    void redo();
    void editSettingForAllShips();
    void editAlphanum();
    void swapSettings();
    void copySettings();
    void findSetting();
    void findNextSetting();
    void exportSettingsToClipboard();
    void importSettingsFromClipboard();

    SearchState& searchState() { return m_search; }
    // EditAllLeft / EditAllTop: where the edit-for-all-ships dialog opens (screen pixels).
    QPoint editAllPosition() const { return m_editAllPosition; }

  private:
    FrmSettingsEdit* editor() const;

    MDIFormMain& m_main;
    GuiContext& m_context;
    SearchState m_search;
    // 6120 and 2205 twips at start-up: 15 twips to the pixel.
    QPoint m_editAllPosition{6120 / 15, 2205 / 15};
};

}  // namespace tavmir::gui
