// Line access with range errors, replaced lines, and the written form of a file.
#include "core/linearray.h"

#include "core/errors.h"

namespace mw {

LineArray::LineArray(QByteArray bytes, std::vector<LineSpan> spans, TextCodec codec)
    : bytes_(std::move(bytes))
    , spans_(std::move(spans))
    , codec_(codec)
{
}

LineArray::LineArray(const std::vector<std::string>& lines, TextCodec codec)
    : codec_(codec)
{
    spans_.reserve(lines.size());
    for (const auto& line : lines) {
        spans_.push_back({ static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(line.size()) });
        bytes_.append(line.data(), static_cast<qsizetype>(line.size()));
    }
}

std::string_view LineArray::at(int k, const QString& file) const
{
    if (!has(k))
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: %1 has %2 lines, line %3 was asked for")
                .arg(file)
                .arg(count())
                .arg(k));
    return line(k);
}

void LineArray::set(int k, std::string text, const QString& file)
{
    at(k, file);
    LineSpan& span = spans_[static_cast<size_t>(k - 1)];
    if (span.length == kReplaced) {
        replaced_[span.start] = std::move(text);
        return;
    }
    span = { static_cast<uint32_t>(replaced_.size()), kReplaced };
    replaced_.push_back(std::move(text));
}

std::vector<std::string> LineArray::lines() const
{
    std::vector<std::string> out;
    out.reserve(spans_.size());
    for (int k = 1; k <= count(); ++k)
        out.emplace_back(line(k));
    return out;
}

std::string LineArray::serialised() const
{
    size_t size = 0;
    for (int k = 1; k <= count(); ++k)
        size += line(k).size() + 2;
    std::string out;
    out.reserve(size);
    for (int k = 1; k <= count(); ++k) {
        out += line(k);
        out += "\r\n";
    }
    return out;
}

} // namespace mw
