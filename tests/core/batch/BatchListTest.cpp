// The list rules of the batch windows, table-driven: adding and removing rows, captions, the
// origin taken out, the list kept and restored, the folder filters, grid-log links, pacing and
// the comparable value of a setting.
#include <gtest/gtest.h>

#include "batch/BatchComparison.h"
#include "batch/BatchFileList.h"
#include "batch/BatchPacer.h"
#include "support/TempDir.h"

using namespace tavmir;

namespace {

BatchFileList listOf(BatchMode mode, std::initializer_list<const char*> paths) {
    BatchFileList list(mode);
    for (const char* p : paths) list.add(p);
    return list;
}

std::string joined(const BatchFileList& list) {
    std::string out;
    for (const std::string& p : list.paths()) out += p + ",";
    return out + list.caption();
}

TEST(BatchFileList, AddRemoveAndCaptions) {
    struct Case {
        std::vector<std::size_t> remove;
        std::size_t select;
        const char* after;
    };
    const Case cases[] = {
        {{}, 0, "/z/a.cfg,/z/b.cfg,/z/c.cfg,/z/d.cfg,4 files"},
        {{1}, 1, "/z/a.cfg,/z/c.cfg,/z/d.cfg,3 files"},
        {{3, 1}, 1, "/z/a.cfg,/z/c.cfg,2 files"},
        {{2, 3}, 1, "/z/a.cfg,/z/b.cfg,2 files"},
        {{0, 1, 2}, 0, "/z/d.cfg,1 file"},
        {{0, 1, 2, 3, 9}, 0, "0 files"},
        // A row just past the last is no row: nothing goes.
        {{4}, 0, "/z/a.cfg,/z/b.cfg,/z/c.cfg,/z/d.cfg,4 files"},
    };
    for (const Case& c : cases) {
        BatchFileList list = listOf(BatchMode::Validate, {"/z/a.cfg", "/z/b.cfg", "/z//b.cfg",
                                                          "/z/c.cfg", "/z/./c.cfg", "/z/d.cfg"});
        if (!c.remove.empty()) {
            EXPECT_EQ(list.removeRows(c.remove), c.select);
        }
        EXPECT_EQ(joined(list), c.after);
        EXPECT_EQ(list.gridRows(), std::max<std::size_t>(1, list.size()));
    }
    BatchFileList list = listOf(BatchMode::Validate, {"/z/a.cfg", "/z/A.cfg"});
    // Two files where names differ in case (POSIX); one on Windows, whose names do not.
    EXPECT_EQ(joined(list), test::kWindows ? "/z/a.cfg,1 file" : "/z/a.cfg,/z/A.cfg,2 files");
    EXPECT_FALSE(list.add("/z/a.cfg"));
    list.clear();
    EXPECT_TRUE(list.add("/z/a.cfg"));
}

TEST(BatchFileList, OriginRetainAndRestore) {
    BatchFileList list = listOf(BatchMode::Compare, {"/z/a.cfg", "/z/o.cfg", "/z/b.cfg"});
    EXPECT_EQ(list.caption(), "With Files (3)");
    EXPECT_TRUE(list.removeOrigin("  /z/o.cfg "));
    EXPECT_FALSE(list.removeOrigin("   "));
    EXPECT_EQ(joined(list), "/z/a.cfg,/z/b.cfg,With Files (2)");
    EXPECT_EQ(logMarkerOfRow(list, 1), "2. Comparing");

    const auto kept = listToRetain(list, " /z/o.cfg ");
    EXPECT_EQ(kept, (std::vector<std::string>{"/z/o.cfg", "/z/a.cfg", "/z/b.cfg"}));
    const auto exists = [](const std::string& p) { return p != "/z/a.cfg"; };
    const RestoredList back = restoreList(BatchMode::Compare, kept, exists);
    EXPECT_EQ(back.origin, "/z/o.cfg");
    EXPECT_EQ(back.files, std::vector<std::string>{"/z/b.cfg"});
    EXPECT_EQ(restoreList(BatchMode::Validate, kept, exists).files.size(), 2u);
    EXPECT_TRUE(listToRetain(BatchFileList(BatchMode::Validate), "").empty());
}

TEST(BatchFileList, FiltersRefusalsAndLogLinks) {
    const struct {
        const char* filter;
        const char* name;
        bool taken;
    } filters[] = {{"CFG", "A.CFG", true},  {"CFG", "a.cfg.bak", false}, {"CFG", "a.set", false},
                   {"SET", "a.Set", true},  {"CFG_SET", "a.set", true},  {"CFG_SET", "cfg", false},
                   {"*", "anything", true}, {"other", "a.cfg", false}};
    for (const auto& f : filters)
        EXPECT_EQ(filterTakes(f.filter, f.name), f.taken) << f.filter << " " << f.name;
    EXPECT_EQ(folderFilterText(FolderFilter::All), "*");

    test::TempDir dir;
    EXPECT_EQ(addFolderRefusal(""), "Select folder");
    EXPECT_EQ(addFolderRefusal("/no/such"), "/no/such is not a valid folder");
    EXPECT_EQ(addFolderRefusal(dir.file("f.cfg", "x")),
              dir.path("f.cfg") + " is not a valid folder");
    EXPECT_EQ(addFolderRefusal(dir.path().string()), "");

    const BatchFileList v = listOf(BatchMode::Validate, {"/z/a.cfg", "/z/b.cfg"});
    EXPECT_EQ(logMarkerOfRow(v, 1), ". Validating /z/b.cfg");
    EXPECT_EQ(rowOfLogLine(v, "2. Validating /z/b.cfg"), 1);
    EXPECT_EQ(rowOfLogLine(v, "2. Validating /z/b.cf"), -1);
    const BatchFileList c = listOf(BatchMode::Compare, {"/z/a.cfg", "/z/b.cfg"});
    EXPECT_EQ(rowOfLogLine(c, "1. Comparing"), 0);
    EXPECT_EQ(rowOfLogLine(c, "2. Comparing"), 1);
    EXPECT_EQ(rowOfLogLine(c, "3. Comparing"), -1);
    EXPECT_EQ(rowOfLogLine(c, "(1) /z/a.cfg"), -1);
    EXPECT_EQ(lineAt("ab\r\ncd\r\nef", 5), "cd");
    EXPECT_EQ(lineAt("ab\r\ncd", 0), "ab");
    EXPECT_EQ(lineAt("ab\ncd", 99), "cd");
    EXPECT_EQ(lineAt("ab\ncd", 2), "ab");  // on the line's own end
    EXPECT_EQ(lineAt("ab\ncd", 3), "cd");
}

TEST(BatchPacer, RunsEventsByTheClockNotByCount) {
    std::int64_t t = 0;
    BatchPacer pacer([&] { return t; });
    int events = 0, repaints = 0;
    for (int i = 0; i < 1000; ++i, t += 1 - (i % 2)) {  // 500 ms of work in 1000 steps
        events += pacer.eventsDue();
        repaints += pacer.repaintDue();
    }
    EXPECT_EQ(events, 124);
    EXPECT_EQ(repaints, 15);
    pacer.forceNext();
    EXPECT_TRUE(pacer.eventsDue());
    EXPECT_TRUE(pacer.repaintDue());
    EXPECT_FALSE(pacer.eventsDue());
}

TEST(BatchComparison, ComparableValues) {
    SettingDef number, text;
    text.valueType = 'A';
    const struct {
        const SettingDef& def;
        const char* value;
        bool found;
        const char* expected;
    } cases[] = {
        {number, "010", true, "10"},   {number, "10.0", true, "10"},
        {number, " 1 0x", true, "10"}, {number, "abc", true, "0"},
        {number, "", false, "0"},      {number, "&H1F", true, "31"},
        {number, "0.1", true, "0.1"},  {number, "123456789.123456789", true, "123456789.123457"},
        {number, "-0", true, "0"},     {text, "  a b  ", true, "a b"},
        {text, "x", false, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(comparableValue(c.def, c.value, c.found), c.expected) << c.value;
}

}  // namespace
