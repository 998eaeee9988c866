#include "batch/FrmAddFolder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    tFolder = new QLineEdit(frame1);
    tFolder->setObjectName(QStringLiteral("tFolder"));
    tFolder->setMinimumWidth(380);
    tFolder->installEventFilter(this);
    bSelectFolder =
        new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), frame1);
    bSelectFolder->setObjectName(QStringLiteral("bSelectFolder"));
    bSelectFolder->setToolTip(QStringLiteral("Browse for the folder"));
    folderRow->addWidget(tFolder, 1);
    folderRow->addWidget(bSelectFolder);
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
    oAddBoth = option("oAddBoth", QStringLiteral("&Add .cfg and .set files"));
    oAddCFG = option("oAddCFG", QStringLiteral("A&dd .cfg files"));
    oAddSET = option("oAddSET", QStringLiteral("Add .set fi&les"));
    oAddAll = option("oAddAll", QStringLiteral("Add all file&s"));
    chIncludeSubfolders = new QCheckBox(QStringLiteral("&Include subfolders"), frame3);
    chIncludeSubfolders->setObjectName(QStringLiteral("chIncludeSubfolders"));
    options->addWidget(chIncludeSubfolders);
    layout->addWidget(frame3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    bAddFolder = new QPushButton(QStringLiteral("Add &Folder"), this);
    bAddFolder->setObjectName(QStringLiteral("bAddFolder"));
    bCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    bAddFolder->setAutoDefault(false);
    bCancel->setAutoDefault(false);
    buttons->addWidget(bAddFolder);
    buttons->addWidget(bCancel);
    layout->addLayout(buttons);

    tFolder->setText(fromCore(m_settings.folder));
    QRadioButton* chosen[] = {oAddBoth, oAddCFG, oAddSET, oAddAll};
    chosen[static_cast<int>(m_settings.filter)]->setChecked(true);
    chIncludeSubfolders->setChecked(m_settings.includeSubfolders);

    connect(bSelectFolder, &QPushButton::clicked, this, &FrmAddFolder::bSelectFolder_Click);
    connect(bAddFolder, &QPushButton::clicked, this, &FrmAddFolder::bAddFolder_Click);
    connect(bCancel, &QPushButton::clicked, this, &FrmAddFolder::bCancel_Click);
}

void FrmAddFolder::store() {
    AddFolderSettings& s = m_settings;
    s.folder = std::string(trimSpaces(toCore(tFolder->text())));
    s.filter = oAddCFG->isChecked()   ? FolderFilter::Cfg
               : oAddSET->isChecked() ? FolderFilter::Set
               : oAddAll->isChecked() ? FolderFilter::All
                                      : FolderFilter::CfgAndSet;
    s.includeSubfolders = chIncludeSubfolders->isChecked();
}

void FrmAddFolder::bSelectFolder_Click() {
    const QString start = tFolder->text().trimmed();
    const QString chosen = ui().existingDirectory(this, QStringLiteral("Select the folder"), start);
    if (!chosen.isEmpty())
        tFolder->setText(chosen.trimmed());  // a cancelled browser keeps the text
}

void FrmAddFolder::bAddFolder_Click() {
    const std::string folder(trimSpaces(toCore(tFolder->text())));
    const std::string refusal = addFolderRefusal(folder);
    if (folder.empty()) {
        showInformation(this, fromCore(refusal));
        bSelectFolder_Click();
        bAddFolder->setFocus();
        return;
    }
    if (!refusal.empty()) {
        showInformation(this, fromCore(refusal));
        tFolder->setFocus();
        return;
    }
    store();
    accept();
}

void FrmAddFolder::bCancel_Click() {
    store();
    reject();
}

void FrmAddFolder::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        bCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FrmAddFolder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tFolder && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, tFolder, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavmir::gui
