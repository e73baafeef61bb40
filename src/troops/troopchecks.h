// The troop panel's focus-lost rules as functions on the box's text, and the warning
// shown when a troop is made undead.
#pragma once

#include "core/messages.h"

#include <QString>
#include <optional>

namespace mw {

// Numeric boxes: an empty box becomes "0".
QString checkedNumberText(const QString& text);

// Face boxes: an empty box becomes "0x" and 32 zeros.
QString checkedFaceText(const QString& text);

// Identifier and name boxes: every space becomes "_".
QString checkedNameText(const QString& text);

struct SkillCheck {
    QString text; // what the box holds afterwards
    std::optional<Message> message; // set when the value is refused: the focus goes back
};
// Skill boxes: empty becomes "0"; otherwise a number from 0 to 10 (fractions too) passes.
SkillCheck checkSkillText(const QString& text);

Message undeadWarning();

} // namespace mw
