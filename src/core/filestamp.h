// What a file held when it was loaded: its size and a digest of its bytes, so that Save can
// tell whether another program has changed it since.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <string_view>

namespace mw {

struct FileStamp {
    qint64 size = -1; // -1: nothing known, which no file on disk matches
    QByteArray digest;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(std::string_view bytes);

// True when the file at `path` holds exactly the bytes `stamp` was taken of. A missing or
// unreadable file does not match.
bool matchesOnDisk(const QString& path, const FileStamp& stamp);

} // namespace mw
