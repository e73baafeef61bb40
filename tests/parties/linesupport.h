// Line arrays written in a test (two header lines, then the given lines), error texts, and
// readable failure output for texts, messages and member slots.
#pragma once

#include "core/errors.h"
#include "core/linearray.h"
#include "core/messages.h"
#include "parties/templatedisplay.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace mw::test {

inline LineArray withHeader(std::initializer_list<std::string> records, TextCodec codec = TextCodec::Utf8)
{
    std::vector<std::string> lines = { "fileformat 1", "12" };
    lines.insert(lines.end(), records.begin(), records.end());
    return LineArray(std::move(lines), codec);
}

inline QString errorText(const std::optional<ModError>& error)
{
    return error ? errorReportText(*error) : QString();
}

} // namespace mw::test

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace mw {

inline void PrintTo(const Message& message, std::ostream* out)
{
    *out << "{\"" << message.text.toStdString() << "\", icon " << static_cast<int>(message.icon) << "}";
}

inline void PrintTo(const MemberSlot& slot, std::ostream* out)
{
    *out << "{" << slot.troop << " " << slot.min.toStdString() << " " << slot.max.toStdString() << " " << slot.prisoner
         << "}";
}

} // namespace mw
