#include <gtest/gtest.h>

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
    const auto read = readTemplateFile(path);
    if (!read) return {false, "untouched", templateReadErrorText(read.error())};
    return {true, *read, ""};
}

// The check reads a regular file of at most 64 MiB only, and says why it cannot read another.
TEST(TemplateRead, ReadsARegularFileAndNamesTheReasonOtherwise) {
    const test::TempDir dir;
    const Read good = readTemplate(dir.file("template.sss", "Misc:A:1\r\n"));
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.text, "Misc:A:1\r\n");

    struct Refused {
        std::string path;
        std::string reason;
    };
    std::filesystem::create_directory(dir.path("folder.sss"));
    const Refused refused[] = {
        {dir.path("missing.sss"), "No such file or directory"},
        {dir.path("folder.sss"), "Is a directory"},
#ifdef _WIN32
        {"NUL", "Not a regular file"},
        {"CON", "Not a regular file"},
        {dir.path("com1.sss"), "Not a regular file"},
#else
        {(test::makeFifo(dir.path("fifo.sss")), dir.path("fifo.sss")), "Not a regular file"},
        {"/dev/null", "Not a regular file"},
        // A regular file whose read fails: the system's reason, not an empty template.
        {"/proc/self/mem", "Input/output error"},
#endif
    };
    for (const Refused& r : refused) {
        const Read read = readTemplate(r.path);
        EXPECT_FALSE(read.ok) << r.path;
        EXPECT_EQ(read.reason, r.reason) << r.path;
        EXPECT_EQ(read.text, "untouched") << r.path;
    }

    // A huge file is refused whole, never checked in part (a sparse file: no disk is used);
    // one of exactly 64 MiB is read.
    const std::string huge = dir.path("huge.sss");
    { std::ofstream(huge) << "All:SuperTime:1::\r\n"; }
    std::filesystem::resize_file(huge, 64ULL * 1024 * 1024 + 1);
    const Read big = readTemplate(huge);
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.reason, "The file is larger than 64 MB: it cannot be a template");
    std::filesystem::resize_file(huge, 64ULL * 1024 * 1024);
    const Read edge = readTemplate(huge);
    EXPECT_TRUE(edge.ok);
    EXPECT_EQ(edge.text.size(), 64ULL * 1024 * 1024);
    EXPECT_TRUE(checkTemplateText(edge.text).superTimeFault);

    // The fix reads with the same cap: a file grown past it is not copied to its backup.
    std::filesystem::resize_file(huge, 64ULL * 1024 * 1024 + 1);
    StyledLog fixLog;
    TemplateFix fix(dir.file("template.dat", "Misc:A:1\r\n"),
                    [](const std::filesystem::path&, std::string_view) -> WriteResult {
                        ADD_FAILURE() << "nothing may be written";
                        return writeFailure(WriteStage::Write, "");
                    });
    EXPECT_FALSE(fix.fix(huge, fixLog));
    EXPECT_EQ(fixLog.plainText(),
              std::string(63, '-') + "\r\n\r\nFixing...\r\n\r\nError reading file: " + huge +
                  "\r\nThe file is larger than 64 MB: it cannot be a " + "template\r\n\r\n");

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
