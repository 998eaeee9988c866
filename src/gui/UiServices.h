// The one seam through which every window reaches what a test cannot drive directly: message
// boxes, modal dialogs, file dialogs, printing and the clipboard. The program installs
// QtUiServices; GUI tests install a scripted one that records what was asked and answers it.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

class QDialog;
class QTextDocument;
class QWidget;

namespace tavmir::gui {

enum class BoxIcon {
    Critical,
    Information,
    Question,
};

// A file dialog's request; `filters` are Qt-style ("Subspace Settings (*.cfg *.set)").
struct FileDialogRequest {
    QString caption;
    QString directory;  // folder or file to start in
    QStringList filters;
    int selectedFilter = 0;  // in: the entry to preselect; out: the entry chosen
};

class UiServices {
  public:
    virtual ~UiServices() = default;

    // A message box titled "Tavmir" with the icon, the text and the buttons; returns the button
    // chosen (closing the box counts as Escape's button, or the default one).
    virtual QMessageBox::StandardButton message(
        QWidget* parent, BoxIcon icon, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // Runs a modal dialog and returns its result (QDialog::Accepted/Rejected or done() code).
    virtual int exec(QDialog& dialog) = 0;

    // Open dialog with multiple selection: full paths, empty when cancelled.
    virtual QStringList openFileNames(QWidget* parent, FileDialogRequest& request) = 0;
    // Open dialog with single selection: the full path, empty when cancelled.
    virtual QString openFileName(QWidget* parent, FileDialogRequest& request) {
        const QStringList paths = openFileNames(parent, request);
        return paths.isEmpty() ? QString() : paths.front();
    }
    // Save dialog (asks before overwriting): the full path, empty when cancelled.
    virtual QString saveFileName(QWidget* parent, FileDialogRequest& request) = 0;
    // Folder browser: the folder, empty when cancelled.
    virtual QString existingDirectory(QWidget* parent, const QString& caption,
                                      const QString& start) = 0;

    // Print dialog then printing; `selectionAvailable` offers printing `selection` instead of
    // the whole `document`. False when cancelled or printing failed.
    virtual bool print(QWidget* parent, QTextDocument& document, bool selectionAvailable,
                       QTextDocument* selection) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

// The services in use; QtUiServices unless a test installed others.
UiServices& ui();
// Installs services (not owned); null puts the Qt ones back.
void setUiServices(UiServices* services);

// Message-box shorthands through ui().
void showCritical(QWidget* parent, const QString& text);
void showInformation(QWidget* parent, const QString& text);
// Yes/No question, No preselected; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

// A file-dialog filter in Qt's form, "Description (*.a *.b)", from a description (which may
// already end in its own "(...)" list) and ";"-separated patterns; "*.*" becomes "*" so files
// without an extension match too.
QString qtNameFilter(std::string_view description, std::string_view patterns);
// The same for every entry of a "Description|patterns|Description|patterns" list.
QStringList qtNameFilters(std::string_view list);

// Core texts are Latin-1 bytes.
inline QString fromCore(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toCore(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace tavmir::gui
