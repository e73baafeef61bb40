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

std::string storableText(const QString& text, const QString& box, TextCodec codec, const QString& fileName)
{
    for (QChar ch : text)
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            throw UpdateRefusal { unstorableTextMessage(box, fileName,
                QStringLiteral("it holds a space or a line break, which would split the line's fields")) };
    auto bytes = encodeText(text, codec);
    if (!bytes)
        throw UpdateRefusal { unstorableTextMessage(
            box, fileName, QStringLiteral("it holds a character that the file's Latin-1 encoding cannot store")) };
    return std::move(*bytes);
}

} // namespace mw
