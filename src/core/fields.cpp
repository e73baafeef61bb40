// Field cutting shared by every record format.
#include "core/fields.h"

#include "core/errors.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace mw {

std::vector<std::string_view> cutFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    fields.reserve(16);
    const char* const data = line.data();
    const size_t size = line.size();
    size_t start = 0; // where the field being cut begins
    size_t i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time, one bit per space: fields are a few bytes long.
    const __m128i space = _mm_set1_epi8(' ');
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        for (unsigned spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, space))); spaces;
             spaces &= spaces - 1) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(spaces));
            fields.emplace_back(data + start, at - start);
            start = at + 1;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == ' ') {
            fields.emplace_back(data + start, i - start);
            start = i + 1;
        }
    }
    fields.emplace_back(data + start, size - start);
    return fields;
}

std::string_view fieldAt(
    const std::vector<std::string_view>& fields, int index, int lineNumber, const QString& fileName)
{
    if (index < 0 || static_cast<size_t>(index) >= fields.size()) {
        const int count = static_cast<int>(fields.size());
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: line %1 of %2 has %3 field%4, field %5 was asked for")
                .arg(lineNumber)
                .arg(fileName)
                .arg(count)
                .arg(count == 1 ? QString() : QStringLiteral("s"))
                .arg(index));
    }
    return fields[static_cast<size_t>(index)];
}

std::string joinFields(const std::vector<std::string>& fields)
{
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ' ';
        out += fields[i];
    }
    return out;
}

} // namespace mw
