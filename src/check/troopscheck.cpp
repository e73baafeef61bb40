// The checks of troops.txt. Each record is checked where its "trp_" line actually stands;
// where that is not where the editor looks for it, one finding says so.
#include "check/filechecks.h"

#include "codec/hexcodec.h"
#include "core/fields.h"
#include "troops/troopformat.h"
#include "troops/trooplayout.h"

#include <algorithm>

namespace mw {
namespace {

using namespace findingcode;

QString latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString inQuotes(std::string_view text)
{
    return QLatin1Char('"') + latin(text) + QLatin1Char('"');
}

void checkHeadLines(const LineArray& lines, const TroopFileRead& read, int troops, FileFindings& out)
{
    if (lines.count() < 2)
        out.add(2, -1, kSummaryRow, QStringLiteral("the file ends before line 2, the summary row"));
    else if (read.summaryRow)
        out.add(2, 0, kSummaryRow,
            QStringLiteral("the summary row is %1, but the file holds %2 troops: it should be %3")
                .arg(inQuotes(lines.line(2)))
                .arg(troops)
                .arg(inQuotes(*read.summaryRow)));
    if (lines.count() >= 8) {
        const std::string_view line8 = lines.line(8);
        const auto fields = std::count(line8.begin(), line8.end(), ' ') + 1;
        if (fields != 7 && fields != 11)
            out.add(8, -1, kUnknownVersion,
                QStringLiteral("line 8 has %1 fields, neither 7 (version 0.90x) nor 11 (version 0.95x); "
                               "the editor takes the file for version 0.90x")
                    .arg(fields));
    }
    if (lines.count() >= 9 && !lines.line(9).empty() && !startsWith(lines.line(9), "trp_"))
        out.add(9, -1, kUnknownRecordLength,
            QStringLiteral("line 9 is neither empty (records of 7 lines) nor a troop's first line (records of 6 "
                           "lines); the editor takes records of 6 lines"));
}

// The length most records have (6 or 7), so that one record of another length is named as
// the odd one even when it is troop 0's, from which the editor takes the length.
int commonRecordLength(const std::vector<int>& starts, int editorLength)
{
    int six = 0;
    int seven = 0;
    for (size_t k = 1; k < starts.size(); ++k) {
        six += starts[k] - starts[k - 1] == 6;
        seven += starts[k] - starts[k - 1] == 7;
    }
    if (six == seven)
        return editorLength;
    return six > seven ? 6 : 7;
}

// One finding where the records stop being where their numbers put them: the record before
// has the wrong length, or something stands between the records.
void checkRecordPlaces(const std::vector<int>& starts, int lineCount, int linesPerTroop, FileFindings& out)
{
    int previousOffset = 0;
    for (size_t k = 0; k < starts.size(); ++k) {
        const int offset = starts[k] - recordStart(static_cast<int>(k), linesPerTroop);
        if (offset == previousOffset)
            continue;
        previousOffset = offset;
        if (k == 0) {
            out.add(starts[0], -1, kMisplaced,
                QStringLiteral("troop 0 begins at line %1, not at line 3 where the editor looks for it")
                    .arg(starts[0]));
            continue;
        }
        out.add(starts[k - 1], -1, kRecordLength,
            QStringLiteral("troop %1: the record is %2 lines long, not %3; the editor looks for the troops after it "
                           "in the wrong lines")
                .arg(k - 1)
                .arg(starts[k] - starts[k - 1])
                .arg(linesPerTroop));
    }
    if (starts.empty())
        return;
    const int last = lineCount - starts.back() + 1;
    // The empty line after the last record may be missing: the reader allows that.
    if (last != linesPerTroop && !(linesPerTroop == 7 && last == 6))
        out.add(starts.back(), -1, kRecordLength,
            QStringLiteral("troop %1: the record is %2 lines long, not %3")
                .arg(starts.size() - 1)
                .arg(last)
                .arg(linesPerTroop));
}

// Names a value of troop `k`.
ValueName troopValue(int k, QLatin1String item)
{
    return { "troop", k, item };
}

QLatin1String caption(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

void checkFirstLine(
    const Fields& fields, int n, int k, const TroopLayout& layout, const ModuleLists& lists, FileFindings& out)
{
    out.hasFields(fields, static_cast<size_t>(layout.line1Fields), n,
        troopValue(k, QLatin1String("the record's first line")), "identifier to upgrade path B");
    out.whole(fields, n, layout.flags, troopValue(k, QLatin1String("flag word")), 0, 2147483647);
    out.reference(fields, n, layout.faction, troopValue(k, QLatin1String("faction")), lists.factions);
    out.reference(fields, n, layout.upgradeA, troopValue(k, QLatin1String("upgrade path A")), lists.troops);
    out.reference(fields, n, layout.upgradeB, troopValue(k, QLatin1String("upgrade path B")), lists.troops);
}

void checkInventory(
    const Fields& fields, int n, int k, const TroopLayout& layout, const ModuleLists& lists, FileFindings& out)
{
    const ValueName what = troopValue(k, QLatin1String("item"));
    bool modifierNext = false; // with item modifiers, every second number is a slot's modifier
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty())
            continue;
        const bool modifier = modifierNext;
        modifierNext = layout.itemModifiers && !modifier;
        // Empty slots (-1) and the second number of a slot (0, or a modifier) name no item.
        if (modifier || fields[i] == "0" || fields[i] == "-1")
            continue;
        const auto item = out.whole(fields, n, static_cast<int>(i), what);
        if (item && *item > 0 && lists.items)
            out.inList(*item, n, static_cast<int>(i), what, *lists.items);
    }
}

template <size_t N>
void checkNumbers(const Fields& fields, int n, int k, const std::array<TroopControl, N>& boxes, int firstField,
    const char* lineName, const char* why, FileFindings& out)
{
    out.hasFields(fields, static_cast<size_t>(firstField) + N, n, troopValue(k, QLatin1String(lineName)), why);
    for (size_t b = 0; b < N; ++b)
        out.whole(fields, n, firstField + static_cast<int>(b), troopValue(k, caption(boxes[b].caption)));
}

void checkSkills(const Fields& fields, int n, int k, FileFindings& out)
{
    static constexpr std::array<const char*, 5> kWords { "skill word 0", "skill word 1", "skill word 2", "skill word 3",
        "skill word 4" };
    out.hasFields(fields, 5, n, troopValue(k, QLatin1String("the skill line")), "skill words 0 to 4");
    for (int word = 0; word < 5; ++word) {
        const auto value
            = out.unsignedOf(fields, n, word, troopValue(k, QLatin1String(kWords[static_cast<size_t>(word)])), 32);
        if (!value)
            continue;
        const std::string hex = decimalToHex8(*value);
        for (const TroopControl& box : kSkillBoxes) {
            if (box.word != word)
                continue;
            const char digit = hex[static_cast<size_t>(box.digit - 1)];
            if (digit <= 'A') // 0 to 9, or A for 10
                continue;
            out.add(n, word, kOutOfRange,
                QStringLiteral("%1 (digit %2 of skill word %3, field %3) is %4, above 10")
                    .arg(troopValue(k, caption(box.caption)).text())
                    .arg(box.digit)
                    .arg(word)
                    .arg(digit - 'A' + 10));
        }
    }
}

void checkFaces(const Fields& fields, int n, int k, FileFindings& out)
{
    static constexpr std::array<const char*, 4> kHalves { "face code 1 high half", "face code 1 low half",
        "face code 2 high half", "face code 2 low half" };
    out.hasFields(fields, 6, n, troopValue(k, QLatin1String("the face line")), "four face code halves from field 2");
    for (int h = 0; h < 4; ++h)
        out.unsignedOf(fields, n, h + 2, troopValue(k, QLatin1String(kHalves[static_cast<size_t>(h)])), 64);
}

} // namespace

