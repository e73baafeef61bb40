// What a folder load keeps, against the files read plainly here: the bytes of every line
// of the three editable files, and the text of every entry of the seven lists, made from
// whole cut lines. Run on the largest legal module, an irregular one (Latin-1 names, short
// lines, LF line ends, 6-line records, 0.95x) and a small one, into the same window, so each
// load replaces what the one before left.
#include "core/fields.h"
#include "support/window_fixture.h"

#include <QAbstractItemModel>
#include <string_view>

namespace mw::test {
namespace {

struct PlainFile {
    std::vector<std::string> lines;
    bool utf8 = true;

    QString text(std::string_view s) const
    {
        const auto n = static_cast<qsizetype>(s.size());
        return utf8 ? QString::fromUtf8(s.data(), n) : QString::fromLatin1(s.data(), n);
    }
};

PlainFile plainRead(const std::string& bytes)
{
    PlainFile file;
    file.utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8()
        == QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    std::string line;
    for (const char c : bytes) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        file.lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        file.lines.push_back(line);
    return file;
}

QString number(int n)
{
    return QString::number(n);
}

// The seven lists: every matching line cut whole, until the first line too short to make
// its entry.
struct Lists {
    QStringList troops, members, upgrades, items, factions, templates, parties;
};

Lists expectedLists(const PlainFile& troops, const PlainFile& items, const PlainFile& factions,
    const PlainFile& templates, const PlainFile& parties, const std::string& version)
{
    Lists l;
    for (const auto& line : troops.lines) {
        const auto f = cutFields(line);
        if (!startsWith(line, "trp_") || f.size() < 2)
            continue;
        const int t = static_cast<int>(l.troops.size());
        const QString entry = number(t) + " - " + troops.text(f[1]) + " (" + troops.text(f[0]) + ")";
        l.troops << entry;
        l.members << (t == 0 ? "0 - None" : entry);
        l.upgrades << (t == 0 ? "0 - None" : number(t) + " - " + troops.text(f[1]));
    }
    int n = 0;
    for (const auto& line : items.lines) {
        if (!startsWith(line, " itm_"))
            continue;
        const auto f = cutFields(line);
        if (n > 0)
            l.items << number(n) + " - " + items.text(f[2]) + "  (" + items.text(f[1]) + ")";
        ++n;
    }
    l.factions << (version == "0.95x" ? "0 - No_Faction" : "0 - Player_Faction");
    for (const auto& line : factions.lines) {
        if (startsWith(line, "0 fac_"))
            l.factions << number(static_cast<int>(l.factions.size())) + " - " + factions.text(cutFields(line)[2]);
    }
    for (const auto& line : templates.lines) {
        const auto f = cutFields(line);
        if (!startsWith(line, "pt_"))
            continue;
        if (f.size() < 2)
            break;
        l.templates << number(static_cast<int>(l.templates.size())) + " - " + templates.text(f[1]) + " ("
                + templates.text(f[0]) + ")";
    }
    for (const auto& line : parties.lines) {
        const auto f = cutFields(line);
        if (!startsWith(line, " 1 0 p_"))
            continue;
        if (f.size() < 5)
            break;
        l.parties << number(static_cast<int>(l.parties.size())) + " - " + parties.text(f[4]) + " (" + parties.text(f[3])
                + ")";
    }
    return l;
}

// The first place where two sequences differ, or -1: a failure names where, not 30,000 rows.
template <typename A, typename B> long firstDifference(const A& a, const B& b)
{
    const size_t n = std::min<size_t>(static_cast<size_t>(a.size()), static_cast<size_t>(b.size()));
    for (size_t i = 0; i < n; ++i) {
        if (!(a[static_cast<qsizetype>(i)] == b[static_cast<qsizetype>(i)]))
            return static_cast<long>(i);
    }
    return a.size() == b.size() ? -1 : static_cast<long>(n);
}

QStringList textsOf(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.data(model.index(row, 0)).toString();
    return texts;
}

class LoadedModule : public WindowTest { };

TEST_F(LoadedModule, KeepsEveryLineAndEntryAsTheFilesHaveThem)
{
    mwgen::ModuleSpec largest;
    largest.troops = 4680;
    largest.items = 16382;
    largest.factions = 60;
    largest.templateLineTarget = 32767;
    largest.partyLineTarget = 32767;
    mwgen::ModuleSpec irregular;
    irregular.troops = 40;
    irregular.items = 90;
    irregular.latin1Names = true;
    irregular.shortLines = true;
    irregular.lfOnly = true;
    irregular.version = "0.95x";
    irregular.linesPerTroop = 6;
    irregular.templates = 30;
    irregular.parties = 30;
    const std::pair<const char*, mwgen::ModuleSpec> modules[]
        = { { "largest", largest }, { "irregular", irregular }, { "small", mwgen::ModuleSpec {} } };

    for (const auto& [name, plan] : modules) {
        SCOPED_TRACE(name);
        const QString folder = makeModule(name, plan);
        window.loadFolder(folder);
        const auto plain = [&](const char* file) { return plainRead(fileBytes(folder + file)); };
        const PlainFile troops = plain("troops.txt"), templates = plain("party_templates.txt"),
                        parties = plain("parties.txt");

        if (plan.templateLineTarget) { // as long as the format allows
            EXPECT_EQ(templates.lines.size(), 32767u);
            EXPECT_EQ(parties.lines.size(), 32767u);
        }
        const auto& state = window.state();
        EXPECT_EQ(firstDifference(state.TroopLines.lines(), troops.lines), -1);
        EXPECT_EQ(firstDifference(state.PTLines.lines(), templates.lines), -1);
        EXPECT_EQ(firstDifference(state.PartyLines.lines(), parties.lines), -1);
        EXPECT_EQ(state.TroopLines.codec() == TextCodec::Utf8, troops.utf8);

        const Lists expected
            = expectedLists(troops, plain("item_kinds1.txt"), plain("factions.txt"), templates, parties, plan.version);
        const auto& l = window.lists();
        const std::pair<const QAbstractItemModel*, const QStringList*> lists[]
            = { { &l.troopEntries, &expected.troops }, { &l.memberEntries, &expected.members },
                  { &l.upgradeEntries, &expected.upgrades }, { &l.itemEntries, &expected.items },
                  { &l.factionEntries, &expected.factions }, { &l.templateEntries, &expected.templates },
                  { &l.partyEntries, &expected.parties } };
        for (const auto& [model, texts] : lists) {
            EXPECT_EQ(model->rowCount(), texts->size());
            EXPECT_EQ(firstDifference(textsOf(*model), *texts), -1);
        }
        EXPECT_GT(expected.templates.size(), 0);
        // The choice lists show the models of this load, and the face boxes are there for 0.90x only.
        EXPECT_EQ(user.find<QComboBox>("cmbPTTroops", 5)->count(), expected.members.size());
        EXPECT_EQ(user.find<QComboBox>("cmbPTemplates")->count(), expected.templates.size());
        EXPECT_EQ(user.find("txtFace1")->isEnabled(), plan.version == "0.90x");
    }
}

} // namespace
} // namespace mw::test
