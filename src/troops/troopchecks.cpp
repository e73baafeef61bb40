// The troop field checks.
#include "troops/troopchecks.h"

#include "core/numbers.h"

namespace mw {

QString checkedNumberText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString checkedFaceText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0x") + QString(32, QLatin1Char('0')) : text;
}

QString checkedNameText(const QString& text)
{
    QString checked = text;
    return checked.replace(QLatin1Char(' '), QLatin1Char('_'));
}

SkillCheck checkSkillText(const QString& text)
{
    if (text.isEmpty())
        return { QStringLiteral("0"), std::nullopt };
    const auto value = readNumber(text.toStdString());
    if (value && *value >= 0 && *value <= 10)
        return { text, std::nullopt };
    return { text, Message { QStringLiteral("Skill value must be between 0 and 10"), MessageIcon::Critical } };
}

Message undeadWarning()
{
    return { QStringLiteral("Making a troop undead may cause the game to crash unless you modify the module.ini to "
                            "have the following line: \r\n     limit_hair_colors = 0"),
        MessageIcon::Information };
}

} // namespace mw
