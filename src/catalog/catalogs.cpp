// Entry texts of the item and faction catalogues, made from their files' lines.
#include "catalog/catalogs.h"

#include "core/modulefiles.h"

#include "core/fields.h"
#include "core/leadingfields.h"

#include <limits>

namespace mw {
namespace {

constexpr int kMaxNumber = std::numeric_limits<int16_t>::max();

// Fields 0 to 2 of a catalogue line that must name an identifier (field 1) and a display
// name (field 2).
LeadingFields<3> entryFields(std::string_view line, int lineNumber, const QString& file)
{
    const auto fields = leadingFields<3>(line);
    if (fields.count < 3)
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: line %1 of %2 has %3 fields, "
                           "at least 3 are needed (identifier in field 1, name in field 2)")
                .arg(lineNumber)
                .arg(file)
                .arg(static_cast<qulonglong>(fields.count)));
    return fields;
}

void requireNumberInRange(int number, int lineNumber, const QString& file, const QString& what)
{
    if (number > kMaxNumber)
        throw ModError(kErrOverflow,
            QStringLiteral("Overflow: line %1 of %2 would be %3 number %4, above %5")
                .arg(lineNumber)
                .arg(file)
                .arg(what)
                .arg(number)
                .arg(kMaxNumber));
}

// Runs `eachLine` over the lines in order; a failure ends the reading and is kept in
// `read` together with the entries made before it.
template <typename EachLine> void readCatalogLines(const LineArray& lines, CatalogRead& read, EachLine&& eachLine)
{
    try {
        for (int k = 1; k <= lines.count(); ++k)
            eachLine(k, lines.line(k));
    } catch (const ModError& error) {
        read.error = error;
    }
}

QString fixedFactionEntry(const QString& gameVersion, std::vector<Message>& messages)
{
    if (gameVersion == QStringLiteral("0.95x"))
        return QStringLiteral("0 - No_Faction");
    if (gameVersion != QStringLiteral("0.90x"))
        messages.push_back({ QStringLiteral("unknown version ") + gameVersion
                + QStringLiteral(", Varnholt version 0.90x will be used."),
            MessageIcon::None });
    return QStringLiteral("0 - Player_Faction");
}

QString itemEntryText(int n, const QString& name, const QString& id)
{
    return QString::number(n) + QStringLiteral(" - ") + name + QStringLiteral("  (") + id + QLatin1Char(')');
}

QString factionEntryText(int n, const QString& name, const QString&)
{
    return QString::number(n) + QStringLiteral(" - ") + name;
}

// Rows over the catalogue's own bytes, which the list keeps.
EntryRows rowsOver(const LineArray& lines, EntryRows::Format format, int firstNumber)
{
    EntryRows rows;
    rows.bytes = lines.bytes();
    rows.codec = lines.codec();
    rows.format = format;
    rows.firstNumber = firstNumber;
    return rows;
}

} // namespace

CatalogRead readItemCatalog(const LineArray& itemLines)
{
    const QString& file = kItemsFile;
    CatalogRead read;
    read.entries = rowsOver(itemLines, itemEntryText, 1);
    read.entries.rows.reserve(itemLines.count() / 2); // an item takes two lines
    int n = 0;
    readCatalogLines(itemLines, read, [&](int k, std::string_view line) {
        if (!startsWith(line, " itm_"))
            return;
        // Item 0 stands for "no item" and gets no entry, so its line is not read.
        if (n > 0) {
            requireNumberInRange(n, k, file, QStringLiteral("item"));
            const auto fields = entryFields(line, k, file);
            read.entries.add(fields.field[2], fields.field[1]);
        }
        ++n;
    });
    return read;
}

CatalogRead readFactionCatalog(const LineArray& factionLines, const QString& gameVersion)
{
    const QString& file = kFactionsFile;
    CatalogRead read;
    read.entries = rowsOver(factionLines, factionEntryText, 0);
    read.entries.idShown = false;
    read.entries.addFixed(fixedFactionEntry(gameVersion, read.messages));
    int n = 1;
    readCatalogLines(factionLines, read, [&](int k, std::string_view line) {
        if (!startsWith(line, "0 fac_"))
            return;
        requireNumberInRange(n, k, file, QStringLiteral("faction"));
        const auto fields = entryFields(line, k, file);
        read.entries.add(fields.field[2], fields.field[2].substr(0, 0));
        ++n;
    });
    return read;
}

QString itemNumberOfEntry(const QString& entry)
{
    if (entry.isEmpty())
        return QStringLiteral("-1");
    return entry.left(entry.indexOf(QStringLiteral(" - ")));
}

} // namespace mw
