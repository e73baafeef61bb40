// File stamps. The hash is two differently seeded runs of Qt's own byte hash, 128 bits in
// all: it guards against accidents, not against a program crafting a collision, and on the
// largest module it costs well under a millisecond per file where a cryptographic digest
// took about 8 ms.
#include "core/filestamp.h"

#include "core/aside.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace mw {

FileStamp stampOf(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return { static_cast<qint64>(bytes.size()),
        { qHash(view, size_t(0x9e3779b97f4a7c15)), qHash(view, size_t(0x2545f4914f6cdd1d)) } };
}

bool matchesOnDisk(const QString& path, const FileStamp& stamp)
{
    const QFileInfo info(path);
    if (stamp.size < 0 || !info.isFile() || info.size() != stamp.size)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return stampOf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) == stamp;
}

void LoadedStamps::read(const QString& name, std::optional<QByteArray> bytes)
{
    settle();
    read_[name] = std::move(bytes);
}

void LoadedStamps::stampInBackground()
{
    settle();
    pending_ = runAside([read = std::move(read_)] {
        std::map<QString, FileStamp> stamps;
        for (const auto& [name, bytes] : read)
            stamps[name] = bytes ? stampOf(std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())))
                                 : FileStamp {};
        return stamps;
    });
    read_.clear();
}

FileStamp& LoadedStamps::operator[](const QString& name)
{
    settle();
    return stamps_[name];
}

void LoadedStamps::settle()
{
    if (!pending_.valid())
        return;
    for (auto& [name, stamp] : pending_.get())
        stamps_[name] = stamp;
}

} // namespace mw
