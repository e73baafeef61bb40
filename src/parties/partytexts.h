// The texts the two party panels show: list entries and every message of their handlers.
#pragma once

#include "core/messages.h"
#include "core/modulefiles.h"

#include <QString>
#include <QStringList>

namespace mw {

inline const QString kSelectTemplateMessage = QStringLiteral("Please select a party template from the list");
inline const QString kSelectPartyMessage = QStringLiteral("Please select a party from the list");
inline const QString kUnknownTemplateLineMessage = QStringLiteral("unknown line in party_templates.txt");
inline const QString kUnknownPersonalityMessage
    = QStringLiteral("Unknown personality in combo box, value will not be changed");
inline const QString kUnknownPersonalityChoiceMessage = QStringLiteral("unknown value in Personality combo box!");
inline const QString kPartiesMenuMessage = QStringLiteral("Parties Menu must be 0 or greater!");

// "<k> - <name> (<id>)": how the template and party lists show record k.
QString recordEntryText(int k, const QString& name, const QString& id);

// "Information on <name> (<id>) has been updated."
QString updatedMessage(const QString& name, const QString& id);

// Why an update left a record alone because its line is not where the list says it is.
QString notARecordLineMessage(int lineNumber, const QString& fileName, const QString& expectedStart);

// Why an update left a record alone because the panel does not hold it whole: `kind` is
// "template" or "party".
QString notHeldMessage(const QString& kind, int k, const QString& problem);

// For the fields (named as "field 8 of line 5 of parties.txt") whose numbers the panel
// cannot keep, if any: the warning a display gives once, and the problem that keeps the
// record from being updated. `kind` is "template" or "party".
void noteUncarried(const QString& kind, const QStringList& fields, Outcome& outcome, QString& problem);

// Why an update left a record alone because a box's text cannot go into the file; `box`
// names it as "the ID box" or "the Min box in row 3".
QString unstorableTextMessage(const QString& box, const QString& fileName, const QString& reason);

} // namespace mw
