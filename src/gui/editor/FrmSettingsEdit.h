// The editor window: one open settings file on a 1020 x 688 canvas of twelve pages of
// labelled value fields, inside a scroll area. It holds an EditorDocument and only displays
// and forwards: every rule lives in core/document.
#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "GuiContext.h"
#include "document/EditorDocument.h"
#include "session/EditorWindow.h"

namespace tavmir::gui {

class FrmSettingsEdit : public QWidget, public EditorWindow {
    Q_OBJECT

  public:
    explicit FrmSettingsEdit(GuiContext& context, QWidget* parent = nullptr);
    ~FrmSettingsEdit() override;

    // EditorWindow.
    std::string filePath() const override;
    bool modified() const override;
    // OpenFile: reads the file (load-error dialog when it has errors); "" or "cancel open".
    std::string openFile(const std::string& path) override;
    // SaveFile: checks and writes in the file's own form; "" when written.
    std::string saveFile() override;
    // Save As with the save dialog; "" when written.
    std::string saveFileAs();

    void setFilePath(const std::string& path);
    int slotNumber() const;
    void setSlotNumber(int slot);

    // Shows page 1..12 / the page of a setting or field number.
    void showPage(int page);
    void setPageForItem(int item);
    int currentPage() const;
    // Puts the focus into the value field of a setting (showing its page).
    void focusItem(int item);

    EditorDocument& document();
    const EditorDocument& document() const;

    // Shows the document's texts, tooltips and caption again after an operation outside the
    // window (copy, swap, import, edit for all ships) wrote the document directly.
    void refreshFromDocument();

    // Re-aligns every value field after the preferences changed.
    void applyTextAlign();

  signals:
    // The focused field changed which of the two Edit commands apply.
    void editCommandsChanged(bool editSettingForAllShips, bool editAlphanumericSetting);
    // A file was loaded (open or reload) into this editor.
    void fileLoaded(const QString& path);
    // The file was written; pathChanged after a Save As to another file.
    void fileSaved(const QString& path, bool pathChanged);
    // The user double-clicked a field whose command is Edit For All Ships (true) or
    // Edit Alphanumeric Setting (false); the main window runs the command.
    void editCommandRequested(bool editSettingForAllShips);

  private:
    class Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace tavmir::gui
