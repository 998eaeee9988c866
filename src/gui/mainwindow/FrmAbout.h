// The about box, opened from the About item of the main window's menu bar.
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

  private:
    QGroupBox* m_frame = nullptr;  // Frame1
    QLabel* m_title = nullptr;     // Label1: the program and the server version it edits for
    QLabel* m_authors = nullptr;   // Label2: the author line with the release month
    QLabel* m_contact = nullptr;   // Label3: the contact address
    QPushButton* m_closeButton = nullptr;  // bClose
};

// Shows the about box modally through the UI services.
void showAbout(QWidget* parent);

}  // namespace tavmir::gui
