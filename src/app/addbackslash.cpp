// The folder text's trailing separator.
#include "app/addbackslash.h"

#include <QDir>

namespace mw {

QString AddBackSlash(const QString& path)
{
    const QChar separator = QDir::separator();
    return path.endsWith(separator) ? path : path + separator;
}

} // namespace mw
