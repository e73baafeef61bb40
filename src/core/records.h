// What the three record editors share: the sizes of the choice lists a record's numbers
// point into, the lines a rebuild replaces, and the encoder that turns a panel's texts
// into a line's bytes.
#pragma once

#include "core/textcodec.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace mw {

// How many entries each choice list holds; a stored position must fall within its list.
struct ChoiceCounts {
    int items = 0; // cmbItems: item n at position n - 1
    int factions = 0; // the three faction lists
    int upgrades = 0; // cmbUpgradePathA/B
    int members = 0; // the six cmbPTTroops
    int templates = 0; // cmbPTemplates
};

// What the panel holds, as its last display left it: only a record shown whole can be
// rebuilt from the panel; any other rebuild would write a mixture of records or lose values.
struct PanelHolds {
    int record = -1; // the record shown last; -1 after a load
    QString problem; // why the panel does not hold that record whole; empty when it does
};

// Why a rebuild of record `k` must be refused because of what the panel holds, if it must.
std::optional<QString> notHeld(const PanelHolds& holds, int k);

struct ReplacedLine {
    int line = 0; // 1-based line number in the record's file
    std::string bytes; // the new line, in the file's encoding
    bool operator==(const ReplacedLine&) const = default;
};

// Encodes the texts of one rebuild. The first text that cannot be stored is remembered
// with its box and the reason; what is returned for it (and for any later one) is empty,
// and the rebuild must then refuse.
class TextEncoder {
public:
    enum class Problem { SplitsFields, NotEncodable };
    struct Failure {
        QString box;
        Problem problem;
    };

    // With `wholeFields`, a space or line break, which would split the line's fields, is
    // refused as well.
    TextEncoder(TextCodec codec, bool wholeFields)
        : codec_(codec)
        , wholeFields_(wholeFields)
    {
    }

    std::string operator()(const QString& text, const QString& box);
    const std::optional<Failure>& failure() const { return failure_; }

private:
    TextCodec codec_;
    bool wholeFields_;
    std::optional<Failure> failure_;
};

} // namespace mw
