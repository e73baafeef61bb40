// The line scan: sixty-four bytes at a time where the processor has SSE2.
#include "core/linescan.h"

#include "core/errors.h"
#include "core/textfiles.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace mw {
namespace {

[[noreturn]] __attribute__((noinline)) void tooManyLines(const QString& fileName)
{
    throw ModError(kErrOverflow, QStringLiteral("Overflow: %1 has more than %2 lines").arg(fileName).arg(kMaxLines));
}

} // namespace

LineScan scanLines(std::string_view bytes, const QString& fileName)
{
    LineScan scan;
    std::vector<LineSpan>& spans = scan.spans;
    const char* const data = bytes.data();
    const size_t size = bytes.size();
    size_t start = 0; // where the line being scanned begins
    unsigned high = 0; // the top bits of every byte seen, or'ed

    // Ends the line at the line feed at `lf`; a CR right before it belongs to the line end.
    const auto lineFeedAt = [&](size_t lf) {
        if (spans.size() == static_cast<size_t>(kMaxLines))
            tooManyLines(fileName);
        const size_t end = lf > start && data[lf - 1] == '\r' ? lf - 1 : lf;
        spans.push_back({ static_cast<uint32_t>(start), static_cast<uint32_t>(end - start) });
        start = lf + 1;
    };

    size_t i = 0;
#ifdef __SSE2__
    // Sixty-four bytes at a time: one bit per line feed, and the top bits of all of them.
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; i + 64 <= size; i += 64) {
        const auto* block = reinterpret_cast<const __m128i*>(data + i);
        const __m128i a = _mm_loadu_si128(block), b = _mm_loadu_si128(block + 1), c = _mm_loadu_si128(block + 2),
                      d = _mm_loadu_si128(block + 3);
        high |= static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))));
        uint64_t ends = static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, lineFeed))))
            | static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(b, lineFeed)))) << 16
            | static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(c, lineFeed)))) << 32
            | static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(d, lineFeed)))) << 48;
        for (; ends; ends &= ends - 1)
            lineFeedAt(i + static_cast<size_t>(__builtin_ctzll(ends)));
    }
#endif
    for (; i < size; ++i) {
        high |= static_cast<unsigned char>(data[i]) & 0x80u;
        if (data[i] == '\n')
            lineFeedAt(i);
    }
    if (start < size) {
        if (spans.size() == static_cast<size_t>(kMaxLines))
            tooManyLines(fileName);
        spans.push_back({ static_cast<uint32_t>(start), static_cast<uint32_t>(size - start) });
    }
    scan.ascii = high == 0;
    return scan;
}

} // namespace mw
