// Cutting a record line into fields at every single space: two spaces give an empty
// field, a leading or trailing space an empty first or last field. Every format uses this.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The views point into `line`, which must outlive them.
std::vector<std::string_view> cutFields(std::string_view line);

// Joins texts with single spaces: the inverse of cutFields.
std::string joinFields(const std::vector<std::string>& fields);

// Field `index` of a cut line; past the last field is a "Subscript out of range" error
// naming the line and the file.
std::string_view fieldAt(
    const std::vector<std::string_view>& fields, int index, int lineNumber, const QString& fileName);

inline bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace mw
