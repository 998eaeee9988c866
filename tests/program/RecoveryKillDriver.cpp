// The program's windows under a script, for the kill test (RecoveryKillTest.cpp): it starts as
// the program does (startGui: the catalogue, the main window, the cut writes, the journals left
// behind), recovers everything offered, prints the values the editor then holds, and goes on
// changing values of the editor, as a user typing fast would, until it is killed.
//
//     recovery_kill_driver PROGRAM_FOLDER FILE SEED
//
// Output: "values", then one line "N TEXT" per setting, then "ready".
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <random>
#include <string>

#include "GuiContext.h"
#include "UiServices.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/GuiApplication.h"
#include "mainwindow/MDIFormMain.h"

namespace {

using namespace tavmir;
using namespace tavmir::gui;

// Answers Recover All in the recovery dialog, Continue Open in the load-error dialog, and the
// default button of every message box.
class RecoverAllServices : public UiServices {
  public:
    QMessageBox::StandardButton message(QWidget*, BoxIcon, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override {
        return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
    }
    int exec(QDialog& dialog) override {
        // Recover All, and Continue Open for a file with load errors (the sample has some).
        for (const char* name : {"bRecoverAll", "bContinueOpen"})
            if (auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name))) {
                button->click();
                return dialog.result();
            }
        return QDialog::Rejected;
    }
    QStringList openFileNames(QWidget*, FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, FileDialogRequest&) override { return {}; }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool print(QWidget*, QTextDocument&, bool, QTextDocument*) override { return false; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RecoverAllServices services;
    setUiServices(&services);
    GuiContext context;
    context.watchFilesOnDisk = false;
    // Often, so that kills land before, during and after many writes of the journal.
    context.journalDelayMilliseconds = 15;
    std::unique_ptr<MDIFormMain> window = startGui(context, argv[1], {});
    if (!window) return 3;
    if (window->editors().empty()) window->openFiles({argv[2]});
    if (window->editors().empty()) return 4;
    FrmSettingsEdit* editor = window->editors().front();
    std::string out = "values\n";
    for (int i = 1; i <= kSettingCount; ++i)
        out += std::to_string(i) + " " + editor->document().text(i) + "\n";
    out += "ready\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);

    std::mt19937 rng(static_cast<unsigned>(std::stoul(argv[3])));
    QTimer typing;
    QObject::connect(&typing, &QTimer::timeout, [&] {
        // A setting of the General pages and a number of up to three digits.
        const int item = std::uniform_int_distribution<int>(10, 300)(rng);
        const std::string text = std::to_string(std::uniform_int_distribution<int>(0, 999)(rng));
        editor->document().editField(item, text);
        emit editor->valuesChanged();
    });
    typing.start(1);
    return QApplication::exec();
}
