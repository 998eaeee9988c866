// The "Add Folder" dialog: the folder (typed or browsed), which files to take, and whether to
// include subfolders. It opens on the settings it is given (what it was left with last time);
// exec() returns Accepted only after Add Folder with a valid folder. settings() is what it was
// left with: the confirmed choice, or the choices as they stood when it was cancelled (the
// Cancel button, Escape or the close box alike). Enter adds the folder unless another button
// has the focus.
#pragma once

#include <QDialog>

#include "batch/BatchFileList.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavmir::gui {

class FrmAddFolder : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAddFolder(const AddFolderSettings& settings, QWidget* parent = nullptr);

    const AddFolderSettings& settings() const { return m_settings; }

  public slots:
    // Cancel, Escape and the close box: keeps the choices as they stand and rejects.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // bSelectFolder: the folder browser, starting at the typed folder.
    void browseForFolder();
    // bAddFolder: refuses an empty or unknown folder, else keeps the choices and accepts.
    void addFolder();
    void keepChoices();

    AddFolderSettings m_settings;
    // The controls; their object names are those of the dialog's design (tFolder, oAddBoth, ...).
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browseButton = nullptr;
    QRadioButton* m_addBoth = nullptr;
    QRadioButton* m_addCfg = nullptr;
    QRadioButton* m_addSet = nullptr;
    QRadioButton* m_addAll = nullptr;
    QCheckBox* m_includeSubfolders = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace tavmir::gui
