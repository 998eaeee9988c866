#include "dialogs/FrmCloseFile.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/support/ScriptedUiServices.h"

namespace tavmir::gui {
namespace {

struct Shown {
    QString name;
    QString caption;
    int x;
};

TEST(CloseFilePrompt, OffersThreeOrFiveButtonsAndEachGivesItsAnswer) {
    const QList<Shown> three = {{QStringLiteral("bYes"), QStringLiteral("&Yes"), 102},
                                {QStringLiteral("bNo"), QStringLiteral("&No"), 206},
                                {QStringLiteral("bCancel"), QStringLiteral("&Cancel"), 310}};
    const QList<Shown> five = {{QStringLiteral("bYes"), QStringLiteral("&Yes"), 8},
                               {QStringLiteral("bYesToAll"), QStringLiteral("Yes to &All"), 107},
                               {QStringLiteral("bNo"), QStringLiteral("&No"), 206},
                               {QStringLiteral("bNoToAll"), QStringLiteral("No &to All"), 305},
                               {QStringLiteral("bCancel"), QStringLiteral("&Cancel"), 404}};
    struct Row {
        bool allAnswers;
        const char* press;  // nullptr: the close box; "Escape": the Escape key
        CloseAnswer expected;
    };
    const Row rows[] = {
        {false, "bYes", CloseAnswer::Yes},       {false, "bNo", CloseAnswer::No},
        {false, "bCancel", CloseAnswer::Cancel}, {false, nullptr, CloseAnswer::Cancel},
        {true, "bYes", CloseAnswer::Yes},        {true, "bYesToAll", CloseAnswer::YesToAll},
        {true, "bNo", CloseAnswer::No},          {true, "bNoToAll", CloseAnswer::NoToAll},
        {true, "bCancel", CloseAnswer::Cancel},  {true, nullptr, CloseAnswer::Cancel},
        {true, "Escape", CloseAnswer::Cancel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.press ? row.press : "close box");
        test::ScriptedUiServices services;
        services.dialogHandler = [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tavmir"));
            EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lMsg1"))->text(),
                      QStringLiteral("/zones/a.cfg"));
            EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lMsg2"))->text(),
                      QStringLiteral("File not saved. Do you want to save it now?"));
            const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
            const QList<Shown>& expected = row.allAnswers ? five : three;
            EXPECT_EQ(buttons.size(), expected.size());
            for (const Shown& shown : expected) {
                auto* button = dialog.findChild<QPushButton*>(shown.name);
                EXPECT_NE(button, nullptr) << shown.name.toStdString();
                if (!button) continue;
                EXPECT_EQ(button->text(), shown.caption);
                EXPECT_EQ(button->x(), shown.x);
                EXPECT_TRUE(button->isVisible());
            }
            if (row.allAnswers && !row.press)
                dialog.grab().save(
                    QStringLiteral(TAVMIR_BUILD_DIR "/screenshots/FrmCloseFile.png"));
            if (!row.press)
                dialog.close();
            else if (std::string_view(row.press) == "Escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(row.press)),
                                  Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
            return 0;
        };
        EXPECT_EQ(askToSave(nullptr, "/zones/a.cfg", row.allAnswers), row.expected);
        EXPECT_EQ(services.dialogsShown, 1);
    }
}

}  // namespace
}  // namespace tavmir::gui
