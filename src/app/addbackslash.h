// The folder text always ends in the platform's separator, so a file's path is the
// folder text followed by the file name.
#pragma once

#include <QString>

namespace mw {

// Appends the native separator ("/" here, "\" on Windows) unless the text already ends in
// one; an empty text gives a single separator.
QString AddBackSlash(const QString& path);

} // namespace mw
