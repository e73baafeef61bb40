// UTF-8 validation and the two lossless decodings.
#include "core/textcodec.h"

#include <cstdint>
#include <cstring>

namespace mw {

bool isValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Module files are mostly ASCII: skip it a word at a time.
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080ull)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        unsigned min;
        unsigned cp;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

TextCodec codecFor(std::string_view wholeFile)
{
    return isValidUtf8(wholeFile) ? TextCodec::Utf8 : TextCodec::Latin1;
}

QString decodeText(std::string_view bytes, TextCodec codec)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    return codec == TextCodec::Utf8 ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::optional<std::string> encodeText(const QString& text, TextCodec codec)
{
    if (codec == TextCodec::Utf8) {
        const QByteArray utf8 = text.toUtf8();
        return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
    }
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return std::nullopt;
        out += static_cast<char>(ch.unicode());
    }
    return out;
}

} // namespace mw
