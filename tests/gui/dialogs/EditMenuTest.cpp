// The Edit menu through the real main window, editors and dialogs: each command's worked
// example once, every refusal from one table (tests/data/editmenu/refusals.tsv), and clipboard
// texts no one should paste. Pictures of every dialog go into the build folder.
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMdiArea>
#include <QTreeWidget>

#include <fstream>
#include <functional>

#include "catalogue/StartupTables.h"
#include "dialogs/FrmCopyShipSettings.h"
#include "dialogs/FrmEditAlphanum.h"
#include "dialogs/FrmFindSetting.h"
#include "dialogs/FrmSwapShipSettings.h"
#include "dialogs/TransferDialog.h"
#include "dialogs/frmEditSettingForAllShips.h"
#include "document/Layout.h"
#include "gui/mainwindow/MainWindowFixture.h"
#include "operations/ClipboardTransfer.h"

namespace tavmir::gui::test {
namespace {

class EditMenu : public MainWindowFixture {
  protected:
    FrmSettingsEdit& openOne(const char* name = "zone.cfg") {
        if (!window) makeWindow();
        openNew({name});
        return *window->editors().back();
    }
    // Runs `drive` on the next dialog of type T; it must close the dialog.
    template <typename T>
    void onDialog(std::function<void(T&)> drive) {
        ui.dialogHandler = [this, drive](QDialog& dialog) {
            auto* typed = dynamic_cast<T*>(&dialog);
            EXPECT_NE(typed, nullptr) << dialog.objectName().toStdString();
            if (typed) drive(*typed);
            return dialog.result();
        };
    }
    void press(QKeyCombination key) {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), key.key(), key.keyboardModifiers());
    }
    static void shoot(QWidget& dialog, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().save(screenshotPath(QLatin1String(name))));
    }
    static std::vector<std::string> texts(const FrmSettingsEdit& editor) {
        std::vector<std::string> all;
        for (int i = 1; i <= kFieldCount; ++i) all.push_back(editor.document().text(i));
        return all;
    }
};

QString unescaped(std::string s) {
    for (const auto& [from, to] : {std::pair{"\\r", "\r"}, std::pair{"\\n", "\n"}})
        for (std::size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, 2, to);
    return QString::fromStdString(s);
}

void selectRows(QListWidget& list, const QString& rows) {
    if (rows == QLatin1String("-")) return;
    for (const QString& row : rows.split(QLatin1Char(',')))
        list.item(row.toInt())->setSelected(true);
}

void checkGroups(ShipGroupsDialog& dialog, const QString& groups) {
    if (groups == QLatin1String("all")) return;
    dialog.Check1[0]->setChecked(false);
    if (groups == QLatin1String("none")) return;
    for (const QString& g : groups.split(QLatin1Char(',')))
        dialog.Check1[static_cast<std::size_t>(g.toInt())]->setChecked(true);
}

TEST_F(EditMenu, EachRefusalNamesTheFaultKeepsTheDialogOpenAndCancelChangesNothing) {
    FrmSettingsEdit& editor = openOne();
    const std::vector<std::string> before = texts(editor);
    std::ifstream table(TAVMIR_TEST_DATA "/editmenu/refusals.tsv", std::ios::binary);
    ASSERT_TRUE(table.good());
    int cases = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(line);
        const QStringList c = QString::fromStdString(line).split(QLatin1Char('\t'));
        ASSERT_EQ(c.size(), 6);
        const QString kind = c[0];
        ui.messages.clear();
        QString focused = QStringLiteral("-");
        ui.dialogHandler = [&](QDialog& dialog) {
            if (auto* ships = dynamic_cast<ShipGroupsDialog*>(&dialog)) {
                selectRows(*ships->List1, c[1]);
                selectRows(*ships->List2, c[2]);
                checkGroups(*ships, c[3]);
                dialog
                    .findChild<QPushButton*>(kind == QLatin1String("copy")
                                                 ? QStringLiteral("bCopy")
                                                 : QStringLiteral("bSwap"))
                    ->click();
            } else if (auto* find = dynamic_cast<FrmFindSetting*>(&dialog)) {
                find->tFind->setText(c[1] == QLatin1String("-") ? QString() : c[1]);
                find->chName->setChecked(c[3] == QLatin1String("key"));
                QTest::keyClick(find->tFind, Qt::Key_Return);
            } else if (auto* transfer = dynamic_cast<TransferDialog*>(&dialog)) {
                transfer->bSelectNone->click();
                transfer->bConfirm->click();
            }
            EXPECT_TRUE(dialog.isVisible());
            if (dialog.focusWidget()) focused = dialog.focusWidget()->objectName();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        };
        ui.clipboard = kind == QLatin1String("clipboard")
                           ? unescaped(c[1].toStdString())
                           : QStringLiteral("Bullet:BulletDamageLevel:3\r\n");
        QAction* command = kind == QLatin1String("copy")     ? window->mCopyShipSettings
                           : kind == QLatin1String("swap")   ? window->mSwapShipSettings
                           : kind == QLatin1String("find")   ? window->mFindSetting
                           : kind == QLatin1String("export") ? window->mExportSettingsToClipboard
                                                             : window->mImportSettingsFromClipboard;
        command->trigger();
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].text, c[4]);
        EXPECT_EQ(ui.messages[0].icon, BoxIcon::Information);
        EXPECT_EQ(focused, c[5]);
        EXPECT_EQ(texts(editor), before);
        EXPECT_FALSE(editor.modified());
        ++cases;
    }
    EXPECT_EQ(cases, 17);
}

