// The instructions text and the load and save messages.
#include "app/shelltexts.h"

namespace mw {

QString instructionsText()
{
    const QStringList lines = {
        QString(),
        QStringLiteral(" 1) click the 'Browse' button and choose your Varnholt module folder"),
        QStringLiteral(" 2) use the Filename combo box to choose the file you wish to modify"),
        QStringLiteral(" 3) click on a troop or party you wish to edit and then make any changes you want"),
        QStringLiteral(" 4) after you are done making changes to that troop or party click 'Update'"),
        QStringLiteral("     Note:  this must be done after each troop or party is modified"),
        QStringLiteral(" 5) click the 'Save' button to save any updates you have made to the text files"),
        QStringLiteral("     Note:  you may want to manually backup these files before saving any changes"),
        QStringLiteral(" 6) You will usually have to start a new saved game to see any of these changes in Varnholt"),
    };
    QString text;
    for (const auto& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString missingFilesMessage(const QString& folder, const std::array<bool, 5>& failed)
{
    QString text = QStringLiteral("Unable to open the following files in ") + folder + QStringLiteral("\r\n");
    for (size_t i = 0; i < failed.size(); ++i) {
        if (failed[i])
            text += QStringLiteral("\r\n  ") + kModuleFiles[i];
    }
    return text;
}

QString saveSummaryMessage(
    const QString& folder, const QString& troops, const QString& templates, const QString& parties)
{
    return QStringLiteral("The following files in ") + folder + QStringLiteral(" were updated:\r\n\r\n") + troops
        + QStringLiteral("\r\n") + templates + QStringLiteral("\r\n") + parties;
}

QString writerResult(const QString& fileName, int lines)
{
    return fileName + QStringLiteral(" (") + QString::number(lines) + QStringLiteral(" lines)");
}

QString pendingMessage(int troops, int templates, int parties)
{
    QStringList parts;
    const auto count = [&parts](int n, const char* one, const char* many) {
        if (n > 0)
            parts << QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    count(troops, "troop", "troops");
    count(templates, "template", "templates");
    count(parties, "party", "parties");
    if (parts.isEmpty())
        return QString();
    const QString last = parts.takeLast();
    const QString all = parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return all + QStringLiteral(" updated, not saved");
}

} // namespace mw