void checkTroopLines(const LineArray& lines, const TroopFileRead& read, const ModuleLists& lists, FileFindings& out)
{
    std::vector<int> starts;
    for (int k = 1; k <= lines.count(); ++k) {
        if (startsWith(lines.line(k), "trp_"))
            starts.push_back(k);
    }
    checkHeadLines(lines, read, static_cast<int>(starts.size()), out);
    if (read.generation == FileGeneration::Later)
        out.add(1, -1, kLaterGeneration, laterGenerationFinding(lines));
    const TroopLayout& layout = troopLayout(read.generation);
    const int editorLength = read.linesPerTroop.value_or(6);
    const int linesPerTroop = commonRecordLength(starts, editorLength);
    if (linesPerTroop != editorLength && read.linesPerTroop)
        out.add(9, -1, kRecordLength,
            QStringLiteral("line 9 makes the editor take records of %1 lines, but the file's records are %2 lines long")
                .arg(editorLength)
                .arg(linesPerTroop));
    checkRecordPlaces(starts, lines.count(), linesPerTroop, out);

    const bool faces = read.gameVersion.value_or(QStringLiteral("0.90x")) == QStringLiteral("0.90x");
    for (size_t k = 0; k < starts.size(); ++k) {
        const int t = static_cast<int>(k);
        const int first = starts[k];
        // Lines of the next record or past the file's end are not this record's.
        const int end = std::min(first + linesPerTroop - 1, k + 1 < starts.size() ? starts[k + 1] - 1 : lines.count());
        auto fieldsOf = [&](int recordLine) { return cutFields(lines.line(first + recordLine - 1)); };
        checkFirstLine(fieldsOf(1), first, t, layout, lists, out);
        if (first + 1 <= end)
            checkInventory(fieldsOf(2), first + 1, t, layout, lists, out);
        if (first + 2 <= end)
            checkNumbers(fieldsOf(3), first + 2, t, kAttributeBoxes, 2, "the attribute line", "STR to Level", out);
        if (first + 3 <= end)
            checkNumbers(
                fieldsOf(4), first + 3, t, kProficiencyBoxes, 1, "the proficiency line", "1h Weapon to Firearms", out);
        if (first + 4 <= end)
            checkSkills(fieldsOf(5), first + 4, t, out);
        if (faces && first + 5 <= end)
            checkFaces(fieldsOf(6), first + 5, t, out);
    }
}

QString laterGenerationFinding(const LineArray& lines)
{
    return QStringLiteral("the head %1 names a later generation of the file than the editor knows: it reads the "
                          "file in the older layout and refuses to write it")
        .arg(inQuotes(lines.line(1)));
}

} // namespace mw
