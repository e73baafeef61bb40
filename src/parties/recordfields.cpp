// Field access and choice positions for the party and template formats.
#include "parties/recordfields.h"

#include "core/errors.h"
#include "core/numbers.h"

namespace mw {

QString fieldPlace(int field, int lineNumber, const QString& fileName)
{
    return QStringLiteral("field %1 of line %2 of %3").arg(field).arg(lineNumber).arg(fileName);
}

int choiceIndexAt(const std::vector<std::string_view>& fields, int index, int count, const QString& listName,
    int lineNumber, const QString& fileName)
{
    const QString where = fieldPlace(index, lineNumber, fileName);
    const int value = toInt16(fieldAt(fields, index, lineNumber, fileName), where);
    if (value < -1 || value >= count)
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: the %1 list has no entry %2, it has %3 entries (%4)")
                .arg(listName)
                .arg(value)
                .arg(count)
                .arg(where));
    return value;
}

} // namespace mw
