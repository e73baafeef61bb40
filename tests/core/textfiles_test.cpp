// Reading and writing module files: line ends, the line limit, atomic replacement.
#include "core/errors.h"
#include "core/textfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace mw;

namespace {

std::string readBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

TEST(SplitLines, LineEnds)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        { "", {} },
        { "a", { "a" } },
        { "a\n", { "a" } },
        { "a\r\n", { "a" } },
        { "a\r\nb", { "a", "b" } },
        { "\n\n", { "", "" } },
        { "\r\n\r\n", { "", "" } },
        { "a\rb\n", { "a\rb" } },
        { "a\r", { "a\r" } },
        { "x \n  y  \r\n", { "x ", "  y  " } },
        { "\x80\xff\xe9 \n", { "\x80\xff\xe9 " } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.bytes, "t.txt"), c.lines) << testing::PrintToString(c.bytes);
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

TEST(TextFiles, ReadGivesBytesAndCodec)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    writeBytes(path, "caf\xc3\xa9\r\nline two");
    const LineArray utf8 = readLines(path);
    EXPECT_EQ(utf8.lines(), (std::vector<std::string> { "caf\xc3\xa9", "line two" }));
    EXPECT_EQ(utf8.codec(), TextCodec::Utf8);

    writeBytes(path, "caf\xe9\n");
    const LineArray latin1 = readLines(path);
    EXPECT_EQ(latin1.lines(), (std::vector<std::string> { "caf\xe9" }));
    EXPECT_EQ(latin1.codec(), TextCodec::Latin1);

    writeBytes(path, "");
    EXPECT_EQ(readLines(path).count(), 0);
}

TEST(TextFiles, MissingFileIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("none.txt");
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(fileExists(dir.path())); // a folder is not a file
    try {
        readLines(path);
        FAIL();
    } catch (const ModError& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
        EXPECT_TRUE(e.description().contains(path));
    }
}

TEST(TextFiles, WriteEndsEveryLineWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    writeLines(path, LineArray({ "one", "", "th\xe9", "last" }, TextCodec::Latin1));
    EXPECT_EQ(readBytes(path), "one\r\n\r\nth\xe9\r\nlast\r\n");
    writeLines(path, LineArray({}, TextCodec::Utf8));
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "out.txt" }); // no temporary left
}

TEST(TextFiles, FailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("troops.txt");
    const std::string old = "old content\r\n";
    writeBytes(path, old);

    // A file-size limit makes the kernel refuse the write part-way, as a full disk does.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    QString text;
    try {
        writeLines(path, LineArray(std::vector<std::string>(20000, "a line that will not fit"), TextCodec::Utf8));
    } catch (const ModError& e) {
        threw = true;
        text = errorReportText(e);
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_TRUE(text.startsWith("Error #75: Cannot write " + path)) << text.toStdString();
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "troops.txt" });
}

TEST(TextFiles, WriteIntoAVanishedFolderFails)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("gone");
    EXPECT_THROW(writeLines(folder + "/parties.txt", LineArray({ "x" }, TextCodec::Utf8)), ModError);
    EXPECT_FALSE(QDir(folder).exists());
}
