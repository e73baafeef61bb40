// Appending numbers to the text being built, without streams or temporary strings: the
// generator writes files of 32,767 lines and must stay fast.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace mwgen {

inline void appendNumber(std::string& out, int64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

inline void appendUnsigned(std::string& out, uint64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// A number with two decimals from its value in hundredths: -1250 gives "-12.50".
inline void appendHundredths(std::string& out, int64_t hundredths)
{
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    appendNumber(out, hundredths / 100);
    out += '.';
    out += static_cast<char>('0' + hundredths % 100 / 10);
    out += static_cast<char>('0' + hundredths % 10);
}

} // namespace mwgen
