// The "Add Folder" dialog: the folder (typed or browsed), which files to take, and whether to
// include subfolders. What it shows and what it was left with last time live in the core's
// add-folder settings for the whole run.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavmir::gui {

class FrmAddFolder : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAddFolder(QWidget* parent = nullptr);

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
};

}  // namespace tavmir::gui
