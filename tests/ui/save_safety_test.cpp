// Save against the world outside: a file another program changed after the load is only
// overwritten when the user says so, and a write the system refuses (the file-size limit)
// is reported and loses nothing. Everything through the window's real buttons.
#include "app/dialogmessages.h"
#include "support/window_fixture.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <sys/resource.h>

using namespace mw;
using namespace mw::test;

namespace {

using SaveSafety = WindowTest;

void overwrite(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QString summary(const QString& folder, const QString& troops, const QString& templates, const QString& parties)
{
    return "The following files in " + folder + " were updated:\r\n\r\n" + troops + "\r\n" + templates + "\r\n"
        + parties;
}

const QString kTroops = "troops.txt (86 lines)";
const QString kTemplates = "party_templates.txt (8 lines)";
const QString kParties = "parties.txt (14 lines)";

} // namespace

TEST_F(SaveSafety, AFileChangedOutsideIsOverwrittenOnlyAfterYes)
{
    enum class Change { None, Append, SameSize };
    struct Row {
        const char* name;
        mwgen::ModuleSpec plan;
        int file; // 0 troops.txt, 1 party_templates.txt, 2 parties.txt
        Change change;
        std::deque<bool> answers;
        bool overwritten; // the loaded lines replace what is on disk
    };
    const std::vector<Row> rows = {
        { "unchanged files need no question", {}, 2, Change::None, {}, true },
        { "a summary row corrected in memory is not a change", { .wrongSummaryRow = true }, 0, Change::None, {}, true },
        { "No keeps the other program's file", {}, 2, Change::Append, { false }, false },
        { "Yes overwrites it", {}, 1, Change::Append, { true }, true },
        { "a change that keeps the size is seen", { .lfOnly = true }, 0, Change::SameSize, { false }, false },
    };
    const QString names[] = { "troops.txt", "party_templates.txt", "parties.txt" };
    int n = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString folder = makeModule(QString::number(n++), row.plan);
        const QString path = folder + names[row.file];
        browseTo(folder);
        recorder.clear();
        const std::string before = fileBytes(path);
        std::string outside = before;
        if (row.change == Change::Append)
            outside += "appended by another program\r\n";
        else if (row.change == Change::SameSize)
            outside[outside.size() / 2] ^= 1;
        if (row.change != Change::None)
            overwrite(path, outside);

        recorder.answers = row.answers;
        user.click("cmdSave");
        QStringList expected;
        QString lines[] = { kTroops, kTemplates, kParties };
        if (row.change != Change::None)
            expected << names[row.file]
                    + " was changed by another program after it was loaded. Overwrite it with your updates?";
        if (!row.overwritten)
            lines[row.file].clear();
        expected << summary(folder, lines[0], lines[1], lines[2]);
        EXPECT_EQ(recorder.texts().join('|').toStdString(), expected.join('|').toStdString());
        EXPECT_EQ(recorder.shown[0].icon, row.change == Change::None ? MessageIcon::None : MessageIcon::Warning);
        // Kept: the other program's bytes; overwritten: the loaded lines (CR LF files come back as
        // they were before the other program wrote).
        if (row.change != Change::None) {
            EXPECT_EQ(fileBytes(path), row.overwritten ? before : outside);
        }

        // What was written (or kept after No) is the new reference: a second Save asks again
        // only about a file the user kept.
        recorder.clear();
        user.click("cmdSave");
        EXPECT_EQ(recorder.shown.size(), row.overwritten ? 1u : 2u) << said();
    }
}

// Under a file-size limit below troops.txt's size the write fails with EFBIG (the signal is
// ignored): one report naming the file and the reason, the old file intact, the other files
// written, and the lines still in memory, so a Save once the limit is lifted writes them.
TEST_F(SaveSafety, AWriteOverTheSizeLimitIsReportedAndLosesNothing)
{
    const QString folder = makeModule("limited");
    browseTo(folder);
    recorder.clear();
    const auto before = written(folder);
    rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 2000; // troops.txt takes about 7,000 bytes, the other two under 2,000
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    user.click("cmdSave");
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);

    const QString report = "Error #75: Cannot write " + folder
        + "troops.txt: only part of it could be written (File too large); the file was left as it was";
    EXPECT_EQ(said(), (report + "|" + summary(folder, "", kTemplates, kParties)).toStdString());
    EXPECT_EQ(written(folder), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 5); // no temporary file left behind

    recorder.clear();
    user.click("cmdSave");
    EXPECT_EQ(said(), summary(folder, kTroops, kTemplates, kParties).toStdString());
}

// The question box a user sees: the title, the text, the warning icon, Yes and No with No
// the default, so Enter keeps the other program's file.
TEST(QuestionBox, NoIsTheDefaultAndYesOverwrites)
{
    for (const bool pressYes : { false, true }) {
        DialogMessageService dialogs;
        std::string seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = (box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|"
                + QString::number(box->standardButtons()) + "|" + box->defaultButton()->text())
                       .toStdString();
            if (pressYes)
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(dialogs.ask("parties.txt was changed", MessageIcon::Warning), pressYes);
        EXPECT_EQ(seen,
            "Varnholt - Unoffical Musterwright|parties.txt was changed|" + std::to_string(QMessageBox::Warning) + "|"
                + std::to_string(QMessageBox::Yes | QMessageBox::No) + "|&No");
    }
}
