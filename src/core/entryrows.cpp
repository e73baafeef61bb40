// Entry texts made from their rows on demand.
#include "core/entryrows.h"

namespace mw {

void EntryRows::addMade(std::string_view name, std::string_view id)
{
    fixed.insert(size(), format(firstNumber + size(), decodeText(name, codec), decodeText(id, codec)));
    rows.push_back({});
}

void EntryRows::addFixed(const QString& text)
{
    fixed.insert(size(), text);
    rows.push_back({});
}

QString EntryRows::text(int row) const
{
    if (row < 0 || row >= size())
        return {};
    if (!fixed.isEmpty()) {
        const auto it = fixed.constFind(row);
        if (it != fixed.constEnd())
            return *it;
    }
    const Row& r = rows[row];
    const char* data = bytes.constData();
    return format(firstNumber + row, decodeText({ data + r.nameStart, r.nameLength }, codec),
        decodeText({ data + r.idStart, r.idLength }, codec));
}

QStringList EntryRows::texts() const
{
    QStringList out;
    out.reserve(size());
    for (int row = 0; row < size(); ++row)
        out.push_back(text(row));
    return out;
}

int EntryRows::byteLength(int row) const
{
    const auto it = fixed.constFind(row);
    if (it != fixed.constEnd())
        return static_cast<int>(it->size());
    const Row& r = rows[row];
    return static_cast<int>(r.nameLength + (idShown ? r.idLength : 0));
}

} // namespace mw
