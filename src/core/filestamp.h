// What a file held when it was loaded: its size and a hash of its bytes, so that Save can
// tell whether another program has changed it since.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <future>
#include <map>
#include <optional>
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

// The stamps of the files a load read, by file name. The load hands over the bytes it read
// and goes on; the stamps are taken on a worker thread while the window paints, and the
// first one asked for waits until they are all taken.
class LoadedStamps {
public:
    // During a load: the bytes of `name` as read, or nothing when it was not read whole.
    void read(const QString& name, std::optional<QByteArray> bytes);
    // After the load: stamps every file handed over since the last call.
    void stampInBackground();
    // The stamp of `name`, which Save replaces by that of the bytes it wrote.
    FileStamp& operator[](const QString& name);

private:
    void settle();
    std::map<QString, FileStamp> stamps_;
    std::map<QString, std::optional<QByteArray>> read_;
    std::future<std::map<QString, FileStamp>> pending_;
};

} // namespace mw
