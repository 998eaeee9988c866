// What the two batch windows share: the file grid m_grid with its count caption and buttons (Add
// Files, Add Folder, Remove All Files, the Delete key, a double click), the log m_logView with Save
// and Print, the progress area with its 500 ms elapsed time, Start and Stop in one place,
// Escape as Stop during a run and as the close box otherwise, the refused close during a run, grid
// and log following each other, the current row kept in view when the list changes size, and the
// list kept while the window is closed. A window only adds its run.
#pragma once

#include <QWidget>

#include <memory>

#include "GuiContext.h"
#include "batch/BatchFileList.h"
#include "batch/BatchRun.h"
#include "settingsfile/StyledLog.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTextEdit;
class QTimer;
class QVBoxLayout;

namespace tavmir::gui {

class BatchGridModel;

class BatchWindow : public QWidget {
    Q_OBJECT

  public:
    BatchWindow(BatchMode mode, GuiContext& context, QWidget* parent);
    ~BatchWindow() override;

    BatchFileList& list() { return m_list; }
    bool running() const { return m_running; }
    // The grid's current row (0-based), or -1.
    int currentRow() const;
    void selectRow(int row);
    // Adds the paths as Add Files does (duplicates refused).
    void addFiles(const QStringList& paths);

  protected:
    // The run itself, and the stop button.
    virtual void startRun() = 0;
    virtual void requestStop() = 0;
    // "Validation in progress" / "Comparison in progress".
    virtual QString runningMessage() const = 0;
    // The origin text kept with the list (comparison window).
    virtual std::string originText() const { return {}; }
    // After files were added: the comparison window takes its origin out again.
    virtual void afterFilesAdded() {}
    // The window height while the log is shown / before (pixels).
    virtual int fullHeight() const = 0;

    // The run's frame: disables the list's controls, shows the progress area and Stop.
    void beginRun(int fileCount);
    void endRun();
    BatchRunHooks runHooks();
    void refreshGrid();

    // What the windows build on: the run's context, the log (tLog) and what it shows, the Add
    // Files button (the focus after a refused start), and a frame put above the list, whose
    // controls then lead the keyboard order.
    GuiContext& context() { return m_context; }
    QTextEdit& logView() { return *m_logView; }
    StyledLog& log() { return m_log; }
    QPushButton& addFilesButton() { return *m_addFilesButton; }
    void addFrameOnTop(QWidget& frame);
    // One settings file chosen in the Open dialog (the comparison's origin, the file values are
    // taken from), the dialog's filter entry remembered in filterIndex; empty when cancelled.
    QString chooseSettingsFile(int& filterIndex);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The buttons' commands; Add Files also runs on a double click on the grid.
    void addFilesCommand();
    void addFolderCommand();
    void removeAllFilesCommand();
    void saveLogCommand();
    void printLogCommand();
    // The Delete key on the grid.
    void removeSelectedRows();
    void updateCaption();
    // The log and grid follow each other.
    void followLogToRow(int row);
    void followRowFromLog();

    GuiContext& m_context;
    BatchFileList m_list;
    BatchGridModel* m_model = nullptr;
    QVBoxLayout* m_layout = nullptr;  // the frames, top to bottom
    StyledLog m_log;                  // what m_logView shows, for Save
    // The controls; their object names are those of the window's design (g1, tLog, ...).
    QGroupBox* m_listFrame = nullptr;  // Frame1, captioned with the count
    QGroupBox* m_logFrame = nullptr;   // Frame2
    QTableView* m_grid = nullptr;
    QTextEdit* m_logView = nullptr;
    QPushButton* m_addFilesButton = nullptr;
    QPushButton* m_addFolderButton = nullptr;
    QPushButton* m_removeAllButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QProgressBar* m_fileProgress = nullptr;
    QProgressBar* m_totalProgress = nullptr;
    QLabel* m_fileProgressText = nullptr;
    QLabel* m_totalProgressText = nullptr;
    QLabel* m_filesDoneText = nullptr;
    QLabel* m_elapsedText = nullptr;
    QTimer* m_elapsedTimer = nullptr;  // 500 ms while a run goes on
    bool m_busy = false;
    bool m_running = false;
    std::int64_t m_startTick = 0;
    int m_filterIndex = 0;
    int m_fileCount = 0;
};

}  // namespace tavmir::gui
