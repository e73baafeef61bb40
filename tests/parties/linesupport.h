// Line arrays written in a test (two header lines, then the given lines), error texts, and
// readable failure output for texts, messages and member slots.
#pragma once

#include "core/errors.h"
#include "core/linearray.h"
#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "parties/templateshow.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace mw::test {

constexpr int kFactions = 10; // the factions a shown template or party may name

inline LineArray withHeader(std::initializer_list<std::string> records, TextCodec codec = TextCodec::Utf8)
{
    std::vector<std::string> lines = { "fileformat 1", "12" };
    lines.insert(lines.end(), records.begin(), records.end());
    return LineArray(std::move(lines), codec);
}

// A module whose two party files are both `lines`; each test reads only one of them.
inline ModuleState partyModule(LineArray lines)
{
    ModuleState module;
    module.PTLines = lines;
    module.PartyLines = std::move(lines);
    return module;
}

// The one line a rebuild made, or "" when it made none.
template <typename Rebuilt> std::string lineOf(const Rebuilt& rebuilt)
{
    return rebuilt.lines.empty() ? std::string() : rebuilt.lines.front().bytes;
}

inline std::optional<QString> refusalText(const Outcome& outcome)
{
    return outcome.refusal ? std::optional<QString>(outcome.refusal->text) : std::nullopt;
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
