// The entries of a record list as the reader finds them: for each entry, where its name
// and identifier lie in the file's bytes. An entry's text is made only when it is asked
// for, so a list of 30,000 records costs a few bytes per record, not a string each.
#pragma once

#include "core/textcodec.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>

namespace mw {

struct EntryRows {
    // The text of entry `number` from its name and identifier as shown.
    using Format = QString (*)(int number, const QString& name, const QString& id);

    struct Row {
        uint32_t nameStart = 0, nameLength = 0;
        uint32_t idStart = 0, idLength = 0;
    };

    QByteArray bytes; // the file the rows point into, shared, never changed
    TextCodec codec = TextCodec::Utf8;
    Format format = nullptr;
    int firstNumber = 0; // the number shown by row 0
    bool idShown = true; // whether `format` shows the identifier
    QList<Row> rows; // shared between lists of the same records
    QHash<int, QString> fixed; // rows whose text does not come from the file

    // Adds a row for `name` and `id`, views into a line of `bytes` (or of any other line,
    // whose text is then made at once).
    void add(std::string_view name, std::string_view id)
    {
        const char* begin = bytes.constData();
        if (name.data() < begin || id.data() < begin || name.data() + name.size() > begin + bytes.size()
            || id.data() + id.size() > begin + bytes.size()) {
            addMade(name, id);
            return;
        }
        rows.push_back({ static_cast<uint32_t>(name.data() - begin), static_cast<uint32_t>(name.size()),
            static_cast<uint32_t>(id.data() - begin), static_cast<uint32_t>(id.size()) });
    }
    // A row that only a fixed text fills.
    void addFixed(const QString& text);

    int size() const { return static_cast<int>(rows.size()); }
    bool isEmpty() const { return rows.isEmpty(); }
    QString text(int row) const;
    QStringList texts() const;
    // How long row's text is in bytes, to find the widest entries without making them all.
    int byteLength(int row) const;

private:
    // A line replaced since it was read lies elsewhere: its text is made at once.
    void addMade(std::string_view name, std::string_view id);
};

} // namespace mw
