#include "batch/BatchWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "LocalClock.h"
#include "UiServices.h"
#include "batch/BatchGridModel.h"
#include "batch/BatchPacer.h"
#include "batch/FrmAddFolder.h"
#include "common/ElapsedTime.h"
#include "dialogs/LogReport.h"

namespace tavmir::gui {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* label(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

}  // namespace

BatchWindow::BatchWindow(BatchMode mode, GuiContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_list(mode) {
    m_layout = new QVBoxLayout(this);

    m_listFrame = new QGroupBox(this);
    m_listFrame->setObjectName(QStringLiteral("Frame1"));
    auto* listLayout = new QHBoxLayout(m_listFrame);
    m_grid = new QTableView(m_listFrame);
    m_grid->setObjectName(QStringLiteral("g1"));
    m_model = new BatchGridModel(m_list, this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control; the arrow keys move between its rows.
    m_grid->setTabKeyNavigation(false);
    // Scrolled by pixels, so the row a run or a click brings into view shows whole even when
    // the list's height is not a whole number of rows (at any screen scale).
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setWordWrap(false);
    m_grid->setIconSize(QSize(16, 16));
    const QList<int> widths = BatchGridModel::columnWidths(mode);
    for (int c = 0; c < widths.size(); ++c) m_grid->setColumnWidth(c, widths[c]);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->installEventFilter(this);
    listLayout->addWidget(m_grid, 1);

    auto* buttons = new QVBoxLayout;
    m_addFilesButton = button("bAddFiles", QStringLiteral("&Add Files"), m_listFrame);
    m_addFolderButton = button("bAddFolder", QStringLiteral("Add &Folder"), m_listFrame);
    m_removeAllButton = button("bRemoveAllFiles", QStringLiteral("&Remove All Files"), m_listFrame);
    struct RunButtons {
        const char* start;
        QString startText;
        const char* stop;
        QString stopText;
    };
    const RunButtons names =
        mode == BatchMode::Validate
            ? RunButtons{"bStartValidation", QStringLiteral("&Validate"), "bStopValidation",
                         QStringLiteral("Stop &Validation")}
        : mode == BatchMode::Set
            ? RunButtons{"bStartSet", QStringLiteral("&Set"), "bStopSet",
                         QStringLiteral("Stop &Setting")}
            : RunButtons{"bStartComparison", QStringLiteral("&Compare"), "bStopComparison",
                         QStringLiteral("Stop &Comparison")};
    m_startButton = button(names.start, names.startText, m_listFrame);
    m_stopButton = button(names.stop, names.stopText, m_listFrame);
    m_stopButton->hide();
    for (QPushButton* b : {m_addFilesButton, m_addFolderButton, m_removeAllButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    listLayout->addLayout(buttons);
    m_layout->addWidget(m_listFrame, 1);

    m_logFrame = new QGroupBox(this);
    m_logFrame->setObjectName(QStringLiteral("Frame2"));
    auto* logLayout = new QGridLayout(m_logFrame);
    m_logView = new QTextEdit(m_logFrame);
    m_logView->setObjectName(QStringLiteral("tLog"));
    m_logView->setReadOnly(true);
    m_logView->setLineWrapMode(mode != BatchMode::Compare ? QTextEdit::WidgetWidth
                                                          : QTextEdit::NoWrap);
    m_logView->viewport()->installEventFilter(this);
    logLayout->addWidget(m_logView, 0, 0, 1, 4);
    m_fileProgress = new QProgressBar(m_logFrame);
    m_fileProgress->setObjectName(QStringLiteral("pbFile"));
    m_totalProgress = new QProgressBar(m_logFrame);
    m_totalProgress->setObjectName(QStringLiteral("pbTot"));
    for (QProgressBar* bar : {m_fileProgress, m_totalProgress}) {
        bar->setTextVisible(false);
        bar->setRange(0, 100);
    }
    m_fileProgressText = label("lProgressFile", m_logFrame);
    m_totalProgressText = label("lProgressTot", m_logFrame);
    m_filesDoneText = label(mode == BatchMode::Validate ? "lFilesValidated"
                            : mode == BatchMode::Set    ? "lFilesSet"
                                                        : "lFilesCompared",
                            m_logFrame);
    m_elapsedText = label("lTime", m_logFrame);
    m_saveButton = button("bSave", QStringLiteral("&Save"), m_logFrame);
    m_printButton = button("bPrint", QStringLiteral("&Print"), m_logFrame);
    logLayout->addWidget(m_fileProgress, 1, 0);
    logLayout->addWidget(m_fileProgressText, 1, 1);
    logLayout->addWidget(m_filesDoneText, 1, 2);
    logLayout->addWidget(m_saveButton, 1, 3);
    logLayout->addWidget(m_totalProgress, 2, 0);
    logLayout->addWidget(m_totalProgressText, 2, 1);
    logLayout->addWidget(m_elapsedText, 2, 2);
    logLayout->addWidget(m_printButton, 2, 3);
    logLayout->setColumnStretch(0, 1);
    logLayout->setRowStretch(0, 1);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_fileProgress, m_totalProgress, m_fileProgressText,
                                         m_totalProgressText, m_filesDoneText, m_elapsedText})
        w->hide();
    m_logFrame->hide();
    m_layout->addWidget(m_logFrame, 3);

    m_elapsedTimer = new QTimer(this);
    m_elapsedTimer->setInterval(500);
    connect(m_elapsedTimer, &QTimer::timeout, this, [this] {
        m_elapsedText->setText(
            QStringLiteral("Time ") +
            fromCore(formatElapsedTime(
                static_cast<std::int32_t>(steadyMilliseconds() - m_startTick), "")));
    });

    connect(m_addFilesButton, &QPushButton::clicked, this, &BatchWindow::addFilesCommand);
    connect(m_addFolderButton, &QPushButton::clicked, this, &BatchWindow::addFolderCommand);
    connect(m_removeAllButton, &QPushButton::clicked, this, &BatchWindow::removeAllFilesCommand);
    connect(m_startButton, &QPushButton::clicked, this, [this] { startRun(); });
    connect(m_stopButton, &QPushButton::clicked, this, [this] { requestStop(); });
    connect(m_saveButton, &QPushButton::clicked, this, &BatchWindow::saveLogCommand);
    connect(m_printButton, &QPushButton::clicked, this, &BatchWindow::printLogCommand);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { addFilesCommand(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_busy && current.isValid()) followLogToRow(current.row());
            });
    setAttribute(Qt::WA_DeleteOnClose);
    updateCaption();
}

BatchWindow::~BatchWindow() = default;

int BatchWindow::currentRow() const {
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void BatchWindow::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->selectRow(row);
    m_grid->scrollTo(m_model->index(row, 0));
}

void BatchWindow::addFrameOnTop(QWidget& frame) {
    m_layout->insertWidget(0, &frame);
    // The keyboard goes through the window from the top: the frame's controls, then the list
    // and its buttons, then the log and its buttons.
    QWidgetList order;
    for (QWidget* w : frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus) order.append(w);
    order << m_grid << m_addFilesButton << m_addFolderButton << m_removeAllButton << m_startButton
          << m_stopButton << m_logView << m_saveButton << m_printButton;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void BatchWindow::updateCaption() { m_listFrame->setTitle(fromCore(m_list.caption())); }

void BatchWindow::refreshGrid() {
    m_model->reset();
    updateCaption();
}

void BatchWindow::addFiles(const QStringList& paths) {
    const bool wasBusy = m_busy;
    m_busy = true;
    int last = -1;
    for (const QString& p : paths)
        if (m_list.add(toCore(p))) last = static_cast<int>(m_list.size()) - 1;
    refreshGrid();
    afterFilesAdded();
    if (last >= 0) selectRow(std::min(last, static_cast<int>(m_list.size()) - 1));
    m_busy = wasBusy;
}

QString BatchWindow::chooseSettingsFile(int& filterIndex) {
    FileDialogRequest request;
    request.filters = qtNameFilters(kBatchFilesFilter);
    request.selectedFilter = filterIndex;
    const QString path = ui().openFileName(this, request);
    if (!path.isEmpty() && request.selectedFilter >= 0) filterIndex = request.selectedFilter;
    return path;
}

void BatchWindow::addFilesCommand() {
    if (m_running) return;
    FileDialogRequest request;
    request.filters = qtNameFilters(kBatchFilesFilter);
    request.selectedFilter = m_filterIndex;
    const QStringList paths = ui().openFileNames(this, request);
    if (paths.isEmpty()) return;
    if (request.selectedFilter >= 0) m_filterIndex = request.selectedFilter;
    BusyCursor busy;
    addFiles(paths);
    m_startButton->setFocus();
}

void BatchWindow::addFolderCommand() {
    if (m_running) return;
    m_busy = true;
    FrmAddFolder dialog(m_context.addFolder, this);
    const bool confirmed = ui().exec(dialog) == QDialog::Accepted;
    // Cancel keeps the changed choices for the next opening too.
    m_context.addFolder = dialog.settings();
    if (!confirmed) {
        m_busy = false;
        return;
    }
    const AddFolderSettings& settings = m_context.addFolder;
    BusyCursor busy;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_addFilesButton, m_addFolderButton, m_removeAllButton,
                                         m_startButton, m_saveButton, m_printButton})
        w->setEnabled(false);
    std::string folder = settings.folder;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    BatchPacer pacer;
    int last = -1;
    scanFolder(
        folder, folderFilterText(settings.filter), settings.includeSubfolders,
        [&](const std::string& path) {
            if (m_list.add(path)) last = static_cast<int>(m_list.size()) - 1;
        },
        [&] {
            if (pacer.repaintDue()) updateCaption();
            if (pacer.eventsDue()) QCoreApplication::processEvents();
        });
    refreshGrid();
    afterFilesAdded();
    if (last >= 0) selectRow(std::min(last, static_cast<int>(m_list.size()) - 1));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_addFilesButton, m_addFolderButton, m_removeAllButton,
                                         m_startButton, m_saveButton, m_printButton})
        w->setEnabled(true);
    m_startButton->setFocus();
    m_busy = false;
}

