// What the two batch windows share: the file grid g1 with its count caption and buttons (Add
// Files, Add Folder, Remove All Files, the Delete key, a double click), the log tLog with Save
// and Print, the progress area with its 500 ms elapsed time, Start and Stop in one place,
// Escape as Stop, the refused close during a run, grid and log following each other, and the
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

    // Controls by their names, for the windows' own code and for tests.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QTableView* g1 = nullptr;
    QTextEdit* tLog = nullptr;
    QPushButton* bAddFiles = nullptr;
    QPushButton* bAddFolder = nullptr;
    QPushButton* bRemoveAllFiles = nullptr;
    QPushButton* bStart = nullptr;
    QPushButton* bStop = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bPrint = nullptr;
    QProgressBar* pbFile = nullptr;
    QProgressBar* pbTot = nullptr;
    QLabel* lProgressFile = nullptr;
    QLabel* lProgressTot = nullptr;
    QLabel* lFilesDone = nullptr;
    QLabel* lTime = nullptr;

    void bAddFiles_Click();
    void bAddFolder_Click();
    void bRemoveAllFiles_Click();
    void bSave_Click();
    void bPrint_Click();
    // The Delete key on the grid.
    void removeSelectedRows();

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
    void updateCaption();
    void refreshGrid();
    // The log and grid follow each other.
    void followLogToRow(int row);
    void followRowFromLog();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    GuiContext& m_context;
    BatchFileList m_list;
    BatchGridModel* m_model = nullptr;
    QVBoxLayout* m_layout = nullptr;  // the frames, top to bottom
    QTimer* Timer1 = nullptr;
    StyledLog m_log;  // what tLog shows, for Save
    bool m_busy = false;
    bool m_running = false;
    std::int64_t m_startTick = 0;
    int m_filterIndex = 0;
    int m_fileCount = 0;
};

}  // namespace tavmir::gui
