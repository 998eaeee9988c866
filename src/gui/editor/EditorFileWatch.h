// An editor's eye on its file on disk. A file-system watcher on the file and its folder, and a
// look whenever the program is activated, notice when another program changes, replaces,
// renames away or deletes the file; the editor then tells the user once per change (DiskWatch
// decides what): a changed file is offered for reload (through the normal open, with its load
// checks), a deleted one is said to be gone while the editor keeps its values, a folder or FIFO
// in its place is reported and never read.
//
// What the editor knows of the file lives in its document (the identity it read or wrote,
// what it told); the save asks its own questions (session/SaveRun.h) and remembers what it
// wrote, so the editor's own saves never look like a change.
#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "GuiContext.h"
#include "document/EditorDocument.h"

class QFileSystemWatcher;
class QTimer;
class QWidget;

namespace tavmir::gui {

class EditorFileWatch : public QObject {
    Q_OBJECT

  public:
    // `editor` parents the message boxes; `reload` opens the document's file again.
    EditorFileWatch(QWidget& editor, GuiContext& context, EditorDocument& document,
                    std::function<void()> reload);

    // The document's file was just read into the editor (an open or a reload), or written
    // (Save As may have chosen another file): the watcher follows it.
    void opened();
    void saved();

    // Looks at the file now and tells what changed, once (the watcher's signal and the
    // program's activation call it). While a modal dialog is open the look waits for it.
    void check();
    // The editor has closed: its file is no longer watched, and a look that waited for a
    // dialog is dropped, so nothing is ever asked about a file whose editor is gone.
    void stop();

  signals:
    // The file was deleted or something that is not a file took its place: the editor's
    // values are on disk nowhere now (told before the user is).
    void fileGone();
    // The user pressed the Save key while the reload question was up: they asked to save.
    void saveRequested();

  private:
    void watch(const std::string& path);
    // A Yes/No question, No preselected, with the normal pointer while it is asked.
    bool askYesNo(const std::string& text);

    QWidget& m_editor;
    GuiContext& m_context;
    EditorDocument& m_document;
    std::function<void()> m_reload;
    QFileSystemWatcher* m_watcher = nullptr;  // null when the context does not watch
    QTimer* m_retry = nullptr;                // a look put off by a modal dialog
    bool m_checking = false;
    bool m_pending = false;
};

}  // namespace tavmir::gui