TEST_F(EditMenu, EditForAllShipsOpensOnTheTerrierBoxAveragesStepsAndWritesBack) {
    FrmSettingsEdit& editor = openOne();
    EditorDocument& doc = editor.document();
    const int terrier = shipTable(1, 4);
    doc.fields()[terrier] = "123";
    doc.fields()[shipTable(1, 5)] = "456";
    editor.refreshFromDocument();
    editor.bPag_Click(8);
    editor.focusItem(terrier);
    int opened = 0;
    onDialog<frmEditSettingForAllShips>([&](frmEditSettingForAllShips& f) {
        if (++opened == 2) {  // reopened where it was left
            EXPECT_EQ(f.pos(), QPoint(500, 200));
            f.bClose->click();
            return;
        }
        EXPECT_EQ(f.pos(), QPoint(408, 147));
        EXPECT_EQ(f.Frame1->title(),
                  QString::fromStdString(realCatalogue()->setting(shipTable(1, 0)).key));
        EXPECT_EQ(f.tSet[4]->text(), QStringLiteral("123"));
        EXPECT_EQ(f.focusWidget(), f.tSet[4]);
        for (int k = 0; k < 8; ++k) {
            f.tSet[static_cast<std::size_t>(k)]->selectAll();
            QTest::keyClicks(f.tSet[static_cast<std::size_t>(k)],
                             QLatin1String(k == 7 ? "11" : "1a.0+"));
        }
        EXPECT_EQ(f.tSet[0]->text(), QStringLiteral("10"));
        EXPECT_EQ(f.tSet[8]->text(), QStringLiteral("10.12"));
        EXPECT_EQ(f.lAvg[0]->text(), QStringLiteral("-1.19%"));
        EXPECT_EQ(f.lAvg[7]->text(), QStringLiteral("+8.7%"));
        shoot(f, "editmenu-edit-for-all-ships.png");
        f.bPreviousSetting->click();
        EXPECT_EQ(f.session().shownRow(), 84);
        EXPECT_EQ(doc.text(shipTable(1, 7)), "11");
        EXPECT_TRUE(doc.modified());
        f.bNextSetting->click();
        EXPECT_EQ(f.session().shownRow(), 1);
        EXPECT_EQ(f.tSet[8]->text(), QStringLiteral("10.12"));
        EXPECT_EQ(f.focusWidget(), f.tSet[4]);
        f.move(500, 200);
        QTest::keyClick(f.tSet[4], Qt::Key_Escape);
    });
    QTest::keyClick(child<QLineEdit>(editor, QStringLiteral("Text1_%1").arg(terrier)),
                    Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(doc.text(terrier), "10");
    EXPECT_EQ(doc.text(shipTable(1, kAverageColumn)), "10.12");
    EXPECT_EQ(editor.currentPage(), 8);
    EXPECT_EQ(doc.focusedItem(), terrier);
    press(QKeyCombination(Qt::Key_F8));
    EXPECT_EQ(opened, 2);
}

TEST_F(EditMenu, CopyWarbirdToJavelinWithOnlyGunsAndSwapTerrierWithWeaselTwice) {
    FrmSettingsEdit& editor = openOne();
    EditorDocument& doc = editor.document();
    for (int r = 1; r <= kShipRows; ++r) {
        doc.fields()[shipTable(r, 0)] = std::to_string(100 + r);
        doc.fields()[shipTable(r, 4)] = "t" + std::to_string(r);
        doc.fields()[shipTable(r, 5)] = "w" + std::to_string(r);
    }
    editor.refreshFromDocument();
    const std::vector<std::string> before = texts(editor);
    onDialog<FrmCopyShipSettings>([&](FrmCopyShipSettings& c) {
        EXPECT_FALSE(c.Check1[2]->isEnabled());
        c.List1->item(0)->setSelected(true);
        c.List2->item(1)->setSelected(true);
        c.Check1[0]->click();
        c.Check1[2]->click();
        shoot(c, "editmenu-copy-ship-settings.png");
        c.bCopy->click();
    });
    press(QKeyCombination(Qt::Key_F4));
    std::vector<std::string> expected = before;
    for (int r = 21; r <= 29; ++r)
        expected[static_cast<std::size_t>(shipTable(r, 1) - 1)] = std::to_string(100 + r);
    std::vector<std::string> after = texts(editor);
    EXPECT_NE(after[static_cast<std::size_t>(shipTable(21, 8) - 1)],
              before[static_cast<std::size_t>(shipTable(21, 8) - 1)]);
    after.resize(kSettingCount);
    expected.resize(kSettingCount);
    EXPECT_EQ(after, expected);
    EXPECT_TRUE(editor.windowTitle().endsWith(QStringLiteral(" *")));

    for (int pass = 1; pass <= 2; ++pass) {
        onDialog<FrmSwapShipSettings>([&](FrmSwapShipSettings& s) {
            s.List1->item(4)->setSelected(true);
            s.List2->item(5)->setSelected(true);
            if (pass == 1) shoot(s, "editmenu-swap-ship-settings.png");
            s.bSwap->click();
        });
        press(QKeyCombination(Qt::Key_F2));
        EXPECT_EQ(doc.text(shipTable(7, 4)), pass == 1 ? "w7" : "t7");
        EXPECT_EQ(doc.text(shipTable(84, 5)), pass == 1 ? "t84" : "w84");
    }
    after = texts(editor);
    after.resize(kSettingCount);
    EXPECT_EQ(after, expected);
}

TEST_F(EditMenu, ExportAllThenImportIntoASecondEditorCopiesEveryValue) {
    FrmSettingsEdit& a = openOne("a.cfg");
    FrmSettingsEdit& b = openOne("b.cfg");
    for (int i = 1; i <= kSettingCount; ++i)
        a.document().fields()[i] = fitToField(*realCatalogue(), i, std::to_string(i % 97));
    a.document().calculateAverageShipPage();
    a.refreshFromDocument();
    window->mdiArea()->setActiveSubWindow(window->subWindowOf(&a));
    onDialog<TransferDialog>([&](TransferDialog& e) {
        EXPECT_EQ(e.objectName(), QStringLiteral("FrmExportSettings"));
        EXPECT_EQ(e.Label1->text(), QStringLiteral("Selected: 961/961"));
        e.bSelectNone->click();
        EXPECT_EQ(e.Label1->text(), QStringLiteral("Selected: 0/961"));
        e.bSelectAll->click();
        EXPECT_EQ(e.List1->topLevelItem(0)->text(0), QStringLiteral("Notes:SettingName:1"));
        shoot(e, "editmenu-export-settings.png");
        e.bConfirm->click();
    });
    press(QKeyCombination(Qt::CTRL | Qt::Key_E));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("961 settings have been exported to clipboard"));
    EXPECT_EQ(ui.clipboard.count(QStringLiteral("\r\n")), 961);
    EXPECT_FALSE(a.modified());

    window->mdiArea()->setActiveSubWindow(window->subWindowOf(&b));
    onDialog<TransferDialog>([&](TransferDialog& i) {
        EXPECT_EQ(i.Label1->text(), QStringLiteral("Selected: 961/961"));
        // Beside each entry: what the editor holds now, when the import would change it.
        EXPECT_EQ(i.List1->topLevelItem(0)->text(1), QStringLiteral("(empty)"));
        EXPECT_EQ(i.List1->topLevelItem(91)->text(1),
                  QString::fromStdString(b.document().text(92)));
        shoot(i, "editmenu-import-settings.png");
        i.bConfirm->click();
    });
    press(QKeyCombination(Qt::CTRL | Qt::Key_I));
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].text,
              QStringLiteral("961 settings have been imported from clipboard"));
    std::vector<std::string> fromA = texts(a), intoB = texts(b);
    EXPECT_EQ(fromA, intoB);  // the Average Ship page included
    EXPECT_TRUE(b.modified());
}

