// Checking a whole module folder without a window: the five files are read with the
// editor's own readers, and every problem found in them that would stop, mislead or lose
// data in the editor becomes one finding. Nothing is ever written.
#pragma once

#include <QString>
#include <vector>

namespace mw {

struct Finding {
    QString file; // the module file's name ("troops.txt"); empty for the folder itself
    int line = 0; // 1-based; 0 stands for the whole file
    int field = -1; // 0-based field of the line cut at single spaces; -1 for none
    QString code; // the kind of problem, one of the codes below
    QString message;
    bool operator==(const Finding&) const = default;
};

// The kinds of problem, stable for scripts.
namespace findingcode {
inline const QString kMissingFile = QStringLiteral("missing-file");
inline const QString kUnreadable = QStringLiteral("unreadable");
inline const QString kTooManyLines = QStringLiteral("too-many-lines");
inline const QString kSummaryRow = QStringLiteral("summary-row");
inline const QString kUnknownVersion = QStringLiteral("unknown-version");
inline const QString kUnknownRecordLength = QStringLiteral("unknown-record-length");
inline const QString kRecordLength = QStringLiteral("record-length");
inline const QString kMisplaced = QStringLiteral("misplaced");
inline const QString kShortLine = QStringLiteral("short-line");
inline const QString kMemberLayout = QStringLiteral("member-layout");
inline const QString kNotANumber = QStringLiteral("not-a-number");
inline const QString kOutOfRange = QStringLiteral("out-of-range");
inline const QString kPastList = QStringLiteral("past-list");
inline const QString kReadError = QStringLiteral("read-error");
inline const QString kLaterGeneration = QStringLiteral("later-generation");
} // namespace findingcode

struct ModuleCheck {
    std::vector<Finding> findings; // file by file in the editor's reading order, by line
    bool unreadable = false; // the folder, or a file in it, could not be read
    // What the editor's lists hold, for the summary: troops, items that can be carried
    // (item 0 has no entry), faction lines (besides the fixed faction 0), templates, parties.
    int troops = 0, items = 0, factions = 0, templates = 0, parties = 0;
};

// `folder` is a path as the user gave it.
ModuleCheck checkModule(const QString& folder);

// 0 when the module is sound, 1 when problems were found, 2 when it could not be read.
int exitCodeOf(const ModuleCheck& check);

} // namespace mw
