// The module check: crafted modules, each with one kind of problem, against the report's
// exact lines and the exit status; and the JSON form read back.
#include "check/checkreport.h"
#include "check/modulecheck.h"
#include "core/fields.h"
#include "modulegen.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

// A module as lines without their ends, by file name; a file left out is not written.
using Module = std::map<std::string, std::vector<std::string>>;

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

// Three troops (records of 7 lines: troop k at line 3 + 7k), items 1 to 4, factions 0 to 2,
// two templates (lines 3, 4) and two parties (lines 3, 5). The newer file generation has a
// ten-field troop line 1 (faction in field 7), item modifiers, parties with the faction in
// field 9.
Module soundModule(bool newer = false)
{
    const auto files = mwgen::generateModule(
        { .troops = 3, .items = 5, .factions = 2, .templates = 2, .parties = 2, .newer = newer });
    return { { "troops.txt", linesOf(files.troops) }, { "item_kinds1.txt", linesOf(files.items) },
        { "factions.txt", linesOf(files.factions) }, { "party_templates.txt", linesOf(files.templates) },
        { "parties.txt", linesOf(files.parties) } };
}

std::string& lineOf(Module& m, const std::string& file, int n)
{
    return m.at(file).at(static_cast<size_t>(n - 1));
}

void setField(Module& m, const std::string& file, int n, size_t field, const std::string& value)
{
    std::string& line = lineOf(m, file, n);
    std::vector<std::string> fields;
    for (auto f : mw::cutFields(line))
        fields.emplace_back(f);
    fields.at(field) = value;
    line = mw::joinFields(fields);
}

void insertLine(Module& m, const std::string& file, int before, const std::string& text)
{
    auto& lines = m.at(file);
    lines.insert(lines.begin() + before - 1, text);
}

