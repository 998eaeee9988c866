// The "Add Folder" dialog: the folder (typed or browsed), which files to take, and whether to
// include subfolders. It opens on the settings it is given (what it was left with last time);
// exec() returns Accepted only after Add Folder with a valid folder. settings() is what it was
// left with: the confirmed choice, or the choices as they stood at Cancel; closed in another
// way, it keeps what it opened with.
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

    QLineEdit* tFolder = nullptr;
    QPushButton* bSelectFolder = nullptr;
    QRadioButton* oAddBoth = nullptr;
    QRadioButton* oAddCFG = nullptr;
    QRadioButton* oAddSET = nullptr;
    QRadioButton* oAddAll = nullptr;
    QCheckBox* chIncludeSubfolders = nullptr;
    QPushButton* bAddFolder = nullptr;
    QPushButton* bCancel = nullptr;

    void bSelectFolder_Click();
    void bAddFolder_Click();
    void bCancel_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void store();

    AddFolderSettings m_settings;
};

}  // namespace tavmir::gui
