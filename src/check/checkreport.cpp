// Writing a module check's findings as text lines or as JSON.
#include "check/checkreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace mw {
namespace {

QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString summaryLine(const ModuleCheck& check, const QString& folder)
{
    const int problems = static_cast<int>(check.findings.size());
    if (check.unreadable)
        return QStringLiteral("%1: could not be read whole; %2 found")
            .arg(folder, counted(problems, "problem", "problems"));
    if (problems > 0)
        return QStringLiteral("%1: %2 found").arg(folder, counted(problems, "problem", "problems"));
    return QStringLiteral("%1: no problems found (%2, %3, %4, %5, %6)")
        .arg(folder, counted(check.troops, "troop", "troops"), counted(check.items, "item", "items"),
            counted(check.factions, "faction", "factions"),
            counted(check.templates, "party template", "party templates"), counted(check.parties, "party", "parties"));
}

} // namespace

QString findingPath(const QString& folder, const QString& file)
{
    if (file.isEmpty())
        return folder;
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + file;
    return folder + QLatin1Char('/') + file;
}

QString checkReportText(const ModuleCheck& check, const QString& folder)
{
    QString text;
    for (const Finding& finding : check.findings)
        text += QStringLiteral("%1:%2: %3 [%4]\n")
                    .arg(findingPath(folder, finding.file))
                    .arg(finding.line)
                    .arg(finding.message, finding.code);
    return text + summaryLine(check, folder) + QLatin1Char('\n');
}

QByteArray checkReportJson(const ModuleCheck& check, const QString& folder)
{
    QJsonArray array;
    for (const Finding& finding : check.findings)
        array.append(QJsonObject {
            { QStringLiteral("file"), findingPath(folder, finding.file) },
            { QStringLiteral("line"), finding.line },
            { QStringLiteral("field"), finding.field < 0 ? QJsonValue() : QJsonValue(finding.field) },
            { QStringLiteral("code"), finding.code },
            { QStringLiteral("message"), finding.message },
        });
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace mw
