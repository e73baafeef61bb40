// Findings of one file and the number readers behind them.
#include "check/filefindings.h"

#include "core/errors.h"

namespace mw {
namespace {

using namespace findingcode;

// The conversions want a place for their error text; the check words its own message.
const QString kNoPlace;

QString named(const ValueName& what, int field)
{
    return QStringLiteral("%1 (field %2)").arg(what.text()).arg(field);
}

QString span(const ListRange& list)
{
    if (list.last < list.first)
        return QStringLiteral("it is empty");
    return QStringLiteral("%1 %2 to %3").arg(list.unit).arg(list.first).arg(list.last);
}

} // namespace

QString ValueName::text() const
{
    QString text = QStringLiteral("%1 %2: ").arg(QLatin1String(noun)).arg(record);
    if (member >= 0)
        text += QStringLiteral("member %1 ").arg(member);
    return text + item;
}

void FileFindings::add(int line, int field, const QString& code, const QString& message)
{
    findings_.push_back({ file_, line, field, code, message });
}

bool FileFindings::hasFields(const Fields& fields, size_t needed, int line, const ValueName& what, const char* why)
{
    if (fields.size() >= needed)
        return true;
    add(line, -1, kShortLine,
        QStringLiteral("%1 has %2 field%3, %4 are needed (%5)")
            .arg(what.text())
            .arg(fields.size())
            .arg(fields.size() == 1 ? QString() : QStringLiteral("s"))
            .arg(needed)
            .arg(QLatin1String(why)));
    return false;
}

std::optional<int32_t> FileFindings::whole(
    const Fields& fields, int line, int field, const ValueName& what, int32_t min, int32_t max)
{
    if (static_cast<size_t>(field) >= fields.size())
        return std::nullopt;
    const std::string_view text = fields[static_cast<size_t>(field)];
    std::optional<int32_t> value;
    try {
        value = toInt32(text, kNoPlace);
    } catch (const ModError& error) {
        if (error.number() != kErrOverflow) {
            add(line, field, kNotANumber,
                QStringLiteral("%1 %2 is not a number").arg(named(what, field), quoteForError(text)));
            return std::nullopt;
        }
    }
    if (value && *value < min && max == std::numeric_limits<int32_t>::max()) {
        add(line, field, kOutOfRange,
            QStringLiteral("%1 %2 is below %3").arg(named(what, field), quoteForError(text)).arg(min));
        return std::nullopt;
    }
    if (!value || *value < min || *value > max) {
        add(line, field, kOutOfRange,
            QStringLiteral("%1 %2 is outside %3 to %4").arg(named(what, field), quoteForError(text)).arg(min).arg(max));
        return std::nullopt;
    }
    return value;
}

std::optional<uint128> FileFindings::unsignedOf(
    const Fields& fields, int line, int field, const ValueName& what, int bits)
{
    if (static_cast<size_t>(field) >= fields.size())
        return std::nullopt;
    const std::string_view text = fields[static_cast<size_t>(field)];
    const auto tooLarge = [&] {
        return QStringLiteral("%1 %2 does not fit in %3 bits").arg(named(what, field), quoteForError(text)).arg(bits);
    };
    try {
        const uint128 value = toUnsigned96(text, kNoPlace);
        if (bits < 96 && value >> bits != 0) {
            add(line, field, kOutOfRange, tooLarge());
            return std::nullopt;
        }
        return value;
    } catch (const ModError& error) {
        if (error.number() == kErrOverflow)
            add(line, field, kOutOfRange, tooLarge());
        else if (error.number() == kErrInvalidArgument)
            add(line, field, kOutOfRange,
                QStringLiteral("%1 %2 is below 0").arg(named(what, field), quoteForError(text)));
        else
            add(line, field, kNotANumber,
                QStringLiteral("%1 %2 is not a number").arg(named(what, field), quoteForError(text)));
    }
    return std::nullopt;
}

void FileFindings::reference(
    const Fields& fields, int line, int field, const ValueName& what, const std::optional<ListRange>& list)
{
    const auto value = whole(fields, line, field, what);
    if (value && list)
        inList(*value, line, field, what, *list);
}

void FileFindings::inList(int32_t value, int line, int field, const ValueName& what, const ListRange& list)
{
    if (value == -1 || (value >= list.first && value <= list.last))
        return;
    add(line, field, kPastList,
        QStringLiteral("%1 %2 is %3 the %4 (%5)")
            .arg(named(what, field))
            .arg(value)
            .arg(value > list.last ? QStringLiteral("past the end of") : QStringLiteral("not in"), list.name,
                span(list)));
}

} // namespace mw
