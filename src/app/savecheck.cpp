// The outside-change question before a file is written.
#include "app/savecheck.h"

namespace mw {

QString outsideChangeQuestion(const QString& fileName)
{
    return fileName
        + QStringLiteral(" was changed by another program after it was loaded. "
                         "Overwrite it with your updates?");
}

bool mayOverwrite(MessageService& messages, const QString& path, const QString& fileName, const FileStamp& loaded)
{
    return matchesOnDisk(path, loaded) || messages.ask(outsideChangeQuestion(fileName), MessageIcon::Warning);
}

} // namespace mw
