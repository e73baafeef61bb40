// The flag-bit test: a mask against a troop's 32-bit flag word.
#include "codec/hexcodec.h"

#include "core/errors.h"

namespace mw {
namespace {

void requireNonNegative(int64_t number, const QString& what)
{
    if (number < 0)
        throw ModError(kErrInvalidArgument,
            QStringLiteral("Invalid procedure call or argument: %1 is negative (%2)")
                .arg(quoteForError(std::to_string(number)), what));
}

// The low 32 bits of a word read back as a signed 32-bit number, as the flag words are
// combined.
int32_t signedWord(uint128 value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value & 0xFFFFFFFFu));
}

} // namespace

FlagCheck checkTroopFlag(int32_t value, int64_t flag)
{
    requireNonNegative(value, QStringLiteral("troop flag word"));
    requireNonNegative(flag, QStringLiteral("troop flag mask"));
    const std::string hexFlag = decimalToHex8(static_cast<uint128>(flag));
    const int32_t r = signedWord(static_cast<uint128>(value)) & signedWord(static_cast<uint128>(flag));
    if (r == 0)
        return { "0", {} };
    // Compared with the whole mask, not its low 32 bits: a mask beyond the signed word
    // range never counts as set.
    if (static_cast<int64_t>(r) == flag)
        return { "1", {} };
    return { "2",
        { { QStringLiteral("Result = %1").arg(r), MessageIcon::None },
            { QStringLiteral("Unknown error when checking Troop Flag &H") + QString::fromLatin1(hexFlag),
                MessageIcon::None } } };
}

} // namespace mw
