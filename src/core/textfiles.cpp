// Reading and atomic writing of module files.
#include "core/textfiles.h"

#include "core/errors.h"
#include "core/linescan.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace mw {
namespace {

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

int errorNumberFor(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return kErrPermissionDenied;
    case QFileDevice::OpenError:
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
    case QFileDevice::RenameError:
    case QFileDevice::ResizeError:
    case QFileDevice::CopyError:
        return kErrPathAccess;
    default:
        return kErrPathAccess;
    }
}

// The whole file in a buffer of its size: readAll() leaves up to half as much again unused,
// and the buffer is kept for as long as the file is loaded.
QByteArray readWhole(QFile& file)
{
    QByteArray bytes(file.size(), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    if (file.error() == QFileDevice::NoError && !file.atEnd())
        bytes += file.readAll(); // it grew while being read
    return bytes;
}

} // namespace

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::vector<LineSpan> lineSpans(std::string_view bytes, const QString& fileName)
{
    return scanLines(bytes, fileName).spans;
}

std::vector<std::string> splitLines(std::string_view bytes, const QString& fileName)
{
    std::vector<std::string> lines;
    for (const LineSpan& span : lineSpans(bytes, fileName))
        lines.emplace_back(bytes.substr(span.start, span.length));
    return lines;
}

LineArray readLines(const QString& path)
{
    const QString name = fileNameOf(path);
    QFile file(path);
    if (!file.exists())
        throw ModError(kErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw ModError(errorNumberFor(file.error()),
            QStringLiteral("Cannot open %1 for reading: %2").arg(path, file.errorString()));
    const QByteArray bytes = readWhole(file);
    if (file.error() != QFileDevice::NoError)
        throw ModError(kErrPathAccess, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    // Lines are placed by 32-bit offsets, and one offset value marks a replaced line.
    if (static_cast<quint64>(bytes.size()) >= 0xFFFFFFFFull)
        throw ModError(kErrOverflow, QStringLiteral("Overflow: %1 is larger than 4 GiB").arg(name));
    const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
    LineScan scan = scanLines(view, name);
    const TextCodec codec = scan.ascii ? TextCodec::Utf8 : codecFor(view);
    return LineArray(bytes, std::move(scan.spans), codec);
}

void writeFileAtomically(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw ModError(
            errorNumberFor(file.error()), QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    // QSaveFile may report a short write on a full disk as success at commit time, so
    // every byte written and the flush are checked here before the rename.
    // Qt words these failures "Unknown error", so the system's own reason is kept.
    const qint64 size = static_cast<qint64>(bytes.size());
    errno = 0;
    const qint64 written = file.write(bytes.data(), size);
    const bool flushed = written == size && file.flush();
    if (!flushed) {
        const int systemError = errno;
        const QString reason = systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
            : file.error() == QFileDevice::NoError || file.errorString().isEmpty()
            ? QStringLiteral("the disk may be full or the file too large")
            : file.errorString();
        file.cancelWriting();
        throw ModError(kErrPathAccess,
            QStringLiteral("Cannot write %1: only part of it could be written (%2); "
                           "the file was left as it was")
                .arg(path, reason));
    }
    if (!file.commit())
        throw ModError(errorNumberFor(file.error()),
            QStringLiteral("Cannot write %1: %2; the file was left as it was").arg(path, file.errorString()));
}

} // namespace mw
