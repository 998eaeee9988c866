#include "editor/EditorFileWatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kRetryMilliseconds = 500;

// While the reload question is up: a Save key (Ctrl+S) pressed into it is the user asking to
// save, not a key for the question. It answers the question No and is remembered, so that
// the save runs then (and asks its own question about the change on disk). Without this a
// Ctrl+S pressed as the question comes up, when the program is activated after another
// program changed the file, would be lost with no word.
class SaveKeyCatcher final : public QObject {
  public:
    SaveKeyCatcher() { qApp->installEventFilter(this); }
    ~SaveKeyCatcher() override { qApp->removeEventFilter(this); }
    bool pressed() const { return m_pressed; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Save))
            return QObject::eventFilter(watched, event);
        m_pressed = true;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (QAbstractButton* no = box->button(QMessageBox::No)) no->click();
        }
        return true;
    }

  private:
    bool m_pressed = false;
};

QString localPath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace

EditorFileWatch::EditorFileWatch(QWidget& editor, GuiContext& context, EditorDocument& document,
                                 std::function<void()> reload)
    : QObject(&editor),
      m_editor(editor),
      m_context(context),
      m_document(document),
      m_reload(std::move(reload)) {
    // A look asked for while a dialog is open comes back, however it was asked for.
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(kRetryMilliseconds);
    connect(m_retry, &QTimer::timeout, this, &EditorFileWatch::check);
    if (!m_context.watchFilesOnDisk) return;
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &EditorFileWatch::check);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &EditorFileWatch::check);
}

void EditorFileWatch::watch(const std::string& path) {
    if (m_watcher == nullptr) return;
    const QString file = localPath(path);
    const QString folder = QFileInfo(file).absolutePath();
    // The watched paths follow the file (Save As); a file replaced by a rename drops out of
    // the watcher and is added again, and the folder sees it come back after a deletion.
    QStringList stale;
    for (const QString& watched : m_watcher->files() + m_watcher->directories())
        if (watched != file && watched != folder) stale.append(watched);
    if (!stale.isEmpty()) m_watcher->removePaths(stale);
    if (!m_watcher->directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    if (!m_watcher->files().contains(file) && QFileInfo::exists(file)) m_watcher->addPath(file);
}

void EditorFileWatch::opened() { watch(m_document.filePath()); }

void EditorFileWatch::saved() { watch(m_document.filePath()); }

bool EditorFileWatch::askYesNo(const std::string& text) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool yes =
        ui().message(&m_editor, BoxIcon::Question, fromCore(text),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    QApplication::restoreOverrideCursor();
    return yes;
}

void EditorFileWatch::check() {
    DiskWatch& disk = m_document.diskWatch();
    if (!disk.known()) return;
    if (m_checking || QApplication::activeModalWidget() != nullptr) {
        // Asked again once the question or dialog in the way has gone.
        m_pending = true;
        if (!m_checking) m_retry->start();
        return;
    }
    m_checking = true;
    m_pending = false;
    const std::string path = m_document.filePath();
    const DiskNotice notice = disk.check(path, m_document.modified());
    watch(path);
    switch (notice.kind) {
        case DiskNoticeKind::None:
            break;
        case DiskNoticeKind::Reload: {
            const SaveKeyCatcher saveKey;
            const bool reload = askYesNo(notice.text);
            if (saveKey.pressed()) {
                // After this look is over: the save looks at the file itself.
                QTimer::singleShot(0, this, &EditorFileWatch::saveRequested);
                break;
            }
            if (reload && m_reload) m_reload();
            break;
        }
        case DiskNoticeKind::Deleted:
        case DiskNoticeKind::NotRegular:
            emit fileGone();
            [[fallthrough]];
        case DiskNoticeKind::Unreadable:
            ui().message(&m_editor, BoxIcon::Information, fromCore(notice.text), QMessageBox::Ok,
                         QMessageBox::Ok);
            break;
    }
    m_checking = false;
    if (m_pending) QTimer::singleShot(0, this, &EditorFileWatch::check);
}

void EditorFileWatch::stop() {
    m_document.diskWatch().forget();
    m_pending = false;
    m_retry->stop();
    if (m_watcher == nullptr) return;
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty()) m_watcher->removePaths(watched);
}

}  // namespace tavmir::gui
