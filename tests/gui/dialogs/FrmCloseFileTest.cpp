#include "dialogs/FrmCloseFile.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <string_view>
#include <utility>
#include <vector>

#include "gui/support/GuiTestSupport.h"
#include "gui/support/ScriptedUiServices.h"

namespace tavmir::gui {
namespace {

using test::child;

// The prompt for one file offers Yes, No, Cancel centred; during Close All it offers all five
// answers. Each button, the close box and Escape give their answer.
TEST(CloseFilePrompt, OffersThreeOrFiveButtonsAndEachGivesItsAnswer) {
    using Buttons = std::vector<std::pair<const char*, int>>;  // name and left edge
    const Buttons three{{"bYes", 102}, {"bNo", 206}, {"bCancel", 310}};
    const Buttons five{
        {"bYes", 8}, {"bYesToAll", 107}, {"bNo", 206}, {"bNoToAll", 305}, {"bCancel", 404}};
    struct Row {
        bool allAnswers;
        const char* press;  // nullptr: the close box; "Escape": the Escape key
        CloseAnswer expected;
    };
    const Row rows[] = {
        {false, "bYes", CloseAnswer::Yes},          {false, "bNo", CloseAnswer::No},
        {false, "bCancel", CloseAnswer::Cancel},    {false, nullptr, CloseAnswer::Cancel},
        {true, "bYesToAll", CloseAnswer::YesToAll}, {true, "bNoToAll", CloseAnswer::NoToAll},
        {true, nullptr, CloseAnswer::Cancel},       {true, "Escape", CloseAnswer::Cancel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.press ? row.press : "close box");
        test::ScriptedUiServices services;
        services.dialogHandler = [&](QDialog& dialog) {
            EXPECT_EQ(child<QLabel>(dialog, "lMsg1")->text(), QStringLiteral("/zones/a.cfg"));
            EXPECT_EQ(child<QLabel>(dialog, "lMsg2")->text(),
                      QStringLiteral("File not saved. Do you want to save it now?"));
            const auto& expected = row.allAnswers ? five : three;
            EXPECT_EQ(dialog.findChildren<QPushButton*>().size(),
                      static_cast<qsizetype>(expected.size()));
            for (const auto& [name, x] : expected) {
                auto* button = child<QPushButton>(dialog, name);
                EXPECT_TRUE(button && button->isVisible() && button->x() == x) << name;
            }
            if (row.allAnswers && !row.press)
                dialog.grab().save(test::screenshotPath(QStringLiteral("FrmCloseFile.png")));
            if (!row.press)
                dialog.close();
            else if (std::string_view(row.press) == "Escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(child<QPushButton>(dialog, row.press), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
            return 0;
        };
        EXPECT_EQ(askToSave(nullptr, "/zones/a.cfg", row.allAnswers), row.expected);
        EXPECT_EQ(services.dialogsShown, 1);
    }
}

}  // namespace
}  // namespace tavmir::gui
