// Cutting a record line into fields at every single space: two spaces give an empty
// field, a leading or trailing space an empty first or last field. Every format uses this.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The views point into `line`, which must outlive them.
std::vector<std::string_view> cutFields(std::string_view line);

// Joins texts with single spaces: the inverse of cutFields.
std::string joinFields(const std::vector<std::string>& fields);

inline bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace mw
