// What a file held when it was loaded: its size and a hash of its bytes, so that Save can
// tell whether another program has changed it since.
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <string_view>

namespace mw {

struct FileStamp {
    qint64 size = -1; // -1: nothing known, which no file on disk matches
    std::array<size_t, 2> hash {};
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(std::string_view bytes);

// True when the file at `path` holds exactly the bytes `stamp` was taken of. A missing or
// unreadable file does not match.
bool matchesOnDisk(const QString& path, const FileStamp& stamp);

} // namespace mw
