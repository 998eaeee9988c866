#include "operations/ClipboardTransfer.h"

#include <gtest/gtest.h>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"

namespace tavmir {
namespace {

using testing::madeUpCatalogue;

TEST(ClipboardTransfer, ExportListsAllSettingsInPageOrder) {
    FieldTexts fields;
    fields[319] = "2000";
    const std::vector<TransferRecord> list = buildExportList(*madeUpCatalogue(), fields);
    ASSERT_EQ(list.size(), 961u);
    const struct {
        std::size_t index;
        int item;
    } rows[] = {{0, 1},
                {285, 286},
                {286, shipTable(1, 0)},
                {287, shipTable(2, 0)},
                {370, shipTable(1, 1)},
                {957, shipTable(84, 7)},
                {958, 959},
                {960, 961}};
    for (const auto& r : rows) EXPECT_EQ(list[r.index].item, r.item) << r.index;
    EXPECT_EQ(list[286], (TransferRecord{319, "Warbird", "InitialEnergy", "2000", false}));
}

TEST(ClipboardTransfer, ExportWritesSelectedLinesEachEndedByCrLf) {
    FieldTexts fields;
    fields[10] = "3";
    std::vector<TransferRecord> list = buildExportList(*madeUpCatalogue(), fields);
    list[9].selected = true;
    list[286].selected = true;
    const ExportText out = exportText(list);
    EXPECT_EQ(out.text, "Bullet:BulletDamageLevel:3\r\nWarbird:InitialEnergy:\r\n");
    EXPECT_EQ(out.count, 2);
    EXPECT_EQ(exportedMessage(out.count), "2 settings have been exported to clipboard");
    EXPECT_EQ(transferLine(list[9]), "Bullet:BulletDamageLevel:3");
}

TEST(ClipboardTransfer, ImportsSelectedRecordsInOrderSoTheLaterLineWins) {
    ImportParse parsed = parseImportText(*madeUpCatalogue(), "Misc:G1:a\r\nMisc:G1:b\r\nMisc:G1:c");
    ASSERT_EQ(parsed.records.size(), 3u);
    parsed.records[0].selected = parsed.records[1].selected = true;
    const ImportWrites in = importSelected(parsed.records);
    FieldTexts fields;
    applyFieldWrites(fields, in.writes);
    EXPECT_EQ(fields[1], "b");
    EXPECT_EQ(in.count, 2);
    EXPECT_EQ(importedMessage(in.count), "2 settings have been imported from clipboard");
}

TEST(ClipboardTransfer, ExportedTextImportsBackIntoAnotherEditor) {
    for (const auto& catalogue : {madeUpCatalogue(), testing::generatedCatalogue()}) {
        if (!catalogue) continue;  // the generated catalogue is not built yet
        FieldTexts source;
        for (int i = 1; i <= kSettingCount; ++i)
            source[i] = i % 7 == 0 ? "" : std::to_string(i * 3);
        std::vector<TransferRecord> list = buildExportList(*catalogue, source);
        for (auto& rec : list) rec.selected = true;

        ImportParse parsed = parseImportText(*catalogue, exportText(list).text);
        ASSERT_EQ(parsed.records.size(), 961u);
        for (auto& rec : parsed.records) rec.selected = true;
        FieldTexts target;
        for (int i = 1; i <= kSettingCount; ++i) target[i] = "old";
        const ImportWrites in = importSelected(parsed.records);
        applyFieldWrites(target, in.writes);
        EXPECT_EQ(in.count, 961);
        for (int i = 1; i <= kSettingCount; ++i) EXPECT_EQ(target[i], source[i]) << i;
    }
}

TEST(ClipboardTransfer, TakesEveryLineOfATextUpToTheLimitAndRefusesALargerOneWhole) {
    // A text of exactly the limit: its last line, for the same setting, still wins.
    std::string text;
    while (text.size() + 22 + 9 <= kMaxImportTextSize) text += "Misc:G1:1\r\nMisc:G2:2\r\n";
    const std::size_t lines = text.size() / 11;
    text.append(kMaxImportTextSize - text.size() - 9, ' ');
    text += "Misc:G1:9";
    ASSERT_EQ(text.size(), kMaxImportTextSize);
    ImportParse parsed = parseImportText(*madeUpCatalogue(), text);
    ASSERT_EQ(parsed.records.size(), lines + 1);
    for (auto& rec : parsed.records) rec.selected = true;
    FieldTexts fields;
    applyFieldWrites(fields, importSelected(parsed.records).writes);
    EXPECT_EQ(fields[1] + fields[2], "92");

    parsed = parseImportText(*madeUpCatalogue(), text + "\n");
    EXPECT_TRUE(parsed.records.empty());
    EXPECT_EQ(parsed.message,
              "Clipboard text is too large to import (more than 4 MB): no settings have been "
              "imported");
}

TEST(ClipboardTransfer, DialogsCountAndRefuseAnEmptySelection) {
    EXPECT_EQ(selectionCountText(3, 961), "Selected: 3/961");
    EXPECT_EQ(nothingSelectedRefusal(true, {false, false}),
              "There are no settings selected to export");
    EXPECT_EQ(nothingSelectedRefusal(false, {}), "There are no settings selected to import");
    EXPECT_EQ(nothingSelectedRefusal(false, {false, true}), "");
}

}  // namespace
}  // namespace tavmir
