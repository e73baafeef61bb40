// The names of the five files of a module folder, in the order they are read and reported.
#pragma once

#include <QString>
#include <array>

namespace mw {

inline const QString kTroopsFile = QStringLiteral("troops.txt");
inline const QString kItemsFile = QStringLiteral("item_kinds1.txt");
inline const QString kFactionsFile = QStringLiteral("factions.txt");
inline const QString kTemplatesFile = QStringLiteral("party_templates.txt");
inline const QString kPartiesFile = QStringLiteral("parties.txt");

inline const std::array<QString, 5> kModuleFiles
    = { kTroopsFile, kItemsFile, kFactionsFile, kTemplatesFile, kPartiesFile };

} // namespace mw
