// The checks of party_templates.txt, parties.txt and the two catalogues' entry lines.
#include "check/filechecks.h"

#include "core/fields.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"

#include <algorithm>

namespace mw {
namespace {

using namespace findingcode;

constexpr int kMemberSlots = 6;
constexpr int kFirstMemberField = 6;

// Records found by position alone: one finding where the k-th record stops standing at the
// line its number gives, naming the record as `noun` ("template").
class PlaceCheck {
public:
    explicit PlaceCheck(QString noun)
        : noun_(std::move(noun))
    {
    }

    void record(int k, int line, int expected, FileFindings& out)
    {
        if (line - expected == offset_)
            return;
        offset_ = line - expected;
        out.add(line, -1, kMisplaced,
            QStringLiteral("%1 %2 is at line %3, not at line %4 where the editor looks for it")
                .arg(noun_)
                .arg(k)
                .arg(line)
                .arg(expected));
    }

private:
    QString noun_;
    int offset_ = 0;
};

QString templateName(int k)
{
    return QStringLiteral("template %1").arg(k);
}

ValueName templateValue(int k, const char* item, int member = -1)
{
    return { "template", k, QLatin1String(item), member };
}

// The six member entries, read from the end of the line as the template panel reads them:
// each entry's last field is its flag, -1 for an empty slot (one field) or 0/1 for a troop
// with its two counts (four fields). They must meet the front fields at field 6.
void checkMembers(const Fields& fields, int n, int k, const ModuleLists& lists, FileFindings& out)
{
    if (!fields.back().empty()) {
        out.add(n, -1, kMemberLayout,
            templateName(k) + QStringLiteral(": the line does not end with a space after its last member entry"));
        return;
    }
    const QString noRoom = QStringLiteral(": the six member entries do not fit after field 5");
    int c = static_cast<int>(fields.size()) - 1;
    for (int s = kMemberSlots - 1; s >= 0; --s) {
        if (c - 1 < kFirstMemberField) {
            out.add(n, -1, kMemberLayout, templateName(k) + noRoom);
            return;
        }
        const auto flag = out.whole(fields, n, c - 1, templateValue(k, "flag", s));
        if (!flag)
            return;
        if (*flag != -1 && *flag != 0 && *flag != 1) {
            out.add(n, c - 1, kMemberLayout,
                QStringLiteral("%1 (field %2) is %3, not -1 (empty), 0 or 1 (prisoner)")
                    .arg(templateValue(k, "flag", s).text())
                    .arg(c - 1)
                    .arg(*flag));
            return;
        }
        const int size = *flag == -1 ? 1 : 4;
        if (c - size < kFirstMemberField) {
            out.add(n, -1, kMemberLayout, templateName(k) + noRoom);
            return;
        }
        if (size == 4) {
            out.reference(fields, n, c - 4, templateValue(k, "troop", s), lists.troops);
            out.whole(fields, n, c - 3, templateValue(k, "minimum", s));
            out.whole(fields, n, c - 2, templateValue(k, "maximum", s));
        }
        c -= size;
    }
    if (c != kFirstMemberField)
        out.add(n, kFirstMemberField, kMemberLayout,
            QStringLiteral("%1: fields 6 to %2 belong to no member entry; an update would drop them")
                .arg(templateName(k))
                .arg(c - 1));
}

void checkTemplate(const Fields& fields, int n, int k, const ModuleLists& lists, FileFindings& out)
{
    // Six front fields, six empty member entries at the least, and the empty last field.
    const bool whole = out.hasFields(fields, kFirstMemberField + kMemberSlots + 1, n, templateValue(k, "the line"),
        "six fields, six member entries and a space at the end");
    out.whole(fields, n, 3, templateValue(k, "menu"));
    out.reference(fields, n, 4, templateValue(k, "faction"), lists.factions);
    out.whole(fields, n, 5, templateValue(k, "personality"));
    if (whole)
        checkMembers(fields, n, k, lists, out);
}

void checkParty(
    const Fields& fields, int n, int k, const PartyLayout& layout, const ModuleLists& lists, FileFindings& out)
{
    const auto party = [k](const char* item) { return ValueName { "party", k, QLatin1String(item) }; };
    const QByteArray upTo = QStringLiteral("up to the faction in field %1").arg(layout.faction).toLatin1();
    out.hasFields(fields, static_cast<size_t>(layout.faction) + 1, n, party("the line"), upTo.constData());
    out.whole(fields, n, layout.menu, party("menu"), 0);
    out.reference(fields, n, layout.partyTemplate, party("template"), lists.templates);
    out.reference(fields, n, layout.faction, party("faction"), lists.factions);
}

} // namespace

void checkCatalogLines(
    const LineArray& lines, std::string_view prefix, int firstNumber, const char* entryWord, FileFindings& out)
{
    int number = firstNumber;
    for (int n = 1; n <= lines.count(); ++n) {
        const std::string_view line = lines.line(n);
        if (!startsWith(line, prefix))
            continue;
        // Item 0 gets no entry, so its line is never cut.
        if (number > 0)
            out.hasFields(cutFields(line), 3, n, ValueName { entryWord, number, QLatin1String("the line") },
                "identifier in field 1, name in field 2");
        ++number;
    }
}

void checkTemplateLines(const LineArray& lines, const ModuleLists& lists, FileFindings& out)
{
    PlaceCheck places(QStringLiteral("template"));
    int k = 0;
    for (int n = 1; n <= lines.count(); ++n) {
        const std::string_view line = lines.line(n);
        if (!isTemplateLine(line))
            continue;
        places.record(k, n, templateLineNumber(k), out);
        checkTemplate(cutFields(line), n, k, lists, out);
        ++k;
    }
}

void checkPartyLines(const LineArray& lines, FileGeneration generation, const ModuleLists& lists, FileFindings& out)
{
    if (generation == FileGeneration::Later)
        out.add(1, -1, findingcode::kLaterGeneration, laterGenerationFinding(lines));
    const PartyLayout& layout = partyLayout(generation);
    PlaceCheck places(QStringLiteral("party"));
    int k = 0;
    for (int n = 1; n <= lines.count(); ++n) {
        const std::string_view line = lines.line(n);
        if (!layout.isPartyLine(line))
            continue;
        places.record(k, n, partyLineNumber(k), out);
        checkParty(cutFields(line), n, k, layout, lists, out);
        ++k;
    }
}

} // namespace mw
