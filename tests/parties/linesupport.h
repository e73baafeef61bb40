// Line arrays written in a test (two header lines, then the given lines), and readable
// failure output for texts and messages.
#pragma once

#include "core/linearray.h"
#include "core/modulestate.h"

#include <QString>
#include <ostream>

#include <initializer_list>
#include <string>
#include <vector>

namespace mw::test {

inline LineArray withHeader(std::initializer_list<std::string> records, TextCodec codec = TextCodec::Utf8)
{
    std::vector<std::string> lines = { "fileformat 1", "12" };
    lines.insert(lines.end(), records.begin(), records.end());
    return LineArray(std::move(lines), codec);
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

} // namespace mw
