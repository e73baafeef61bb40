// The generations of parties.txt: a newer file's party lines have one more field before the
// identifier; a later generation is read as described but never rebuilt; any other head
// reads as today.
#include "linesupport.h"
#include "parties/partyfile.h"
#include "parties/partyrecord.h"

#include <functional>
#include <gtest/gtest.h>

namespace mw::test {
namespace {

const std::string kNewerLine = " 1 0 2 p_main_party Main_Party 1048576 4 1 3 0 0.5 -7 ";
const std::string kDescribedLine = " 1 0 p_main_party Main_Party 1048576 4 1 3 0 0.5 -7 ";

ModuleState moduleOf(const std::string& head, const std::string& line)
{
    ModuleState module;
    module.PartyLines = LineArray({ head, "1 2", line, "0.0 3 12 0 0" }, TextCodec::Utf8);
    module.PartyGeneration = readPartyFile(module.PartyLines).generation;
    return module;
}

TEST(PartyGenerations, ListAndShowTheFieldsOfTheRecognisedLayout)
{
    struct Row {
        const char* name;
        std::string head, line;
        QString entries, shown; // the list; id|name|menu|template|faction of party 0
    };
    const QString mainParty = "p_main_party|Main_Party|4|1|3";
    const std::vector<Row> rows {
        { "newer", "partiesfile version 1", kNewerLine, "0 - Main_Party (p_main_party)", mainParty },
        { "described, same head", "partiesfile version 1", kDescribedLine, "0 - Main_Party (p_main_party)", mainParty },
        { "later: read as described", "partiesfile version 2", kDescribedLine, "0 - Main_Party (p_main_party)",
            mainParty },
        { "free-form head: the newer line is no party line", "my parties", kNewerLine, "", "" },
    };
    for (const Row& row : rows) {
        const ModuleState module = moduleOf(row.head, row.line);
        EXPECT_EQ(readPartyFile(module.PartyLines).entries.texts().join(';'), row.entries) << row.name;
        if (row.shown.isEmpty())
            continue;
        const PartyShown s = showParty(module, 0, { 0, 5, 0, 0, 3 });
        EXPECT_EQ(
            QStringList({ *s.id, *s.name, *s.menu, QString::number(*s.partyTemplate), QString::number(*s.faction) })
                .join('|'),
            row.shown)
            << row.name;
    }
}

TEST(PartyGenerations, RebuildWritesTheShiftedFieldsAndKeepsTheRest)
{
    struct Row {
        const char* name;
        std::string head, line;
        std::function<void(PartyInput&)> edit;
        std::string rebuilt;
        QString refusal;
    };
    const auto edited = [](PartyInput& in) {
        in.name = "Home_Guard";
        in.menu = "0";
        in.partyTemplate = 2;
        in.faction = 1;
    };
    const std::vector<Row> rows {
        { "newer, unchanged", "partiesfile version 1", kNewerLine, [](PartyInput&) {}, kNewerLine, "" },
        { "newer, edited", "partiesfile version 1", kNewerLine, edited,
            " 1 0 2 p_main_party Home_Guard 1048576 0 2 1 0 0.5 -7 ", "" },
        { "described, edited: every field followed by a space", "partiesfile version 1", kDescribedLine, edited,
            " 1 0 p_main_party Home_Guard 1048576 0 2 1 0 0.5 -7  ", "" },
        { "later", "partiesfile version 2", kDescribedLine, edited, "",
            "parties.txt begins with \"partiesfile version 2\", a later generation of the file than this editor "
            "knows, so nothing is written to it. Nothing was updated." },
    };
    for (const Row& row : rows) {
        const ModuleState module = moduleOf(row.head, row.line);
        PartyInput input = partyInputOf(showParty(module, 0, { 0, 5, 0, 0, 3 }), 0);
        row.edit(input);
        const PartyRebuilt rebuilt = rebuildParty(module, 0, input);
        EXPECT_EQ(lineOf(rebuilt), row.rebuilt) << row.name;
        EXPECT_EQ(refusalText(rebuilt.outcome).value_or(QString()), row.refusal) << row.name;
    }
}

} // namespace
} // namespace mw::test