TEST_F(EditMenu, FindWithOnlyTheKeyBoxThenFindNextWrapsAndAMissIsReported) {
    FrmSettingsEdit& editor = openOne();
    const Catalogue& catalogue = *realCatalogue();
    std::vector<int> matches;  // keys containing "energy" in any letter case, in tab order
    for (int e = 1; e <= kSettingCount; ++e) {
        std::string key = catalogue[catalogue.tabOrder(e)].key;
        for (char& ch : key) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (key.find("energy") != std::string::npos) matches.push_back(catalogue.tabOrder(e));
    }
    ASSERT_GT(matches.size(), 2u);
    press(QKeyCombination(Qt::CTRL | Qt::Key_N));  // before any find: nothing
    EXPECT_EQ(ui.dialogsShown, 0);
    onDialog<FrmFindSetting>([&](FrmFindSetting& f) {
        EXPECT_TRUE(f.chName->isChecked());
        EXPECT_FALSE(f.chGroup->isChecked() || f.chRemark->isChecked());
        QTest::keyClicks(f.tFind, QStringLiteral("energy"));
        shoot(f, "editmenu-find-setting.png");
        f.bFind->click();
    });
    press(QKeyCombination(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(editor.document().focusedItem(), matches[0]);
    EXPECT_EQ(editor.currentPage(), *pageForItem(catalogue, matches[0]));
    for (std::size_t n = 1; n <= matches.size(); ++n) {
        press(QKeyCombination(Qt::CTRL | Qt::Key_N));
        EXPECT_EQ(editor.document().focusedItem(), matches[n % matches.size()]) << n;
    }
    onDialog<FrmFindSetting>([&](FrmFindSetting& f) {
        EXPECT_EQ(f.tFind->text(), QStringLiteral("energy"));  // the run's search state
        f.tFind->setText(QStringLiteral("no such key"));
        QTest::keyClick(f.tFind, Qt::Key_Return);
    });
    press(QKeyCombination(Qt::CTRL | Qt::Key_F));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("String not found"));
    EXPECT_FALSE(editor.modified());
}

TEST_F(EditMenu, AlphanumericEditEscapeLeavesTheFieldEnterWritesIt) {
    FrmSettingsEdit& editor = openOne();
    const int item = 1;  // Notes:SettingName, a text setting
    editor.focusItem(item);
    auto* field = child<QLineEdit>(editor, QStringLiteral("Text1_%1").arg(item));
    onDialog<FrmEditAlphanum>([&](FrmEditAlphanum& f) {
        EXPECT_EQ(f.Frame1->title(), QStringLiteral("Notes:SettingName"));
        EXPECT_EQ(child<QLabel>(editor, "lRemark")->text(), f.Frame1->toolTip());
        QTest::keyClicks(f.tSetting, QStringLiteral("Hello"));
        QTest::keyClick(f.tSetting, Qt::Key_Escape);
    });
    press(QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(editor.document().text(item), "");
    EXPECT_FALSE(editor.modified());
    onDialog<FrmEditAlphanum>([&](FrmEditAlphanum& f) {
        QTest::keyClicks(f.tSetting, QStringLiteral("Zone "));
        QKeyEvent high(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(f.tSetting, &high);  // above 127: dropped
        QTest::keyClicks(f.tSetting, QStringLiteral("one"));
        shoot(f, "editmenu-edit-alphanumeric.png");
        QTest::keyClick(f.tSetting, Qt::Key_Return);
    });
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(editor.document().text(item), "Zone one");
    EXPECT_EQ(field->text(), QStringLiteral("Zone one"));
    EXPECT_TRUE(editor.modified());
    const int shown = ui.dialogsShown;
    const int numericGeneral = firstNumericGeneralSetting();
    editor.focusItem(numericGeneral);
    QTest::mouseDClick(child<QLineEdit>(editor, QStringLiteral("Text1_%1").arg(numericGeneral)),
                       Qt::LeftButton);
    EXPECT_EQ(ui.dialogsShown, shown);
}

TEST_F(EditMenu, ClipboardTextsNoOneShouldPasteAreRefusedOrCappedAndCut) {
    FrmSettingsEdit& editor = openOne();
    std::string binary(1 << 20, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7);
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "Bullet:BulletDamageLevel:" + std::to_string(i) + "\r";
    const struct {
        std::string text;
        int entries;  // 0: refused
    } cases[] = {{std::string(10 << 20, 'x'), 0},
                 {binary, 0},
                 {many, static_cast<int>(kMaxImportRecords)},
                 {"Bullet:BulletDamageLevel:" + std::string(40, '7'), 1}};
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.clipboard = QString::fromLatin1(c.text.data(), static_cast<qsizetype>(c.text.size()));
        int entries = 0;
        onDialog<TransferDialog>([&](TransferDialog& i) {
            entries = i.List1->topLevelItemCount();
            i.bConfirm->click();
        });
        window->mImportSettingsFromClipboard->trigger();
        EXPECT_EQ(entries, c.entries);
        if (c.entries == 0) {
            EXPECT_EQ(ui.messages.value(0).text,
                      QStringLiteral("Clipboard does not contain valid settings to import"));
        }
    }
    const int item = realCatalogue()->findSetting("Bullet", "BulletDamageLevel");
    EXPECT_EQ(editor.document().text(item),
              std::string(static_cast<std::size_t>(fieldMaxLength(*realCatalogue(), item)), '7'));
}

}  // namespace
}  // namespace tavmir::gui::test
