// The first few fields of a record line, cut no further than needed: the readers take two
// fields from lines of dozens, tens of thousands of times in a load.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace mw {

template <size_t N> struct LeadingFields {
    std::array<std::string_view, N> field; // views into the line
    size_t count = 0; // fields found, at most N; fewer means the line has no more
};

// Cuts as cutFields does (at every single space), but stops after field N - 1.
template <size_t N> LeadingFields<N> leadingFields(std::string_view line)
{
    LeadingFields<N> out;
    const char* const data = line.data();
    size_t start = 0;
    const auto cutAt = [&](size_t space) {
        out.field[out.count++] = std::string_view(data + start, space - start);
        start = space + 1;
    };
    size_t i = 0;
#ifdef __SSE2__
    // The spaces of sixteen bytes at once.
    for (; i + 16 <= line.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        for (auto spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(' ')))); spaces;
             spaces &= spaces - 1) {
            cutAt(i + static_cast<size_t>(__builtin_ctz(spaces)));
            if (out.count == N)
                return out;
        }
    }
#endif
    for (; i < line.size(); ++i) {
        if (data[i] != ' ')
            continue;
        cutAt(i);
        if (out.count == N)
            return out;
    }
    out.field[out.count++] = std::string_view(data + start, line.size() - start);
    return out;
}

} // namespace mw