void BatchWindow::removeAllFilesCommand() {
    if (m_running) return;
    m_list.clear();
    refreshGrid();
    selectRow(0);
}

void BatchWindow::removeSelectedRows() {
    if (m_running || m_list.empty()) return;
    std::vector<std::size_t> rows;
    for (const QModelIndex& i : m_grid->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(i.row()));
    if (rows.empty() && currentRow() >= 0) rows.push_back(static_cast<std::size_t>(currentRow()));
    if (rows.empty()) return;
    m_busy = true;
    const std::size_t next = m_list.removeRows(rows);
    refreshGrid();
    selectRow(static_cast<int>(next));
    m_busy = false;
}

void BatchWindow::saveLogCommand() { saveLogReport(this, m_log, &m_context); }

void BatchWindow::printLogCommand() { printLog(this, *m_logView); }

void BatchWindow::beginRun(int fileCount) {
    m_running = true;
    m_busy = true;
    m_fileCount = fileCount;
    m_logFrame->show();
    if (height() < fullHeight()) resize(width(), fullHeight());
    m_listFrame->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(172, 168, 153); }"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_grid, m_addFilesButton, m_addFolderButton,
                                         m_removeAllButton, m_saveButton, m_printButton})
        w->setEnabled(false);
    m_stopButton->show();
    m_startButton->hide();
    m_stopButton->setFocus();
    m_fileProgress->setValue(0);
    m_totalProgress->setValue(0);
    m_fileProgressText->setText(QStringLiteral("0%"));
    m_totalProgressText->setText(QStringLiteral("0%"));
    m_filesDoneText->setText(QStringLiteral("File 0/%1").arg(fileCount));
    m_elapsedText->setText(QStringLiteral("Time 00:00"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_fileProgress, m_totalProgress, m_fileProgressText,
                                         m_totalProgressText, m_filesDoneText, m_elapsedText})
        w->show();
    m_startTick = steadyMilliseconds();
    m_elapsedTimer->start();
}

