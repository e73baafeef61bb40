// Every value a shown record gives its panel, as one text: two shows agree when these do.
// Shared by the round trip and the record fuzz target.
#pragma once

#include "parties/partyrecord.h"
#include "parties/templateshow.h"
#include "troops/troopshow.h"

#include <QStringList>
#include <type_traits>

namespace mw::test {

template <typename T> QString text(const std::optional<T>& value)
{
    if (!value)
        return QStringLiteral("-");
    if constexpr (std::is_same_v<T, QString>)
        return *value;
    else
        return QString::number(*value);
}

// Every value a shown record gives the panel, as one text.
inline QString values(const TroopShown& s)
{
    QStringList out { text(s.id), text(s.name1), text(s.name2), text(s.faction), text(s.upgradeA), text(s.upgradeB),
        text(s.gender), text(s.face1), text(s.face2) };
    for (int state : s.flagStates.value_or(std::array<int, kFlagBoxes.size()> {}))
        out << QString::number(state);
    for (int item : s.items.value_or(std::vector<int> {}))
        out << QString::number(item);
    for (const QString& modifier : s.modifiers)
        out << modifier;
    for (const auto& v : s.attributes)
        out << text(v);
    for (const auto& v : s.proficiencies)
        out << text(v);
    for (const auto& v : s.skills)
        out << text(v);
    return out.join('|');
}

inline QString values(const TemplateShown& s)
{
    QStringList out { text(s.id), text(s.name), text(s.menu), text(s.faction), text(s.personality) };
    for (const auto& m : s.members)
        out << (m ? QStringLiteral("%1 %2 %3 %4").arg(m->troop).arg(m->min, m->max).arg(m->prisoner) : "-");
    return out.join('|');
}

inline QString values(const PartyShown& s)
{
    return QStringList { text(s.id), text(s.name), text(s.menu), text(s.partyTemplate), text(s.faction) }.join('|');
}

} // namespace mw::test
