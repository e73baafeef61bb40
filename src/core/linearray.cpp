// Line access with range errors, and the written form of a file.
#include "core/linearray.h"

#include "core/errors.h"

namespace mw {

const std::string& LineArray::at(int k, const QString& file) const
{
    if (!has(k))
        throw ModError(kErrSubscript,
                       QStringLiteral("Subscript out of range: %1 has %2 lines, line %3 was asked for").arg(file).arg(count()).arg(k));
    return lines_[static_cast<size_t>(k - 1)];
}

void LineArray::set(int k, std::string text, const QString& file)
{
    at(k, file);
    lines_[static_cast<size_t>(k - 1)] = std::move(text);
}

std::string LineArray::serialised() const
{
    size_t size = 0;
    for (const auto& line : lines_)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace mw
