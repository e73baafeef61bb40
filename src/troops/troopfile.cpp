// The troops.txt reader: one pass over the lines in memory, cutting only what it needs.
#include "troops/troopfile.h"

#include "core/fields.h"
#include "core/textfiles.h"
#include "troops/troopformat.h"
#include "troops/trooplayout.h"

#include <algorithm>

namespace mw {
namespace {

QString lineWhere(int line)
{
    return QStringLiteral("line %1 of %2").arg(line).arg(kTroopsFile);
}

std::optional<QString> versionOfLine8(std::string_view line, std::vector<Message>& messages)
{
    const auto fields = std::count(line.begin(), line.end(), ' ') + 1;
    if (fields == 7)
        return QStringLiteral("0.90x");
    if (fields == 11)
        return QStringLiteral("0.95x");
    messages.push_back({ QStringLiteral("Line 8 is in an unknown format, Varnholt version 0.90x will be used."),
        MessageIcon::Warning });
    return QStringLiteral("0.90x");
}

int recordLengthOfLine9(std::string_view line, std::vector<Message>& messages)
{
    if (line.empty())
        return 7;
    if (!startsWith(line, "trp_"))
        messages.push_back({ QStringLiteral("Line 9 is an unknown format, 6 lines of troop information will be used."),
            MessageIcon::Warning });
    return 6;
}

// The record's id (field 0) and singular name (field 1), without cutting the whole line.
struct IdAndName {
    std::string_view id;
    std::string_view name;
};

IdAndName idAndName(std::string_view line, int lineNumber)
{
    const size_t first = line.find(' ');
    if (first == std::string_view::npos)
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: %1 has no field 1 (the troop's name)").arg(lineWhere(lineNumber)));
    const size_t second = line.find(' ', first + 1);
    const size_t nameEnd = second == std::string_view::npos ? line.size() : second;
    return { line.substr(0, first), line.substr(first + 1, nameEnd - first - 1) };
}

QString troopList(const std::vector<int>& troops)
{
    constexpr size_t kShown = 5;
    QString text = troops.size() == 1 ? QStringLiteral("troop ") : QStringLiteral("troops ");
    for (size_t k = 0; k < std::min(troops.size(), kShown); ++k) {
        if (k)
            text += QStringLiteral(", ");
        text += QString::number(troops[k]);
    }
    if (troops.size() > kShown)
        text += QStringLiteral(", ...");
    return text;
}

// Records are found by arithmetic alone, so a file with a record of the wrong length shows
// and updates the wrong lines from there on. One warning names where that begins.
std::optional<Message> irregularRecordsWarning(const std::vector<int>& troopLines, int lineCount, int linesPerTroop)
{
    std::vector<int> misplaced;
    for (size_t k = 0; k < troopLines.size(); ++k) {
        if (troopLines[k] != recordStart(static_cast<int>(k), linesPerTroop))
            misplaced.push_back(static_cast<int>(k));
    }
    if (!misplaced.empty())
        return Message { QStringLiteral("%1 has records that are not where their troop number puts them (%2). "
                                        "Such troops cannot be updated; check the file's record lengths.")
                             .arg(kTroopsFile, troopList(misplaced)),
            MessageIcon::Warning };
    if (linesPerTroop != 6 && linesPerTroop != 7)
        return std::nullopt; // no record length known yet: only troop 0's place can be checked
    const int troops = static_cast<int>(troopLines.size());
    const int expected = 2 + troops * linesPerTroop;
    const bool lastEmptyLineMissing = linesPerTroop == 7 && troops > 0 && lineCount == expected - 1;
    if (lineCount == expected || lastEmptyLineMissing)
        return std::nullopt;
    return Message { QStringLiteral("%1 has %2 lines, but %3 troops of %4 lines each take %5. "
                                    "Check the file's record lengths.")
                         .arg(kTroopsFile)
                         .arg(lineCount)
                         .arg(troops)
                         .arg(linesPerTroop)
                         .arg(expected),
        MessageIcon::Warning };
}

// The member and upgrade lists over the troop list's rows, troop 0 standing for no troop.
void addChoiceLists(TroopFileRead& read)
{
    read.memberEntries = read.troopEntries;
    read.upgradeEntries = read.troopEntries;
    read.upgradeEntries.format
        = [](int troop, const QString& name, const QString&) { return upgradeEntryText(troop, name); };
    read.upgradeEntries.idShown = false;
    if (!read.troopEntries.isEmpty()) {
        read.memberEntries.fixed.insert(0, kNoTroopEntry);
        read.upgradeEntries.fixed.insert(0, kNoTroopEntry);
    }
}

} // namespace

QString troopEntryText(int troop, const QString& singleName, const QString& id)
{
    return QString::number(troop) + QStringLiteral(" - ") + singleName + QStringLiteral(" (") + id + QLatin1Char(')');
}

QString upgradeEntryText(int troop, const QString& singleName)
{
    return QString::number(troop) + QStringLiteral(" - ") + singleName;
}

FileGeneration troopGeneration(const LineArray& lines)
{
    if (lines.empty())
        return FileGeneration::Described;
    const std::string_view line3 = lines.count() >= 3 ? lines.line(3) : std::string_view();
    const bool newerRecords
        = startsWith(line3, "trp_") && std::count(line3.begin(), line3.end(), ' ') == kNewerTroops.line1Fields - 1;
    return generationOf(lines.line(1), "troopsfile", 2, newerRecords);
}

TroopFileRead readTroopFile(const LineArray& lines, int previousLinesPerTroop)
{
    TroopFileRead read;
    read.generation = troopGeneration(lines);
    read.troopEntries.bytes = lines.bytes();
    read.troopEntries.codec = lines.codec();
    read.troopEntries.format = troopEntryText;
    read.troopEntries.rows.reserve(lines.count() / 6); // a troop takes six or seven lines
    std::vector<int> troopLines; // the line number of every "trp_" line, in file order
    try {
        const int count = std::min(lines.count(), kMaxLines);
        for (int k = 1; k <= count; ++k) {
            const std::string_view line = lines.line(k);
            if (k == 8)
                read.gameVersion = versionOfLine8(line, read.messages);
            else if (k == 9)
                read.linesPerTroop = recordLengthOfLine9(line, read.messages);
            if (!startsWith(line, "trp_"))
                continue;
            const IdAndName fields = idAndName(line, k);
            troopLines.push_back(k);
            read.troopEntries.add(fields.name, fields.id);
        }
        if (lines.count() > kMaxLines)
            throw ModError(
                kErrOverflow, QStringLiteral("Overflow: %1 has more than %2 lines").arg(kTroopsFile).arg(kMaxLines));
        if (lines.count() < 2)
            throw ModError(kErrSubscript,
                QStringLiteral("Subscript out of range: %1 has %2 line(s); line 2, the "
                               "summary row, is missing")
                    .arg(kTroopsFile)
                    .arg(lines.count()));
    } catch (const ModError& error) {
        read.error = error;
        addChoiceLists(read);
        return read;
    }
    addChoiceLists(read);

    const int troops = static_cast<int>(troopLines.size());
    const std::string expectedSummary = std::to_string(troops) + ' ';
    const std::string_view summary = lines.line(2);
    if (summary != expectedSummary) {
        read.messages.push_back(
            { QString::number(troops) + QStringLiteral(" troops exist in this file but the summary row has ")
                    + decodeText(summary, lines.codec())
                    + QStringLiteral("\r\nThis value will be updated when a new file is saved."),
                MessageIcon::Information });
        read.summaryRow = expectedSummary;
    }

    const int linesPerTroop = read.linesPerTroop.value_or(previousLinesPerTroop);
    if (auto warning = irregularRecordsWarning(troopLines, lines.count(), linesPerTroop))
        read.messages.push_back(std::move(*warning));
    return read;
}

} // namespace mw
