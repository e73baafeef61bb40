// writeModule: the generated files on disk, each written whole or reported as failed.
#include "modulegen.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <utility>

namespace mwgen {

namespace {

bool writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    const bool whole = file.write(bytes.data(), size) == size && file.flush();
    file.close();
    return whole && file.error() == QFileDevice::NoError;
}

} // namespace

bool writeModule(const ModuleFiles& files, const std::string& folder, const std::vector<std::string>& skip)
{
    const QString dirPath = QString::fromStdString(folder);
    if (!QDir().mkpath(dirPath))
        return false;
    const QDir dir(dirPath);
    const std::pair<const char*, const std::string*> named[] = {
        { "troops.txt", &files.troops },
        { "item_kinds1.txt", &files.items },
        { "factions.txt", &files.factions },
        { "party_templates.txt", &files.templates },
        { "parties.txt", &files.parties },
    };
    for (const auto& [name, bytes] : named) {
        if (std::find(skip.begin(), skip.end(), name) != skip.end())
            continue;
        if (!writeFile(dir.filePath(QString::fromLatin1(name)), *bytes))
            return false;
    }
    return true;
}

} // namespace mwgen
