// The codec procedures as the window calls them: each reports its own failure with the
// "Error #" message and gives an empty text, so no error reaches the caller.
#include "codec/hexcodec.h"

namespace mw {

QString Dec2Hex(MessageService& messages, std::string_view decimalText)
{
    QString hex;
    runReported(messages,
        [&] { hex = QString::fromLatin1(decimalToHex8(decimalText, QStringLiteral("value given to Dec2Hex"))); });
    return hex;
}

QString Dec2Hex_2(MessageService& messages, std::string_view decimalText)
{
    QString hex;
    runReported(messages,
        [&] { hex = QString::fromLatin1(decimalToHexAll(decimalText, QStringLiteral("value given to Dec2Hex_2"))); });
    return hex;
}

QString Hex2Dec(std::string_view hexText)
{
    return QString::fromLatin1(hexToDecimalText(hexText));
}

QString CheckTroopFlag(MessageService& messages, int32_t value, int64_t flag)
{
    QString result;
    runReported(messages, [&] {
        const FlagCheck check = checkTroopFlag(value, flag);
        messages.showAll(check.messages);
        result = QString::fromLatin1(check.result);
    });
    return result;
}

} // namespace mw
