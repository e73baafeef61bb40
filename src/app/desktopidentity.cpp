// The application's name, id and icon as the desktop sees them.
#include "app/desktopidentity.h"

#include "app/version.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>

namespace mw {

void setDesktopIdentity(QGuiApplication& app)
{
    // The X11 window class is made from the application name; the launcher entry's
    // StartupWMClass names it.
    QGuiApplication::setApplicationName(QStringLiteral("Musterwright"));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Lets the desktop match the windows to the launcher entry (and so to its icon).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));

    // The icon sizes built into the program (see data/), for desktops that do not look the
    // entry up and for the title bar.
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128, 256 }) {
        const QString file = QStringLiteral(":/icons/%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull())
        app.setWindowIcon(icon);
}

} // namespace mw
