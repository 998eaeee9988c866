#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "batch/TemplateCheck.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

struct Read {
    bool ok;
    std::string text;
    std::string reason;
};

Read readTemplate(const std::string& path) {
    Read r{false, "untouched", ""};
    r.ok = readTemplateFile(path, r.text, r.reason);
    return r;
}

// The check reads a regular file only, its first 64 MiB, and says why it cannot read another.
TEST(TemplateRead, ReadsARegularFileAndNamesTheReasonOtherwise) {
    const test::TempDir dir;
    const Read good = readTemplate(dir.file("template.sss", "Misc:A:1\r\n"));
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.text, "Misc:A:1\r\n");

    struct Refused {
        std::string path;
        std::string reason;
    };
    ::mkfifo(dir.path("fifo.sss").c_str(), 0644);
    std::filesystem::create_directory(dir.path("folder.sss"));
    const Refused refused[] = {
        {dir.path("missing.sss"), "No such file or directory"},
        {dir.path("folder.sss"), "Is a directory"},
        {dir.path("fifo.sss"), "Not a regular file"},
        {"/dev/null", "Not a regular file"},
        // A regular file whose read fails: the system's reason, not an empty template.
        {"/proc/self/mem", "Input/output error"},
    };
    for (const Refused& r : refused) {
        const Read read = readTemplate(r.path);
        EXPECT_FALSE(read.ok) << r.path;
        EXPECT_EQ(read.reason, r.reason) << r.path;
        EXPECT_EQ(read.text, "untouched") << r.path;
    }

    // A huge file is read up to its first 64 MiB only (a sparse file: no disk is used).
    const std::string huge = dir.path("huge.sss");
    { std::ofstream(huge) << "All:SuperTime:1::\r\n"; }
    std::filesystem::resize_file(huge, 65ULL * 1024 * 1024);
    const Read big = readTemplate(huge);
    EXPECT_TRUE(big.ok);
    EXPECT_EQ(big.text.size(), 64ULL * 1024 * 1024);
    EXPECT_TRUE(checkTemplateText(big.text).superTimeFault);

    StyledLog log;
    writeTemplateReadError(log, "/z/template.sss", "Input/output error");
    EXPECT_EQ(log.plainText(), std::string(63, '-') +
                                   "\r\n\r\nValidating...\r\n\r\nError reading file: "
                                   "/z/template.sss\r\nInput/output error\r\n");
    ASSERT_EQ(log.runs().size(), 3u);  // the rule, the bold heading, the two red lines
    EXPECT_TRUE(log.runs()[1].bold);
    EXPECT_EQ(log.runs()[2].color, kRed);
}

}  // namespace
}  // namespace tavmir
