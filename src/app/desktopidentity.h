// How the desktop knows the running program: its name (the window class on X11), the
// application id that names its launcher entry, icon and metadata, and the window icon.
#pragma once

class QGuiApplication;

namespace mw {

void setDesktopIdentity(QGuiApplication& app);

} // namespace mw
