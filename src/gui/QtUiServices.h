// The real services: QMessageBox, QDialog::exec, QFileDialog, QPrintDialog, the clipboard.
#pragma once

#include "UiServices.h"

namespace tavmir::gui {

class QtUiServices : public UiServices {
  public:
    QMessageBox::StandardButton message(QWidget* parent, BoxIcon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog& dialog) override;
    QStringList openFileNames(QWidget* parent, FileDialogRequest& request) override;
    QString openFileName(QWidget* parent, FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, FileDialogRequest& request) override;
    QString existingDirectory(QWidget* parent, const QString& caption,
                              const QString& start) override;
    bool print(QWidget* parent, QTextDocument& document, bool selectionAvailable,
               QTextDocument* selection) override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
};

}  // namespace tavmir::gui
