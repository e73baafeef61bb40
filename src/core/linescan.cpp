// The line scan: sixteen bytes at a time where the processor has SSE2.
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
        spans.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)});
        start = lf + 1;
    };

    size_t i = 0;
#ifdef __SSE2__
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        high |= static_cast<unsigned>(_mm_movemask_epi8(chunk));
        auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('\n'))));
        while (ends) {
            lineFeedAt(i + static_cast<size_t>(__builtin_ctz(ends)));
            ends &= ends - 1;
        }
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
        spans.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(size - start)});
    }
    scan.ascii = high == 0;
    return scan;
}

} // namespace mw
