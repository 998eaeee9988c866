#include "batch/FrmAddFolder.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "UiServices.h"
#include "batch/BatchFileList.h"
#include "common/Text.h"

namespace tavmir::gui {

FrmAddFolder::FrmAddFolder(const AddFolderSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("FrmAddFolder"));
    setWindowTitle(QStringLiteral("Add Folder"));
    auto* layout = new QVBoxLayout(this);

    auto* frame1 = new QGroupBox(QStringLiteral("Folder"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* folderRow = new QHBoxLayout(frame1);
    m_folder = new QLineEdit(frame1);
    m_folder->setObjectName(QStringLiteral("tFolder"));
    m_folder->setMinimumWidth(380);
    m_folder->installEventFilter(this);
    m_browseButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), frame1);
    m_browseButton->setObjectName(QStringLiteral("bSelectFolder"));
    m_browseButton->setToolTip(QStringLiteral("Browse for the folder"));
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browseButton);
    layout->addWidget(frame1);

    auto* frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* options = new QVBoxLayout(frame3);
    const auto option = [&](const char* name, const QString& caption) {
        auto* o = new QRadioButton(caption, frame3);
        o->setObjectName(QLatin1String(name));
        options->addWidget(o);
        return o;
    };
    m_addBoth = option("oAddBoth", QStringLiteral("&Add .cfg and .set files"));
    m_addCfg = option("oAddCFG", QStringLiteral("A&dd .cfg files"));
    m_addSet = option("oAddSET", QStringLiteral("Add .set fi&les"));
    m_addAll = option("oAddAll", QStringLiteral("Add all file&s"));
    m_includeSubfolders = new QCheckBox(QStringLiteral("&Include subfolders"), frame3);
    m_includeSubfolders->setObjectName(QStringLiteral("chIncludeSubfolders"));
    options->addWidget(m_includeSubfolders);
    layout->addWidget(frame3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_addButton = new QPushButton(QStringLiteral("Add &Folder"), this);
    m_addButton->setObjectName(QStringLiteral("bAddFolder"));
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("bCancel"));
    // Enter adds the folder, unless another button has the focus.
    m_addButton->setDefault(true);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    m_folder->setText(fromCore(m_settings.folder));
    QRadioButton* chosen[] = {m_addBoth, m_addCfg, m_addSet, m_addAll};
    chosen[static_cast<int>(m_settings.filter)]->setChecked(true);
    m_includeSubfolders->setChecked(m_settings.includeSubfolders);

    connect(m_browseButton, &QPushButton::clicked, this, &FrmAddFolder::browseForFolder);
    connect(m_addButton, &QPushButton::clicked, this, &FrmAddFolder::addFolder);
    connect(m_cancelButton, &QPushButton::clicked, this, &FrmAddFolder::reject);
}

void FrmAddFolder::keepChoices() {
    AddFolderSettings& s = m_settings;
    s.folder = std::string(trimSpaces(toCore(m_folder->text())));
    s.filter = m_addCfg->isChecked()   ? FolderFilter::Cfg
               : m_addSet->isChecked() ? FolderFilter::Set
               : m_addAll->isChecked() ? FolderFilter::All
                                       : FolderFilter::CfgAndSet;
    s.includeSubfolders = m_includeSubfolders->isChecked();
}

void FrmAddFolder::browseForFolder() {
    const QString start = m_folder->text().trimmed();
    const QString chosen = ui().existingDirectory(
        this, QStringLiteral("Pre-selecting the folder using the folder's string."), start);
    if (!chosen.isEmpty())
        m_folder->setText(chosen.trimmed());  // a cancelled browser keeps the text
}

void FrmAddFolder::addFolder() {
    const std::string folder(trimSpaces(toCore(m_folder->text())));
    const std::string refusal = addFolderRefusal(folder);
    if (folder.empty()) {
        showInformation(this, fromCore(refusal));
        browseForFolder();
        m_addButton->setFocus();
        return;
    }
    if (!refusal.empty()) {
        showInformation(this, fromCore(refusal));
        m_folder->setFocus();
        return;
    }
    keepChoices();
    accept();
}

void FrmAddFolder::reject() {
    keepChoices();
    QDialog::reject();
}

bool FrmAddFolder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_folder && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_folder, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
