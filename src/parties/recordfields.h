// Reading the fields of one party or template line, with errors that name the field, the
// line and the file.
#pragma once

#include "core/fields.h"

#include <QString>
#include <string_view>
#include <vector>

namespace mw {

// "field 4 of line 5 of party_templates.txt"
QString fieldPlace(int field, int lineNumber, const QString& fileName);

// A position in a choice list read from a field as a 16-bit whole number: -1 (nothing
// selected) up to count - 1. A position without an entry is a subscript error naming
// `listName`.
int choiceIndexAt(const std::vector<std::string_view>& fields, int index, int count, const QString& listName,
    int lineNumber, const QString& fileName);

} // namespace mw
