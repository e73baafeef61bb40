// Finding a line's spaces, and the first few fields of a record line cut no further than
// needed: the readers take two fields from lines of dozens, tens of thousands of times in a
// load.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace mw {

// Calls `atSpace(offset)` for every space of `line` in order, sixteen bytes at a time where
// it can, until `atSpace` returns false. True when it went through the whole line.
template <typename AtSpace> bool eachSpace(std::string_view line, AtSpace&& atSpace)
{
    const char* const data = line.data();
    size_t i = 0;
#ifdef __SSE2__
    for (; i + 16 <= line.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        for (auto spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(' ')))); spaces;
             spaces &= spaces - 1) {
            if (!atSpace(i + static_cast<size_t>(__builtin_ctz(spaces))))
                return false;
        }
    }
#endif
    for (; i < line.size(); ++i) {
        if (data[i] == ' ' && !atSpace(i))
            return false;
    }
    return true;
}

template <size_t N> struct LeadingFields {
    std::array<std::string_view, N> field; // views into the line
    size_t count = 0; // fields found, at most N; fewer means the line has no more
};

// Cuts as cutFields does (at every single space), but stops after field N - 1.
template <size_t N> LeadingFields<N> leadingFields(std::string_view line)
{
    LeadingFields<N> out;
    size_t start = 0;
    const bool whole = eachSpace(line, [&](size_t space) {
        out.field[out.count++] = line.substr(start, space - start);
        start = space + 1;
        return out.count < N;
    });
    if (whole)
        out.field[out.count++] = line.substr(start);
    return out;
}

} // namespace mw
