// Save's guard against overwriting what another program wrote after the folder was loaded.
#pragma once

#include "core/filestamp.h"
#include "core/messages.h"

#include <QString>

namespace mw {

// "<file> was changed by another program after it was loaded. Overwrite it with your updates?"
QString outsideChangeQuestion(const QString& fileName);

// True when the file at `path` may be written: it still holds what was loaded (`loaded`),
// or the user answered Yes to the question naming `fileName`.
bool mayOverwrite(MessageService& messages, const QString& path, const QString& fileName, const FileStamp& loaded);

} // namespace mw
