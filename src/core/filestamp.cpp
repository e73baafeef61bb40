// File stamps. BLAKE2b is the fastest digest Qt offers here (about 2 ms per megabyte); the
// stamp guards against accidents, not against a program crafting a collision.
#include "core/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace mw {
namespace {

constexpr auto kDigest = QCryptographicHash::Blake2b_256;

} // namespace

FileStamp stampOf(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return { static_cast<qint64>(bytes.size()), QCryptographicHash::hash(view, kDigest) };
}

bool matchesOnDisk(const QString& path, const FileStamp& stamp)
{
    const QFileInfo info(path);
    if (stamp.size < 0 || !info.isFile() || info.size() != stamp.size)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(kDigest);
    if (!hash.addData(&file))
        return false;
    return hash.result() == stamp.digest;
}

} // namespace mw
