// The first few fields of a record line, cut no further than needed: the readers take two
// fields from lines of dozens, tens of thousands of times in a load.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mw {

template <size_t N> struct LeadingFields {
    std::array<std::string_view, N> field; // views into the line
    size_t count = 0; // fields found, at most N; fewer means the line has no more
};

// Cuts as cutFields does (at every single space), but stops after field N - 1.
template <size_t N> LeadingFields<N> leadingFields(std::string_view line)
{
    LeadingFields<N> out;
    // The fields wanted are short and at the line's start: a plain loop beats a search call.
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ' ')
            continue;
        out.field[out.count++] = line.substr(start, i - start);
        start = i + 1;
        if (out.count == N)
            return out;
    }
    out.field[out.count++] = line.substr(start);
    return out;
}

} // namespace mw
