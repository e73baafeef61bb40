// Field cutting shared by every record format.
#include "core/fields.h"

#include "core/errors.h"
#include "core/leadingfields.h"

namespace mw {

std::vector<std::string_view> cutFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    fields.reserve(16);
    size_t start = 0; // where the field being cut begins
    eachSpace(line, [&](size_t space) {
        fields.push_back(line.substr(start, space - start));
        start = space + 1;
        return true;
    });
    fields.push_back(line.substr(start));
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
