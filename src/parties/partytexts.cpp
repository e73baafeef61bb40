// Composition of the party panels' entry and message texts.
#include "parties/partytexts.h"

namespace mw {

QString recordEntryText(int k, const QString& name, const QString& id)
{
    return QString::number(k) + QStringLiteral(" - ") + name + QStringLiteral(" (") + id + QLatin1Char(')');
}

QString updatedMessage(const QString& name, const QString& id)
{
    return QStringLiteral("Information on ") + name + QStringLiteral(" (") + id + QStringLiteral(") has been updated.");
}

QString notARecordLineMessage(int lineNumber, const QString& fileName, const QString& expectedStart)
{
    return QStringLiteral("Line %1 of %2 does not begin with \"%3\", so it is not the line of the selected entry. "
                          "Nothing was updated.")
        .arg(lineNumber)
        .arg(fileName, expectedStart);
}

QString notHeldMessage(const QString& kind, int k, const QString& problem)
{
    return QStringLiteral("The panel does not hold the whole record of %1 %2: %3. Nothing was updated.")
        .arg(kind)
        .arg(k)
        .arg(problem);
}

QString unstorableTextMessage(const QString& box, const QString& fileName, const QString& reason)
{
    return QStringLiteral("The text of %1 cannot be stored in %2: %3. Nothing was updated.").arg(box, fileName, reason);
}

} // namespace mw
