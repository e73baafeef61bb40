// Template personalities: the choices of cmbPTPersonality, the number each one stands for,
// and the courage, aggressiveness and banditness the panel shows for it. A number is
// 256 * banditness + 16 * aggressiveness + courage, courage and aggressiveness 0 to 15.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace mw {

inline const QString kPersonalitySoldier = QStringLiteral("Soldier");
inline const QString kPersonalityMerchant = QStringLiteral("Merchant");
inline const QString kPersonalityEscortedMerchant = QStringLiteral("Escorted Merchant");
inline const QString kPersonalityBandit = QStringLiteral("Bandit");
inline const QString kPersonalityNone = QStringLiteral("None");
inline const QString kPersonalityOther = QStringLiteral("Other (keep current value)");
// The user's own combination of the three detail values.
inline const QString kPersonalityCustom = QStringLiteral("Custom");

// The entries of cmbPTPersonality, in the order the list shows them.
QStringList personalityChoices();

// The choice that shows a stored number: a named choice, or Other for any other number.
QString personalityChoiceFor(int32_t number);

// The number a named choice writes. Nothing for Other, Custom and any unknown text.
std::optional<int32_t> namedPersonalityNumber(const QString& choice);

struct PersonalityDetails {
    int courage = 0;
    int aggressiveness = 0;
    bool banditness = false;
    bool operator==(const PersonalityDetails&) const = default;
};

// What the detail controls show, disabled, for every choice but Custom (Other shows zeros).
// Nothing for Custom and any unknown text.
std::optional<PersonalityDetails> fixedPersonalityDetails(const QString& choice);

// Where Custom starts: the parts of a stored number from 0 to 511, otherwise zeros.
PersonalityDetails personalityParts(std::optional<int32_t> stored);

int32_t composePersonality(const PersonalityDetails& details);

} // namespace mw
