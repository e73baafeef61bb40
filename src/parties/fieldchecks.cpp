// Box checks of the party panels.
#include "parties/fieldchecks.h"

#include "core/numbers.h"
#include "parties/partytexts.h"

namespace mw {

QString underscoreSpaces(QString text)
{
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString zeroIfEmpty(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

bool partiesMenuAccepted(const QString& text)
{
    // A character beyond Latin-1 cannot be part of a number; toLatin1 would turn it into '?'.
    for (QChar ch : text)
        if (ch.unicode() > 0x7F)
            return false;
    const QByteArray bytes = text.toLatin1();
    const auto value = readNumber(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return value && *value >= 0;
}

Message refusalMessage(const QString& text)
{
    return { text, MessageIcon::Warning };
}

Message refusalMessage(const TextEncoder::Failure& failure, const QString& fileName)
{
    const QString reason = failure.problem == TextEncoder::Problem::SplitsFields
        ? QStringLiteral("it holds a space or a line break, which would split the line's fields")
        : QStringLiteral("it holds a character that the file's Latin-1 encoding cannot store");
    return refusalMessage(unstorableTextMessage(failure.box, fileName, reason));
}

} // namespace mw
