#include "dialogs/FrmProblems.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "UiServices.h"
#include "document/Layout.h"
#include "editor/FrmSettingsEdit.h"

namespace tavmir::gui {
namespace {

constexpr int kWidth = 940;
constexpr int kHeight = 300;

enum Column { kSetting, kPage, kValue, kProblem, kFix, kColumnCount };

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

bool sameProblem(const SaveProblem& a, const SaveProblem& b) {
    return a.kind == b.kind && a.setting == b.setting;
}

}  // namespace

FrmProblems::FrmProblems(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("FrmProblems"));
    setWindowTitle(QStringLiteral("Problems"));
    auto* layout = new QVBoxLayout(this);

    m_file = new QLabel(this);
    m_file->setObjectName(QStringLiteral("lFile"));
    m_file->setTextFormat(Qt::PlainText);
    layout->addWidget(m_file);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("gProblems"));
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels({QStringLiteral("Setting"), QStringLiteral("Page"),
                             QStringLiteral("Value"), QStringLiteral("Problem"),
                             QStringLiteral("Fix")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Wide enough for the longest names, page titles and messages of the catalogue.
    for (const auto& [column, width] :
         {std::pair{kSetting, 200}, {kPage, 125}, {kValue, 90}, {kProblem, 370}})
        m_list->setColumnWidth(column, width);
    layout->addWidget(m_list);
    // Enter, or a double-click, on a row.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { goToCurrent(); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &FrmProblems::updateButtons);

    auto* row = new QHBoxLayout;
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    row->addWidget(m_summary, 1);
    m_fix = button("bFix", QStringLiteral("&Fix"), this);
    m_fixAll = button("bFixAll", QStringLiteral("Fix &All"), this);
    QPushButton* closeButton = button("bClose", QStringLiteral("&Close"), this);
    for (QPushButton* b : {m_fix, m_fixAll, closeButton}) row->addWidget(b);
    layout->addLayout(row);
    connect(m_fix, &QPushButton::clicked, this, [this] { fix(false); });
    connect(m_fixAll, &QPushButton::clicked, this, [this] { fix(true); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    resize(kWidth, kHeight);
    place(*mainWindow);
    updateButtons();
}

void FrmProblems::place(const QWidget& mainWindow) {
    // Below the main window where the screen has room, so the fields it leads to stay in
    // sight; else over the main window's lower part.
    const QRect main = mainWindow.frameGeometry();
    const QRect screen = mainWindow.screen() ? mainWindow.screen()->availableGeometry() : main;
    const int x = std::clamp(main.x(), screen.x(), std::max(screen.x(), screen.right() - kWidth));
    const int below = main.bottom() + 8;
    move(x, below + kHeight + 40 <= screen.bottom()
                ? below
                : std::max(screen.y(), main.bottom() - kHeight - 40));
}

void FrmProblems::showEditor(FrmSettingsEdit* editor) {
    if (m_editor != editor) {
        if (m_editor) m_editor->disconnect(this);
        m_editor = editor;
        if (editor) connect(editor, &FrmSettingsEdit::valuesChanged, this, &FrmProblems::refresh);
    }
    refresh();
}

std::vector<SaveProblem> FrmProblems::selectedProblems() const {
    std::vector<SaveProblem> selected;
    for (QTreeWidgetItem* item : m_list->selectedItems()) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row >= 0 && row < static_cast<int>(m_listed.size()))
            selected.push_back(m_listed[static_cast<std::size_t>(row)].problem);
    }
    return selected;
}

void FrmProblems::refresh() {
    const std::vector<SaveProblem> selected = selectedProblems();
    const int current = m_list->currentIndex().row();

    m_listed.clear();
    if (m_editor)
        m_listed = listProblems(m_editor->document().catalogue(), m_editor->document().fields());
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const ListedProblem& p : m_listed) {
        const EditorDocument& document = m_editor->document();
        auto* item = new QTreeWidgetItem;
        item->setText(kSetting, fromCore(document.catalogue().qualifiedName(p.problem.setting)));
        item->setText(kPage, fromCore(std::string(pageTitle(p.problem.page))));
        item->setText(kValue, fromCore(document.text(p.problem.setting)));
        item->setText(kProblem, fromCore(p.problem.reason));
        item->setText(kFix, fromCore(fixCellText(p.fix)));
        item->setToolTip(kProblem, fromCore(p.problem.message));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list->setCurrentItem(items[std::clamp(current, 0, static_cast<int>(items.size()) - 1)], 0,
                               QItemSelectionModel::NoUpdate);
    for (std::size_t i = 0; i < m_listed.size(); ++i)
        if (std::any_of(selected.begin(), selected.end(),
                        [&](const SaveProblem& s) { return sameProblem(s, m_listed[i].problem); }))
            items[static_cast<qsizetype>(i)]->setSelected(true);

    m_file->setText(m_editor ? fromCore(m_editor->filePath()) : QString());
    m_summary->setText(m_editor ? fromCore(problemsSummary(m_listed.size())) : QString());
    updateButtons();
}

void FrmProblems::updateButtons() {
    const bool any = m_editor && !m_listed.empty();
    m_fix->setEnabled(any && (!m_list->selectedItems().isEmpty() || m_list->currentItem()));
    m_fixAll->setEnabled(any);
}

void FrmProblems::goToCurrent() {
    const int row = m_list->currentIndex().row();
    if (!m_editor || row < 0 || row >= static_cast<int>(m_listed.size())) return;
    const int setting = m_listed[static_cast<std::size_t>(row)].problem.setting;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(m_editor->parentWidget()))
        if (frame->mdiArea()) frame->mdiArea()->setActiveSubWindow(frame);
    m_editor->window()->activateWindow();
    m_editor->focusItem(setting);
}

void FrmProblems::fix(bool all) {
    if (!m_editor) return;
    const EditorDocument& document = m_editor->document();
    std::vector<SaveProblem> chosen = selectedProblems();
    const int current = m_list->currentIndex().row();
    if (chosen.empty() && current >= 0 && current < static_cast<int>(m_listed.size()))
        chosen.push_back(m_listed[static_cast<std::size_t>(current)].problem);
    m_editor->applyFixes(all ? fixAll(document.catalogue(), document.fields())
                             : fixChosen(document.catalogue(), document.fields(), chosen));
}

}  // namespace tavmir::gui
