// Reading and atomic writing of module files.
#include "core/textfiles.h"

#include "core/errors.h"

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

} // namespace

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::vector<std::string> splitLines(std::string_view bytes, const QString& fileName)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        if (lines.size() == static_cast<size_t>(kMaxLines))
            throw ModError(kErrOverflow,
                           QStringLiteral("Overflow: %1 has more than %2 lines").arg(fileName).arg(kMaxLines));
        size_t lf = bytes.find('\n', start);
        const bool hasEnd = lf != std::string_view::npos;
        if (!hasEnd)
            lf = bytes.size();
        size_t end = lf;
        if (hasEnd && end > start && bytes[end - 1] == '\r')
            --end;
        lines.emplace_back(bytes.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

LineArray readLines(const QString& path, FileStamp* stamp)
{
    const QString name = fileNameOf(path);
    QFile file(path);
    if (!file.exists())
        throw ModError(kErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ModError(errorNumberFor(file.error()),
                       QStringLiteral("Cannot open %1 for reading: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ModError(kErrPathAccess, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (stamp)
        *stamp = stampOf(view);
    return LineArray(splitLines(view, name), codecFor(view));
}

void writeFileAtomically(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw ModError(errorNumberFor(file.error()),
                       QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
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
        throw ModError(kErrPathAccess, QStringLiteral("Cannot write %1: only part of it could be written (%2); "
                                                      "the file was left as it was")
                                           .arg(path, reason));
    }
    if (!file.commit())
        throw ModError(errorNumberFor(file.error()),
                       QStringLiteral("Cannot write %1: %2; the file was left as it was").arg(path, file.errorString()));
}

void writeLines(const QString& path, const LineArray& lines)
{
    writeFileAtomically(path, lines.serialised());
}

} // namespace mw
