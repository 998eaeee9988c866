// An editor's eye on its file on disk. A file-system watcher on the file and its folder, and a
// look whenever the program is activated, notice when another program changes, replaces,
// renames away or deletes the file; the editor then tells the user once per change (DiskWatch
// decides what): a changed file is offered for reload (through the normal open, with its load
// checks), a deleted one is said to be gone while the editor keeps its values, a folder or FIFO
// in its place is reported and never read.
//
// Before every save it asks before writing over a change made on disk since the file was
// opened or last saved, and keeps the original as FILE.bak at the first save of the session
// (see BackupSession); a backup that cannot be written is asked about once, and the save goes
// on only on Yes. What the editor itself writes is remembered, so its own saves never look like
// a change.
#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "GuiContext.h"
#include "document/BackupSession.h"
#include "document/DiskWatch.h"
#include "document/EditorDocument.h"

class QFileSystemWatcher;
class QTimer;
class QWidget;

namespace tavmir::gui {

class EditorFileWatch : public QObject {
    Q_OBJECT

  public:
    // `editor` parents the message boxes; `reload` opens the document's file again.
    EditorFileWatch(QWidget& editor, GuiContext& context, const EditorDocument& document,
                    std::function<void()> reload);

    // The document's file was just read into the editor (an open or a reload): a new session.
    void opened();
    // The document's file was just written by the editor.
    void saved();
    // What Save runs once its checks have passed, before writing path: "" to write, else
    // kSaveCancelled (the user declined).
    std::string beforeWrite(const std::string& path);

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

  private:
    void watch(const std::string& path);
    // A Yes/No question, No preselected, with the normal pointer while it is asked.
    bool askYesNo(const std::string& text);

    QWidget& m_editor;
    GuiContext& m_context;
    const EditorDocument& m_document;
    std::function<void()> m_reload;
    QFileSystemWatcher* m_watcher = nullptr;  // null when the context does not watch
    QTimer* m_retry = nullptr;                // a look put off by a modal dialog
    DiskWatch m_disk;
    BackupSession m_backups;
    bool m_checking = false;
    bool m_pending = false;
};

}  // namespace tavmir::gui