QString written(const Module& m, const QString& folder)
{
    QDir().mkpath(folder);
    for (const auto& [name, lines] : m) {
        std::string bytes;
        for (const auto& line : lines)
            bytes += line + "\r\n";
        QFile file(QDir(folder).filePath(QString::fromStdString(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    return folder;
}

// A field given another text, and its finding without the "M/<file>:<line>: " before it in
// the report ("" for none).
struct FieldEdit {
    std::string file;
    int line;
    size_t field;
    std::string text;
    QString finding;
};

// Line 10 is troop 1's first line, 11 its inventory, 12 attributes, 13 proficiencies, 14
// skills, 15 faces, 16 the empty line.
struct Case {
    const char* name;
    std::function<void(Module&)> edit;
    std::vector<QString> lines; // the findings of `edit`, folder "M"
    std::vector<FieldEdit> fields = {}; // made after `edit`; their findings follow
};

const auto kNoEdit = [](Module&) {};

const std::vector<Case>& cases()
{
    static const std::vector<Case> table {
        { "Sound", kNoEdit, {} },
        { "MissingFile", [](Module& m) { m.erase("factions.txt"); },
            { "M/factions.txt:0: the file is missing; the editor needs all five module files [missing-file]" } },
        { "OverTheLineLimit", [](Module& m) { m.at("item_kinds1.txt").resize(32768); },
            { "M/item_kinds1.txt:32768: the file has more than 32767 lines, the most the editor reads "
              "[too-many-lines]" } },
        { "SummaryRow", [](Module& m) { lineOf(m, "troops.txt", 2) = "4 "; },
            { "M/troops.txt:2: the summary row is \"4 \", but the file holds 3 troops: it should be \"3 \" "
              "[summary-row]" } },
        { "UnknownVersion", [](Module& m) { lineOf(m, "troops.txt", 8) = "  1 2 3 4 5 "; },
            { "M/troops.txt:8: line 8 has 8 fields, neither 7 (version 0.90x) nor 11 (version 0.95x); the editor takes "
              "the file for version 0.90x [unknown-version]" } },
        { "UnknownRecordLength", [](Module& m) { lineOf(m, "troops.txt", 9) = "x"; },
            { "M/troops.txt:9: line 9 is neither empty (records of 7 lines) nor a troop's first line (records of 6 "
              "lines); the editor takes records of 6 lines [unknown-record-length]",
                "M/troops.txt:9: line 9 makes the editor take records of 6 lines, but the file's records are 7 lines "
                "long [record-length]" } },
        { "RecordLength", [](Module& m) { m.at("troops.txt").erase(m.at("troops.txt").begin() + 15); },
            { "M/troops.txt:10: troop 1: the record is 6 lines long, not 7; the editor looks for the troops after it "
              "in the wrong lines [record-length]" } },
        { "NotNumbers", kNoEdit, {},
            { { "troops.txt", 10, 3, "abc", "troop 1: flag word (field 3) \"abc\" is not a number [not-a-number]" },
                { "troops.txt", 11, 2, "x1", "troop 1: item (field 2) \"x1\" is not a number [not-a-number]" },
                { "troops.txt", 12, 6, "1O", "troop 1: Level (field 6) \"1O\" is not a number [not-a-number]" },
                { "troops.txt", 13, 1, "-", "troop 1: 1h Weapon (field 1) \"-\" is not a number [not-a-number]" },
                { "troops.txt", 14, 4, "ten",
                    "troop 1: skill word 4 (field 4) \"ten\" is not a number [not-a-number]" },
                { "troops.txt", 15, 5, "0x10",
                    "troop 1: face code 2 low half (field 5) \"0x10\" is not a number [not-a-number]" },
                { "party_templates.txt", 3, 3, "m", "template 0: menu (field 3) \"m\" is not a number [not-a-number]" },
                { "party_templates.txt", 3, 7, "many",
                    "template 0: member 0 minimum (field 7) \"many\" is not a number [not-a-number]" },
                { "parties.txt", 3, 6, "n", "party 0: menu (field 6) \"n\" is not a number [not-a-number]" } } },
        { "OutOfRange", kNoEdit, {},
            { { "troops.txt", 10, 3, "4294967296",
                  "troop 1: flag word (field 3) \"4294967296\" is outside 0 to 2147483647 [out-of-range]" },
                { "troops.txt", 14, 0, "2952790016", // B0000000: Persuasion 11
                    "troop 1: Persuasion (digit 1 of skill word 0, field 0) is 11, above 10 [out-of-range]" },
                { "troops.txt", 15, 2, "18446744073709551616",
                    "troop 1: face code 1 high half (field 2) \"18446744073709551616\" does not fit in 64 bits "
                    "[out-of-range]" },
                { "parties.txt", 3, 6, "-1", "party 0: menu (field 6) \"-1\" is below 0 [out-of-range]" } } },
        { "PastTheLists", kNoEdit, {},
            { { "troops.txt", 10, 6, "3",
                  "troop 1: faction (field 6) 3 is past the end of the faction list (factions 0 to 2) [past-list]" },
                { "troops.txt", 10, 7, "3",
                    "troop 1: upgrade path A (field 7) 3 is past the end of the troop list (troops 0 to 2) "
                    "[past-list]" },
                { "troops.txt", 10, 8, "-2",
                    "troop 1: upgrade path B (field 8) -2 is not in the troop list (troops 0 to 2) [past-list]" },
                { "troops.txt", 11, 2, "5",
                    "troop 1: item (field 2) 5 is past the end of the item catalogue (items 1 to 4) [past-list]" },
                { "party_templates.txt", 3, 4, "3",
                    "template 0: faction (field 4) 3 is past the end of the faction list (factions 0 to 2) "
                    "[past-list]" },
                { "party_templates.txt", 3, 6, "3",
                    "template 0: member 0 troop (field 6) 3 is past the end of the troop list (troops 0 to 2) "
                    "[past-list]" },
                { "parties.txt", 3, 7, "2",
                    "party 0: template (field 7) 2 is past the end of the template list (templates 0 to 1) "
                    "[past-list]" },
                { "parties.txt", 3, 8, "3",
                    "party 0: faction (field 8) 3 is past the end of the faction list (factions 0 to 2) "
                    "[past-list]" } } },
        { "Misplaced",
            [](Module& m) {
                insertLine(m, "party_templates.txt", 4, "");
                insertLine(m, "parties.txt", 5, "0.0");
            },
            { "M/party_templates.txt:5: template 1 is at line 5, not at line 4 where the editor looks for it "
              "[misplaced]",
                "M/parties.txt:6: party 1 is at line 6, not at line 5 where the editor looks for it [misplaced]" } },
        { "NewerGeneration", [](Module& m) { m = soundModule(true); }, {},
            { { "troops.txt", 10, 7, "3",
                  "troop 1: faction (field 7) 3 is past the end of the faction list (factions 0 to 2) [past-list]" },
                { "troops.txt", 11, 3, "637534208", "" }, // a modifier, never an item
                { "parties.txt", 3, 9, "3",
                    "party 0: faction (field 9) 3 is past the end of the faction list (factions 0 to 2) "
                    "[past-list]" } } },
        { "LaterGeneration",
            [](Module& m) {
                lineOf(m, "troops.txt", 1) = "troopsfile version 3";
                lineOf(m, "parties.txt", 1) = "partiesfile version 2";
            },
            { "M/troops.txt:1: the head \"troopsfile version 3\" names a later generation of the file than the editor "
              "knows: it reads the file in the older layout and refuses to write it [later-generation]",
                "M/parties.txt:1: the head \"partiesfile version 2\" names a later generation of the file than the "
                "editor knows: it reads the file in the older layout and refuses to write it [later-generation]" } },
        { "ShortLines",
            [](Module& m) {
                lineOf(m, "party_templates.txt", 4) = "pt_a A 0 0 0 0";
                lineOf(m, "parties.txt", 5) = " 1 0 p_a A 0 0";
                lineOf(m, "factions.txt", 3) = "0 fac_a";
            },
            { "M/factions.txt:3: faction 1: the line has 2 fields, 3 are needed (identifier in field 1, name in field "
              "2) [short-line]",
                "M/party_templates.txt:4: template 1: the line has 6 fields, 13 are needed (six fields, six member "
                "entries and a space at the end) [short-line]",
                "M/parties.txt:5: party 1: the line has 7 fields, 9 are needed (up to the faction in field 8) "
                "[short-line]" } },
        { "MemberLayout",
            [](Module& m) {
                mwgen::TemplateValues pt;
                pt.members[0] = { 1, 2, 3, false };
                lineOf(m, "party_templates.txt", 3) = mwgen::templateLine(pt);
                setField(m, "party_templates.txt", 3, 14, "2");
                lineOf(m, "party_templates.txt", 4) = "pt_b B 0 0 0 0 7 -1 -1 -1 -1 -1 -1 ";
            },
            { "M/party_templates.txt:3: template 0: member 5 flag (field 14) is 2, not -1 (empty), 0 or 1 (prisoner) "
              "[member-layout]",
                "M/party_templates.txt:4: template 1: fields 6 to 6 belong to no member entry; an update would drop "
                "them [member-layout]" } },
    };
    return table;
}

// The module of a case, and its report without the summary line.
Module moduleOf(const Case& c)
{
    Module module = soundModule();
    c.edit(module);
    for (const FieldEdit& f : c.fields)
        setField(module, f.file, f.line, f.field, f.text);
    return module;
}

QStringList findingsOf(const Case& c)
{
    QStringList lines(c.lines.begin(), c.lines.end());
    for (const FieldEdit& f : c.fields) {
        if (!f.finding.isEmpty())
            lines << QStringLiteral("M/%1:%2: ").arg(QString::fromStdString(f.file)).arg(f.line) + f.finding;
    }
    return lines;
}

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class ModuleCheckCases : public ::testing::TestWithParam<Case> { };

TEST_P(ModuleCheckCases, ReportsEachProblemOnItsLine)
{
    QTemporaryDir dir;
    const mw::ModuleCheck check
        = mw::checkModule(written(moduleOf(GetParam()), dir.filePath(QStringLiteral("module"))));
    QStringList expected = findingsOf(GetParam());
    const int exitCode = expected.isEmpty() ? 0 : 1;
    expected << (expected.isEmpty()
            ? QStringLiteral("M: no problems found (3 troops, 4 items, 2 factions, 2 party templates, 2 parties)")
            : QStringLiteral("M: %1 problem%2 found").arg(expected.size()).arg(expected.size() == 1 ? "" : "s"));
    EXPECT_EQ(mw::checkReportText(check, QStringLiteral("M")).toStdString(),
        (expected.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString());
    EXPECT_EQ(mw::exitCodeOf(check), exitCode);
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleCheckCases, ::testing::ValuesIn(cases()),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModuleCheck, AFolderThatIsNotThereCannotBeRead)
{
    QTemporaryDir dir;
    const mw::ModuleCheck check = mw::checkModule(dir.filePath(QStringLiteral("nowhere")));
    EXPECT_EQ(mw::checkReportText(check, QStringLiteral("M")).toStdString(),
        "M:0: there is no folder of that name [unreadable]\nM: could not be read whole; 1 problem found\n");
    EXPECT_EQ(mw::exitCodeOf(check), 2);
}

TEST(ModuleCheck, JsonGivesTheSameFindings)
{
    QTemporaryDir dir;
    Module module;
    for (const Case& c : cases()) {
        if (std::string(c.name) == "PastTheLists")
            module = moduleOf(c);
    }
    const mw::ModuleCheck check = mw::checkModule(written(module, dir.filePath(QStringLiteral("m"))));
    ASSERT_EQ(check.findings.size(), 8u);
    module.erase("parties.txt"); // a finding without a field
    const mw::ModuleCheck missing = mw::checkModule(written(module, dir.filePath(QStringLiteral("n"))));

    for (const auto& checked : { check, missing }) {
        QJsonParseError error;
        const QJsonDocument json
            = QJsonDocument::fromJson(mw::checkReportJson(checked, QStringLiteral("dir/")), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        const QJsonArray array = json.array();
        ASSERT_EQ(array.size(), static_cast<qsizetype>(checked.findings.size()));
        for (qsizetype i = 0; i < array.size(); ++i) {
            const mw::Finding& f = checked.findings[static_cast<size_t>(i)];
            const QJsonObject o = array[i].toObject();
            EXPECT_EQ(o.keys(), (QStringList { "code", "field", "file", "line", "message" }));
            EXPECT_EQ(o["file"].toString(), QStringLiteral("dir/") + f.file);
            EXPECT_EQ(o["line"].toInt(), f.line);
            EXPECT_EQ(o["field"].isNull() ? -1 : o["field"].toInt(), f.field);
            EXPECT_EQ(o["code"].toString(), f.code);
            EXPECT_EQ(o["message"].toString(), f.message);
        }
    }
}

} // namespace
