// The line reader and writer: any bytes split into lines and written back give the same
// bytes except that every line end becomes CR LF (a last line without one gets one); the
// written form reads back as the same lines; shown text encodes back to the same bytes; a
// line's fields hold no space and, joined by spaces, give the line again.
#include "core/fields.h"
#include "core/textcodec.h"
#include "fuzzcheck.h"

#include <string>

using namespace mw;

namespace {

// The input with its line ends made CR LF, worked out independently of the reader.
std::string withCrLf(std::string_view in)
{
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\n' && (i == 0 || in[i - 1] != '\r'))
            out += '\r';
        out += in[i];
    }
    if (!in.empty() && in.back() != '\n')
        out += "\r\n";
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const QString name = QStringLiteral("fuzz.txt");
    std::vector<std::string> lines;
    try {
        lines = splitLines(bytes, name);
    } catch (const ModError& error) {
        fuzz::check(error.number() == kErrOverflow, "only a file past the line limit fails");
        return 0;
    }
    const LineArray array(lines, codecFor(bytes));
    const std::string written = array.serialised();
    fuzz::check(written == withCrLf(bytes), "written bytes differ from the read ones beyond line ends");
    fuzz::check(splitLines(written, name) == lines, "written lines do not read back as the same lines");
    for (const auto& line : lines) {
        fuzz::check(line.find('\n') == std::string::npos, "a line holds a line feed");
        const auto again = encodeText(decodeText(line, array.codec()), array.codec());
        fuzz::check(again && *again == line, "shown text does not encode back to the line's bytes");
        const auto fields = cutFields(line);
        std::string joined;
        for (size_t f = 0; f < fields.size(); ++f) {
            fuzz::check(fields[f].find(' ') == std::string_view::npos, "a field holds a space");
            joined.append(f == 0 ? "" : " ").append(fields[f]);
        }
        fuzz::check(joined == line, "the fields joined by spaces are not the line");
    }
    return 0;
}
