// The personality table.
#include "parties/personality.h"

#include <array>

namespace mw {
namespace {

struct NamedPersonality {
    const QString& choice;
    int32_t number;
    PersonalityDetails details;
};

// In the order a stored number is tested when a template is shown.
const std::array<NamedPersonality, 5>& namedPersonalities()
{
    static const std::array<NamedPersonality, 5> table = { {
        { kPersonalityMerchant, 7, { 7, 0, false } },
        { kPersonalityEscortedMerchant, 11, { 11, 0, false } },
        { kPersonalitySoldier, 137, { 9, 8, false } },
        { kPersonalityBandit, 312, { 8, 3, true } },
        { kPersonalityNone, 0, { 0, 0, false } },
    } };
    return table;
}

} // namespace

QStringList personalityChoices()
{
    return { kPersonalitySoldier, kPersonalityMerchant, kPersonalityEscortedMerchant, kPersonalityBandit,
        kPersonalityNone, kPersonalityOther, kPersonalityCustom };
}

QString personalityChoiceFor(int32_t number)
{
    for (const auto& named : namedPersonalities())
        if (named.number == number)
            return named.choice;
    return kPersonalityOther;
}

std::optional<int32_t> namedPersonalityNumber(const QString& choice)
{
    for (const auto& named : namedPersonalities())
        if (named.choice == choice)
            return named.number;
    return std::nullopt;
}

std::optional<PersonalityDetails> fixedPersonalityDetails(const QString& choice)
{
    for (const auto& named : namedPersonalities())
        if (named.choice == choice)
            return named.details;
    if (choice == kPersonalityOther)
        return PersonalityDetails {};
    return std::nullopt;
}

PersonalityDetails personalityParts(std::optional<int32_t> stored)
{
    if (!stored || *stored < 0 || *stored > 511)
        return {};
    return { *stored % 16, (*stored / 16) % 16, *stored / 256 == 1 };
}

int32_t composePersonality(const PersonalityDetails& details)
{
    return 256 * (details.banditness ? 1 : 0) + 16 * details.aggressiveness + details.courage;
}

} // namespace mw
