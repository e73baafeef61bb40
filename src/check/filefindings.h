// Collecting the findings of one module file, and reading the numbers of its fields as the
// editor reads them: a field that is not such a number becomes a finding instead of an error.
#pragma once

#include "check/modulecheck.h"
#include "core/numbers.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace mw {

using Fields = std::vector<std::string_view>;

// One of the editor's lists that a stored number points into. -1 stands for "none" and is
// always accepted, as the editor accepts it.
struct ListRange {
    QString name; // "faction list"
    QString unit; // "factions"
    int first = 0;
    int last = -1;
};

// Names a value for a finding's message; the text is made only when there is a finding:
// "<noun> <record>: <item>" ("troop 3: flag word"), with "member <n> " before the item of a
// template's member entry ("template 2: member 5 troop").
struct ValueName {
    const char* noun;
    int record;
    QLatin1String item;
    int member = -1;
    QString text() const;
};

// The lists a module's records point into; one is absent when its file was not read whole.
struct ModuleLists {
    std::optional<ListRange> troops, items, factions, templates;
};

class FileFindings {
public:
    explicit FileFindings(QString file)
        : file_(std::move(file))
    {
    }

    void add(int line, int field, const QString& code, const QString& message);
    bool empty() const { return findings_.empty(); }
    std::vector<Finding> take() { return std::move(findings_); }

    // A short line: `what` names the line ("template 4: the line") and `why` what the fields
    // are needed for; true when it has enough.
    bool hasFields(const Fields& fields, size_t needed, int line, const ValueName& what, const char* why);

    // A whole number from min to max in field `field`; nothing (and a finding) when it is not
    // one. A field the line does not have gives nothing, and no finding.
    std::optional<int32_t> whole(const Fields& fields, int line, int field, const ValueName& what,
        int32_t min = std::numeric_limits<int32_t>::min(), int32_t max = std::numeric_limits<int32_t>::max());

    // A non-negative whole number of at most `bits` bits.
    std::optional<uint128> unsignedOf(const Fields& fields, int line, int field, const ValueName& what, int bits);

    // A position in `list` (or -1 for none); nothing is checked against a list that is unknown.
    void reference(
        const Fields& fields, int line, int field, const ValueName& what, const std::optional<ListRange>& list);

    // The value against `list` alone, for callers that read the number themselves.
    void inList(int32_t value, int line, int field, const ValueName& what, const ListRange& list);

private:
    QString file_;
    std::vector<Finding> findings_;
};

} // namespace mw
