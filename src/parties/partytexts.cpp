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

void noteUncarried(const QString& kind, const QStringList& fields, Outcome& outcome, QString& problem)
{
    if (fields.isEmpty())
        return;
    outcome.messages.push_back({ QStringLiteral("Warning: The numbers in the following fields cannot be kept by this "
                                                "editor, so the %1 cannot be updated:\r\n")
                                     .arg(kind)
            + fields.join(QStringLiteral("\r\n")),
        MessageIcon::Warning });
    problem = QStringLiteral("it holds numbers this editor cannot keep");
}

QString unstorableTextMessage(const QString& box, const QString& fileName, const QString& reason)
{
    return QStringLiteral("The text of %1 cannot be stored in %2: %3. Nothing was updated.").arg(box, fileName, reason);
}

} // namespace mw
