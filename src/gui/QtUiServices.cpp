#include "QtUiServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "PrintPages.h"

namespace tavmir::gui {
namespace {

UiServices* g_installed = nullptr;

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Critical:
            return QMessageBox::Critical;
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

UiServices& ui() {
    static QtUiServices qtServices;
    return g_installed ? *g_installed : qtServices;
}

void setUiServices(UiServices* services) { g_installed = services; }

void showCritical(QWidget* parent, const QString& text) {
    ui().message(parent, BoxIcon::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void showInformation(QWidget* parent, const QString& text) {
    ui().message(parent, BoxIcon::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& text) {
    return ui().message(parent, BoxIcon::Question, text, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::No) == QMessageBox::Yes;
}

QString qtNameFilter(std::string_view description, std::string_view patterns) {
    QString text =
        QString::fromLatin1(description.data(), static_cast<qsizetype>(description.size()));
    const qsizetype open = text.indexOf(QLatin1String(" ("));
    if (open >= 0) text.truncate(open);
    QString list = QString::fromLatin1(patterns.data(), static_cast<qsizetype>(patterns.size()));
    list.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (list == QLatin1String("*.*")) list = QStringLiteral("*");
    return text + QStringLiteral(" (") + list + QLatin1Char(')');
}

QStringList qtNameFilters(std::string_view list) {
    QStringList filters;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t bar = list.find('|', start);
        if (bar == std::string_view::npos) break;
        const std::size_t next = list.find('|', bar + 1);
        const std::size_t end = next == std::string_view::npos ? list.size() : next;
        filters.append(
            qtNameFilter(list.substr(start, bar - start), list.substr(bar + 1, end - bar - 1)));
        start = end + 1;
    }
    return filters;
}

QMessageBox::StandardButton QtUiServices::message(QWidget* parent, BoxIcon icon,
                                                  const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    QMessageBox box(qtIcon(icon), QStringLiteral("Tavmir"), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

int QtUiServices::exec(QDialog& dialog) { return dialog.exec(); }

QStringList QtUiServices::openFileNames(QWidget* parent, FileDialogRequest& request) {
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted) return {};
    request.selectedFilter = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles();
}

QString QtUiServices::openFileName(QWidget* parent, FileDialogRequest& request) {
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    request.selectedFilter = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().front();
}

QString QtUiServices::saveFileName(QWidget* parent, FileDialogRequest& request) {
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    request.selectedFilter = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

QString QtUiServices::existingDirectory(QWidget* parent, const QString& caption,
                                        const QString& start) {
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

bool QtUiServices::print(QWidget* parent, QTextDocument& document, bool selectionAvailable,
                         QTextDocument* selection) {
    QPrinter printer(QPrinter::HighResolution);
#ifdef Q_OS_WIN
    // Windows' print-to-file box writes the printer's raw output into a file, so it is not
    // offered; the system's PDF printer is a printer of its own and stays in the list. With no
    // printer at all the dialog would offer nothing to print on.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showInformation(parent, QStringLiteral("No printer is installed"));
        return false;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
#else
    // Here Qt's print-to-file entry is its own PDF printer, listed with or without any other
    // printer, so there is always one to print on.
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
#endif
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
    if (selectionAvailable) dialog.setPrintRange(QAbstractPrintDialog::Selection);
    if (dialog.exec() != QDialog::Accepted) return false;
    const bool printed = printPages(
        dialog.printRange() == QAbstractPrintDialog::Selection && selection ? *selection : document,
        printer);
    // A printer's spooler tells of its own failures; a PDF file that could not be written is
    // said here, or the user would look for a file that is not there.
    if (!printed && printer.outputFormat() == QPrinter::PdfFormat)
        showCritical(parent, QStringLiteral("Error writing to file: ") + printer.outputFileName());
    return printed;
}

QString QtUiServices::clipboardText() { return QGuiApplication::clipboard()->text(); }

void QtUiServices::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace tavmir::gui
