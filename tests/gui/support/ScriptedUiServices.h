// UI services for GUI tests: records every message box and answers it from a queue, runs
// modal dialogs through a handler the test sets, and answers file dialogs from queues.
#pragma once

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

#include "UiServices.h"

namespace tavmir::gui::test {

struct AskedMessage {
    BoxIcon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    bool overHiddenWindow;  // its parent's window was hidden: the box would show over nothing
};

class ScriptedUiServices : public UiServices {
  public:
    ScriptedUiServices() { setUiServices(this); }
    ~ScriptedUiServices() override { setUiServices(nullptr); }

    // Answers for message boxes, in order; when empty the default button (or OK) answers.
    std::deque<QMessageBox::StandardButton> messageAnswers;
    QList<AskedMessage> messages;

    // Runs each modal dialog; it must close the dialog (done/accept/reject or a button click)
    // and may return the result. Default: the dialog is rejected.
    std::function<int(QDialog&)> dialogHandler;
    int dialogsShown = 0;

    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<int> saveFilterAnswers;  // the filter entry chosen in the next file dialog
    QList<FileDialogRequest> fileRequests;
    QString clipboard;
    struct PrintJob {
        QString whole;
        bool selectionAvailable;
        QString selection;
    };
    QList<PrintJob> printed;
    // When set, the next print job also goes onto a PDF printer writing this file (A4), as
    // the print dialog's PDF printer would.
    QString printFile;

    QMessageBox::StandardButton message(QWidget*, BoxIcon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog& dialog) override;
    QStringList openFileNames(QWidget*, FileDialogRequest& request) override;
    QString saveFileName(QWidget*, FileDialogRequest& request) override;
    QList<QPair<QString, QString>> folderRequests;  // caption, start
    QString existingDirectory(QWidget*, const QString& caption, const QString& start) override {
        folderRequests.append({caption, start});
        return {};
    }
    bool print(QWidget*, QTextDocument& document, bool selectionAvailable,
               QTextDocument* selection) override;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
};

}  // namespace tavmir::gui::test