void BatchWindow::endRun() {
    m_listFrame->setStyleSheet(QString());
    m_startButton->show();
    m_stopButton->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_grid, m_addFilesButton, m_addFolderButton,
                                         m_removeAllButton, m_saveButton, m_printButton})
        w->setEnabled(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_fileProgress, m_totalProgress, m_fileProgressText,
                                         m_totalProgressText, m_filesDoneText, m_elapsedText})
        w->hide();
    m_elapsedTimer->stop();
    m_busy = false;
    m_running = false;
    m_startButton->setFocus();
}

BatchRunHooks BatchWindow::runHooks() {
    BatchRunHooks hooks;
    hooks.longDate = longDateText;
    hooks.longTime = longTimeText;
    hooks.rowStarted = [this](std::size_t row) {
        selectRow(static_cast<int>(row));
        m_filesDoneText->setText(QStringLiteral("File %1/%2").arg(row + 1).arg(m_fileCount));
    };
    hooks.rowChanged = [this](std::size_t row) { m_model->rowChanged(static_cast<int>(row)); };
    hooks.progress = [this](int file, int total) {
        m_fileProgress->setValue(file);
        m_fileProgressText->setText(QStringLiteral("%1%").arg(file));
        m_totalProgress->setValue(total);
        m_totalProgressText->setText(QStringLiteral("%1%").arg(total));
    };
    hooks.yield = [] { QCoreApplication::processEvents(); };
    return hooks;
}

