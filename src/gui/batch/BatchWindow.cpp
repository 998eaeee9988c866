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

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* listLayout = new QHBoxLayout(Frame1);
    g1 = new QTableView(Frame1);
    g1->setObjectName(QStringLiteral("g1"));
    m_model = new BatchGridModel(m_list, this);
    g1->setModel(m_model);
    g1->setSelectionBehavior(QAbstractItemView::SelectRows);
    g1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    g1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g1->verticalHeader()->hide();
    g1->verticalHeader()->setDefaultSectionSize(20);
    g1->horizontalHeader()->setHighlightSections(false);
    g1->setWordWrap(false);
    g1->setIconSize(QSize(16, 16));
    const QList<int> widths = BatchGridModel::columnWidths(mode);
    for (int c = 0; c < widths.size(); ++c) g1->setColumnWidth(c, widths[c]);
    g1->horizontalHeader()->setStretchLastSection(false);
    g1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    g1->installEventFilter(this);
    listLayout->addWidget(g1, 1);

    auto* buttons = new QVBoxLayout;
    bAddFiles = button("bAddFiles", QStringLiteral("&Add Files"), Frame1);
    bAddFolder = button("bAddFolder", QStringLiteral("Add &Folder"), Frame1);
    bRemoveAllFiles = button("bRemoveAllFiles", QStringLiteral("&Remove All Files"), Frame1);
    const bool validate = mode == BatchMode::Validate;
    bStart = button(validate ? "bStartValidation" : "bStartComparison",
                    validate ? QStringLiteral("&Validate") : QStringLiteral("&Compare"), Frame1);
    bStop = button(
        validate ? "bStopValidation" : "bStopComparison",
        validate ? QStringLiteral("Stop &Validation") : QStringLiteral("Stop &Comparison"), Frame1);
    bStop->hide();
    for (QPushButton* b : {bAddFiles, bAddFolder, bRemoveAllFiles}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(bStart);
    buttons->addWidget(bStop);
    listLayout->addLayout(buttons);
    m_layout->addWidget(Frame1, 1);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* logLayout = new QGridLayout(Frame2);
    tLog = new QTextEdit(Frame2);
    tLog->setObjectName(QStringLiteral("tLog"));
    tLog->setReadOnly(true);
    tLog->setLineWrapMode(validate ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    tLog->viewport()->installEventFilter(this);
    logLayout->addWidget(tLog, 0, 0, 1, 4);
    pbFile = new QProgressBar(Frame2);
    pbFile->setObjectName(QStringLiteral("pbFile"));
    pbTot = new QProgressBar(Frame2);
    pbTot->setObjectName(QStringLiteral("pbTot"));
    for (QProgressBar* bar : {pbFile, pbTot}) {
        bar->setTextVisible(false);
        bar->setRange(0, 100);
    }
    lProgressFile = label("lProgressFile", Frame2);
    lProgressTot = label("lProgressTot", Frame2);
    lFilesDone = label(validate ? "lFilesValidated" : "lFilesCompared", Frame2);
    lTime = label("lTime", Frame2);
    bSave = button("bSave", QStringLiteral("&Save"), Frame2);
    bPrint = button("bPrint", QStringLiteral("&Print"), Frame2);
    logLayout->addWidget(pbFile, 1, 0);
    logLayout->addWidget(lProgressFile, 1, 1);
    logLayout->addWidget(lFilesDone, 1, 2);
    logLayout->addWidget(bSave, 1, 3);
    logLayout->addWidget(pbTot, 2, 0);
    logLayout->addWidget(lProgressTot, 2, 1);
    logLayout->addWidget(lTime, 2, 2);
    logLayout->addWidget(bPrint, 2, 3);
    logLayout->setColumnStretch(0, 1);
    logLayout->setRowStretch(0, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{pbFile, pbTot, lProgressFile, lProgressTot,
                                                      lFilesDone, lTime})
        w->hide();
    Frame2->hide();
    m_layout->addWidget(Frame2, 3);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        lTime->setText(QStringLiteral("Time ") +
                       fromCore(formatElapsedTime(
                           static_cast<std::int32_t>(steadyMilliseconds() - m_startTick), "")));
    });

    connect(bAddFiles, &QPushButton::clicked, this, &BatchWindow::bAddFiles_Click);
    connect(bAddFolder, &QPushButton::clicked, this, &BatchWindow::bAddFolder_Click);
    connect(bRemoveAllFiles, &QPushButton::clicked, this, &BatchWindow::bRemoveAllFiles_Click);
    connect(bStart, &QPushButton::clicked, this, [this] { startRun(); });
    connect(bStop, &QPushButton::clicked, this, [this] { requestStop(); });
    connect(bSave, &QPushButton::clicked, this, &BatchWindow::bSave_Click);
    connect(bPrint, &QPushButton::clicked, this, &BatchWindow::bPrint_Click);
    connect(g1, &QTableView::doubleClicked, this, [this] { bAddFiles_Click(); });
    connect(g1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_busy && current.isValid()) followLogToRow(current.row());
            });
    setAttribute(Qt::WA_DeleteOnClose);
    updateCaption();
}

BatchWindow::~BatchWindow() = default;

int BatchWindow::currentRow() const {
    const QModelIndex i = g1->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void BatchWindow::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    g1->setCurrentIndex(m_model->index(row, 0));
    g1->selectRow(row);
    g1->scrollTo(m_model->index(row, 0));
}

