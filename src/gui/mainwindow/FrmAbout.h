// FrmAbout: the about box, opened from the About item of the main window's menu bar.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tavmir::gui {

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;  // program name and the server version it edits for
    QLabel* Label2 = nullptr;  // author line with the release month
    QLabel* Label3 = nullptr;  // contact address
    QPushButton* bClose = nullptr;
};

// Shows the about box modally through the UI services.
void showAbout(QWidget* parent);

}  // namespace tavmir::gui
