#include "gui/support/ScriptedUiServices.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include <utility>

#include "PrintPages.h"

namespace tavmir::gui::test {

QMessageBox::StandardButton ScriptedUiServices::message(QWidget* parent, BoxIcon icon,
                                                        const QString& text,
                                                        QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton) {
    messages.append({icon, text, buttons, defaultButton, parent && !parent->window()->isVisible()});
    if (!messageAnswers.empty()) {
        const QMessageBox::StandardButton answer = messageAnswers.front();
        messageAnswers.pop_front();
        if (answer == QMessageBox::Save) {
            // The user presses the Save key while the box is up: the key goes where keys go
            // then, and the box, unanswered, is left with No.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : parent;
            if (target != nullptr) QCoreApplication::sendEvent(target, &press);
            return QMessageBox::No;
        }
        return answer;
    }
    return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
}

int ScriptedUiServices::exec(QDialog& dialog) {
    ++dialogsShown;
    dialog.setModal(true);
    dialog.show();
    if (!dialogHandler) {
        dialog.reject();
        return dialog.result();
    }
    const int handled = dialogHandler(dialog);
    if (dialog.isVisible()) dialog.done(handled);
    return dialog.result();
}

QStringList ScriptedUiServices::openFileNames(QWidget*, FileDialogRequest& request) {
    fileRequests.append(request);
    if (!saveFilterAnswers.empty()) {
        request.selectedFilter = saveFilterAnswers.front();
        saveFilterAnswers.pop_front();
    }
    if (openAnswers.empty()) return {};
    QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString ScriptedUiServices::saveFileName(QWidget*, FileDialogRequest& request) {
    fileRequests.append(request);
    if (!saveFilterAnswers.empty()) {
        request.selectedFilter = saveFilterAnswers.front();
        saveFilterAnswers.pop_front();
    }
    if (saveAnswers.empty()) return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool ScriptedUiServices::print(QWidget*, QTextDocument& document, bool selectionAvailable,
                               QTextDocument* selection) {
    printed.append({document.toPlainText(), selectionAvailable,
                    selection ? selection->toPlainText() : QString()});
    if (printFile.isEmpty()) return true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(std::exchange(printFile, {}));
    return printPages(document, printer);
}

}  // namespace tavmir::gui::test
