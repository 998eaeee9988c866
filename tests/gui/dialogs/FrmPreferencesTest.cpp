#include "dialogs/FrmPreferences.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"

namespace tavmir::gui {
namespace {

using test::child;

const QString kWrongTime = QStringLiteral(
    "Wrong value for Message Time\r\n\r\nValid range is from 100 to 5000 (milliseconds)");

// Clicks near the left edge: an option stretched by its layout only reacts on its indicator and
// text.
void click(QWidget& dialog, const char* name) {
    QAbstractButton* button = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TEST(PreferencesDialog, OpensOnTheValuesInForceAndTheTimeFieldFollowsTheSwitch) {
    GuiContext context;
    context.preferences = {1, 3, 1, "2500"};
    FrmPreferences dialog(context, {});
    dialog.show();
    EXPECT_TRUE(child<QRadioButton>(dialog, "oTextAlignRight")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "oWheelSpeedHigh")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chDisableWindowMessage")->isChecked());
    auto* time = child<QLineEdit>(dialog, "tMessageTime");
    auto* label = child<QLabel>(dialog, "lMessageTime");
    EXPECT_EQ(time->text(), QStringLiteral("2500"));
    EXPECT_FALSE(time->isEnabled());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(172, 168, 153));

    click(dialog, "chDisableWindowMessage");
    EXPECT_TRUE(time->isEnabled());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    dialog.grab().save(test::screenshotPath(QStringLiteral("FrmPreferences-editor.png")));
    child<QTabWidget>(dialog, "SSTab1")->setCurrentIndex(1);
    dialog.grab().save(test::screenshotPath(QStringLiteral("FrmPreferences-save.png")));

    // The time field takes only digits, the minus sign and Backspace.
    time->clear();
    QTest::keyClicks(time, QStringLiteral("1a2 b.-3x"));
    EXPECT_EQ(time->text(), QStringLiteral("12-3"));
    QTest::keyClick(time, Qt::Key_Backspace);
    EXPECT_EQ(time->text(), QStringLiteral("12-"));
}

TEST(PreferencesDialog, AppliesTimesInRangeAndRefusesOthersWithTheFocusBackInTheField) {
    struct Row {
        QString typed;
        bool disabled;
        bool accepted;
        std::string messageTime;  // in force afterwards
    };
    const Row rows[] = {
        {QStringLiteral("0250"), false, true, "250"},
        {QStringLiteral("5001"), false, false, "1000"},
        {QString(), true, true, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString() + (row.disabled ? " disabled" : ""));
        test::ScriptedUiServices services;
        GuiContext context;
        context.preferences = {0, 2, 0, "1000"};
        int realigned = 0;
        FrmPreferences dialog(context, [&] { ++realigned; });
        dialog.show();
        dialog.activateWindow();
        if (row.disabled) click(dialog, "chDisableWindowMessage");
        click(dialog, "oTextAlignCenter");
        click(dialog, "oWheelSpeedLow");
        child<QLineEdit>(dialog, "tMessageTime")->setText(row.typed);
        click(dialog, "bApplyPreferences");
        if (row.accepted) {
            EXPECT_TRUE(services.messages.isEmpty());
            EXPECT_EQ(context.preferences,
                      (Preferences{2, 1, row.disabled ? 1 : 0, row.messageTime}));
            EXPECT_EQ(realigned, 1);
        } else {
            ASSERT_EQ(services.messages.size(), 1);
            EXPECT_EQ(services.messages[0].text, kWrongTime);
            EXPECT_EQ(services.messages[0].icon, BoxIcon::Information);
            EXPECT_EQ(context.preferences, (Preferences{0, 2, 0, "1000"}));
            EXPECT_EQ(realigned, 0);
            EXPECT_EQ(child<QTabWidget>(dialog, "SSTab1")->currentIndex(), 1);
            EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, "tMessageTime"));
        }
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST(PreferencesDialog, SaveWritesTheFileAndConfirmsOrReportsTheFailedWrite) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    test::ScriptedUiServices services;
    GuiContext context;
    context.programFolder = folder.path().toStdString();
    context.preferences = {0, 2, 0, "1000"};
    QStringList confirmations;
    context.showMessage = [&](const QString& l1, const QString& l2, int ms) {
        confirmations << l1 << l2 << QString::number(ms);
    };
    FrmPreferences dialog(context, {});
    dialog.show();
    click(dialog, "oTextAlignRight");
    click(dialog, "oWheelSpeedHigh");
    auto* time = child<QLineEdit>(dialog, "tMessageTime");
    time->setText(QStringLiteral("250"));
    click(dialog, "bSavePreferences");

    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(confirmations,
              (QStringList{QStringLiteral("Preferences saved"), QString(), QStringLiteral("250")}));
    const std::string ini = folder.filePath(QStringLiteral("tavmir.ini")).toStdString();
    const std::string written = test::readBytes(ini);
    EXPECT_EQ(written, "[Editor]\r\nTextAlign=right\r\nMouseWheelSpeed=3\r\n"
                       "[Save]\r\nDisableWindowMessage=0\r\nMessageTime=250\r\n");
    EXPECT_EQ(loadPreferences(context.programFolder, {}), (Preferences{1, 3, 0, "250"}));

    // A refused time stops Save before anything is written.
    time->setText(QStringLiteral("5001"));
    click(dialog, "bSavePreferences");
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0].text, kWrongTime);
    EXPECT_EQ(test::readBytes(ini), written);

    // A folder that cannot take the file: the exact error, the applied values stay in force.
    confirmations.clear();
    const QString missing = folder.filePath(QStringLiteral("gone"));
    context.programFolder = missing.toStdString();
    time->setText(QStringLiteral("300"));
    click(dialog, "bSavePreferences");
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[1].text,
              QStringLiteral("Error writing to file: ") + missing + QStringLiteral("/tavmir.ini"));
    EXPECT_EQ(services.messages[1].icon, BoxIcon::Critical);
    EXPECT_TRUE(confirmations.isEmpty());
    EXPECT_EQ(context.preferences.messageTime, "300");
}

TEST(PreferencesDialog, EscapeClosesUnlessShiftCtrlOrAltIsHeld) {
    test::ScriptedUiServices services;
    GuiContext context;
    services.dialogHandler = [&](QDialog& dialog) {
        auto* time = child<QLineEdit>(dialog, "tMessageTime");
        for (auto held : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            QTest::keyClick(time, Qt::Key_Escape, held);
            EXPECT_TRUE(dialog.isVisible());
        }
        QTest::keyClick(time, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        return 0;
    };
    showPreferences(nullptr, context, {});
    EXPECT_EQ(services.dialogsShown, 1);
}

}  // namespace
}  // namespace tavmir::gui