void BatchWindow::followLogToRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_list.size()) return;
    const QString marker = fromCore(logMarkerOfRow(m_list, static_cast<std::size_t>(row)));
    const QTextCursor found = m_logView->document()->find(marker);
    if (found.isNull()) return;
    m_logView->moveCursor(QTextCursor::End);
    QTextCursor at(m_logView->document());
    at.setPosition(found.selectionStart());
    m_logView->setTextCursor(at);
    m_logView->ensureCursorVisible();
}

void BatchWindow::followRowFromLog() {
    if (m_running) return;
    const QString line = m_logView->textCursor().block().text();
    const std::ptrdiff_t row = rowOfLogLine(m_list, toCore(line));
    if (row < 0) return;
    m_busy = true;
    selectRow(static_cast<int>(row));
    m_busy = false;
}

void BatchWindow::closeEvent(QCloseEvent* event) {
    if (m_running) {
        // The run goes on; its list and log stay as they are.
        showInformation(this, runningMessage());
        event->ignore();
        return;
    }
    (m_list.mode() == BatchMode::Validate ? m_context.batchLists.validation
     : m_list.mode() == BatchMode::Set    ? m_context.batchLists.setting
                                          : m_context.batchLists.comparison) =
        listToRetain(m_list, originText());
    m_logView->clear();
    m_log.clear();
    event->accept();
}

void BatchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape stops a run, and closes the window when none is going.
        if (m_stopButton->isVisible())
            requestStop();
        else if (!m_running)
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool BatchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            removeSelectedRows();
            return true;
        }
    }
    if (watched == m_grid && event->type() == QEvent::Resize) {
        // The list shrinks when the log area opens; the current row, if it was in view,
        // stays in view once the list has its new size.
        const QModelIndex current = m_grid->currentIndex();
        if (current.isValid() && m_grid->visualRect(current).intersects(m_grid->viewport()->rect()))
            QTimer::singleShot(0, this, [this] {
                if (m_grid->currentIndex().isValid()) m_grid->scrollTo(m_grid->currentIndex());
            });
    }
    if (watched == m_logView->viewport() && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [this] { followRowFromLog(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace tavmir::gui