void BatchWindow::updateCaption() { Frame1->setTitle(fromCore(m_list.caption())); }

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

void BatchWindow::bAddFiles_Click() {
    if (m_running) return;
    FileDialogRequest request;
    request.filters = qtNameFilters(kBatchFilesFilter);
    request.selectedFilter = m_filterIndex;
    const QStringList paths = ui().openFileNames(this, request);
    if (paths.isEmpty()) return;
    if (request.selectedFilter >= 0) m_filterIndex = request.selectedFilter;
    BusyCursor busy;
    addFiles(paths);
    bStart->setFocus();
}

void BatchWindow::bAddFolder_Click() {
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
    for (QWidget* w : std::initializer_list<QWidget*>{bAddFiles, bAddFolder, bRemoveAllFiles,
                                                      bStart, bSave, bPrint})
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
    for (QWidget* w : std::initializer_list<QWidget*>{bAddFiles, bAddFolder, bRemoveAllFiles,
                                                      bStart, bSave, bPrint})
        w->setEnabled(true);
    bStart->setFocus();
    m_busy = false;
}

void BatchWindow::bRemoveAllFiles_Click() {
    if (m_running) return;
    m_list.clear();
    refreshGrid();
    selectRow(0);
}

void BatchWindow::removeSelectedRows() {
    if (m_running || m_list.empty()) return;
    std::vector<std::size_t> rows;
    for (const QModelIndex& i : g1->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(i.row()));
    if (rows.empty() && currentRow() >= 0) rows.push_back(static_cast<std::size_t>(currentRow()));
    if (rows.empty()) return;
    m_busy = true;
    const std::size_t next = m_list.removeRows(rows);
    refreshGrid();
    selectRow(static_cast<int>(next));
    m_busy = false;
}

void BatchWindow::bSave_Click() { saveLogReport(this, m_log, &m_context); }

void BatchWindow::bPrint_Click() { printLog(this, *tLog); }

void BatchWindow::beginRun(int fileCount) {
    m_running = true;
    m_busy = true;
    m_fileCount = fileCount;
    Frame2->show();
    if (height() < fullHeight()) resize(width(), fullHeight());
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(172, 168, 153); }"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{g1, bAddFiles, bAddFolder, bRemoveAllFiles, bSave, bPrint})
        w->setEnabled(false);
    bStop->show();
    bStart->hide();
    bStop->setFocus();
    pbFile->setValue(0);
    pbTot->setValue(0);
    lProgressFile->setText(QStringLiteral("0%"));
    lProgressTot->setText(QStringLiteral("0%"));
    lFilesDone->setText(QStringLiteral("File 0/%1").arg(fileCount));
    lTime->setText(QStringLiteral("Time 00:00"));
    for (QWidget* w : std::initializer_list<QWidget*>{pbFile, pbTot, lProgressFile, lProgressTot,
                                                      lFilesDone, lTime})
        w->show();
    m_startTick = steadyMilliseconds();
    Timer1->start();
}

void BatchWindow::endRun() {
    Frame1->setStyleSheet(QString());
    bStart->show();
    bStop->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{g1, bAddFiles, bAddFolder, bRemoveAllFiles, bSave, bPrint})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{pbFile, pbTot, lProgressFile, lProgressTot,
                                                      lFilesDone, lTime})
        w->hide();
    Timer1->stop();
    m_busy = false;
    m_running = false;
    bStart->setFocus();
}

BatchRunHooks BatchWindow::runHooks() {
    BatchRunHooks hooks;
    hooks.longDate = longDateText;
    hooks.longTime = longTimeText;
    hooks.rowStarted = [this](std::size_t row) {
        selectRow(static_cast<int>(row));
        lFilesDone->setText(QStringLiteral("File %1/%2").arg(row + 1).arg(m_fileCount));
    };
    hooks.rowChanged = [this](std::size_t row) { m_model->rowChanged(static_cast<int>(row)); };
    hooks.progress = [this](int file, int total) {
        pbFile->setValue(file);
        lProgressFile->setText(QStringLiteral("%1%").arg(file));
        pbTot->setValue(total);
        lProgressTot->setText(QStringLiteral("%1%").arg(total));
    };
    hooks.yield = [] { QCoreApplication::processEvents(); };
    return hooks;
}

void BatchWindow::followLogToRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_list.size()) return;
    const QString marker = fromCore(logMarkerOfRow(m_list, static_cast<std::size_t>(row)));
    const QTextCursor found = tLog->document()->find(marker);
    if (found.isNull()) return;
    tLog->moveCursor(QTextCursor::End);
    QTextCursor at(tLog->document());
    at.setPosition(found.selectionStart());
    tLog->setTextCursor(at);
    tLog->ensureCursorVisible();
}

void BatchWindow::followRowFromLog() {
    if (m_running) return;
    const QString line = tLog->textCursor().block().text();
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
                                          : m_context.batchLists.comparison) =
        listToRetain(m_list, originText());
    tLog->clear();
    m_log.clear();
    event->accept();
}

void BatchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        bStop->isVisible()) {
        requestStop();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool BatchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == g1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            removeSelectedRows();
            return true;
        }
    }
    if (watched == tLog->viewport() && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [this] { followRowFromLog(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace tavmir::gui
