// Reading and writing module files: line ends, the line limit, a missing and an empty file,
// and a write the system cuts short. Line ends on any bytes are the lines fuzz target's
// (fuzz/lines_fuzz.cpp); a failing flush, a vanished folder and CR LF rewriting are the
// window's Save tests' (tests/ui/window_test.cpp, save_safety_test.cpp).
#include "core/errors.h"
#include "core/textfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace mw;

TEST(SplitLines, LineEnds)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        { "", {} }, { "a\r\nb", { "a", "b" } }, // the last line needs no line end
        { "\n\r\n", { "", "" } }, { "a\rb\r", { "a\rb\r" } }, // a CR alone ends no line
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(splitLines(bytes, "t.txt"), lines) << testing::PrintToString(bytes);
}

TEST(SplitLines, StopsPastTheLineLimit)
{
    std::string atLimit;
    for (int i = 0; i < kMaxLines; ++i)
        atLimit += "x\n";
    EXPECT_EQ(splitLines(atLimit, "t.txt").size(), static_cast<size_t>(kMaxLines));
    try {
        splitLines(atLimit + "y", "troops.txt");
        FAIL() << "no error past the limit";
    } catch (const ModError& e) {
        EXPECT_EQ(errorReportText(e), "Error #6: Overflow: troops.txt has more than 32767 lines");
    }
}

TEST(TextFiles, MissingAndEmptyFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("none.txt");
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(fileExists(dir.path())); // a folder is not a file
    QFile empty(dir.filePath("empty.txt"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(readLines(empty.fileName()).count(), 0);
    try {
        readLines(path);
        FAIL();
    } catch (const ModError& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
        EXPECT_TRUE(e.description().contains(path));
    }
}

// Under a file-size limit (as on a full disk) a write larger than the file's buffer is cut
// short at once; the window's Save test meets the limit only at the flush.
TEST(TextFiles, AShortWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("troops.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content\r\n");
    old.close();

    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString text;
    try {
        writeFileAtomically(path, std::string(500000, 'x'));
    } catch (const ModError& e) {
        text = errorReportText(e);
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(text,
        "Error #75: Cannot write " + path
            + ": only part of it could be written (File too large); the file was left as it was");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old content\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "troops.txt" });
}
