// A main window on a scratch program folder, with scripted UI services and complete settings
// files written from the real catalogue.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

#include <deque>
#include <initializer_list>
#include <vector>

#include "GuiContext.h"
#include "document/FieldTexts.h"
#include "document/SettingsWriter.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"
#include "mainwindow/MDIFormMain.h"

namespace tavmir::gui::test {

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(realCatalogue(), nullptr);
        static int counter = 0;
        m_folder =
            std::filesystem::temp_directory_path() /
            ("tavmir-mainwindow-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        context.programFolder = m_folder;
        context.catalogue = realCatalogue();
        // The confirmation after a save is a modal window: close it at once.
        ui.dialogHandler = [this](QDialog& dialog) { return answerDialog(dialog); };
    }

    void TearDown() override {
        window.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    MDIFormMain& makeWindow() {
        window = std::make_unique<MDIFormMain>(context);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    // A file holding every setting at its default value, in the catalogue's CFG form.
    std::string completeFile(const std::string& name) {
        const Catalogue& catalogue = *realCatalogue();
        FieldTexts texts;
        for (int i = 1; i <= kSettingCount; ++i) texts[i] = catalogue[i].defaultValue;
        const std::filesystem::path path = m_folder / name;
        writeBytes(path, cfgFileBytes(catalogue, texts));
        return path.string();
    }

    // Writes complete files under these names and opens them with one Open command.
    QStringList openNew(std::initializer_list<const char*> names) {
        QStringList paths;
        for (const char* name : names) paths << QString::fromStdString(completeFile(name));
        ui.openAnswers.push_back(paths);
        window->mOpenFile_Click();
        return paths;
    }

    // The first numeric setting of General Settings 1 that has a range.
    static int firstNumericGeneralSetting() {
        const Catalogue& catalogue = *realCatalogue();
        for (int i = 1; i <= kSettingCount; ++i)
            if (catalogue[i].page == 1 && !catalogue[i].isText() && catalogue[i].hasRange())
                return i;
        return 1;
    }

    // A value inside the setting's limits that differs from its default.
    static QString otherValidValue(int item) {
        const SettingDef& def = realCatalogue()->setting(item);
        const std::string low = std::to_string(def.lowLimit);
        return QString::fromStdString(def.defaultValue == low ? std::to_string(def.highLimit)
                                                              : low);
    }

    // Types into a value field of the editor (the field's page is shown first).
    static void typeInto(FrmSettingsEdit& editor, int item, const QString& text) {
        editor.setPageForItem(item);
        if (auto* field = child<QLineEdit>(editor, QStringLiteral("Text1_%1").arg(item))) {
            field->selectAll();
            QTest::keyClicks(field, text);
        }
    }

    // Answers of the modal dialogs, by the name of the button to click in FrmCloseFile and
    // FrmLoadErrors; FrmMessage closes at once.
    int answerDialog(QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("FrmMessage")) return QDialog::Accepted;
        if (dialog.objectName() == QLatin1String("FrmCloseFile")) {
            promptButtonCounts.push_back(
                static_cast<int>(dialog.findChildren<QPushButton*>().size()));
            promptPaths.push_back(dialog.findChild<QLabel*>(QStringLiteral("lMsg1"))->text());
        }
        if (buttonsToClick.empty()) return QDialog::Rejected;
        const QString name = buttonsToClick.front();
        buttonsToClick.pop_front();
        if (name.isEmpty()) return QDialog::Rejected;  // the window's close box
        auto* button = dialog.findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name.toStdString();
        if (button) button->click();
        return dialog.result();
    }

    std::filesystem::path m_folder;
    ScriptedUiServices ui;
    GuiContext context;
    std::unique_ptr<MDIFormMain> window;
    std::deque<QString> buttonsToClick;
    std::vector<int> promptButtonCounts;
    QStringList promptPaths;
};

}  // namespace tavmir::gui::test
