// The window's own texts and the messages of the folder load and Save, built from plain
// values so they can be checked without a window.
#pragma once

#include "core/modulefiles.h"

#include <QString>
#include <QStringList>
#include <array>

namespace mw {

inline const QString kWindowCaption = QStringLiteral("Varnholt - Unofficial Musterwright v1.4");
inline const QString kTitleLabel = QStringLiteral("Varnholt - Unofficial Musterwright");
inline const QString kBrowseTitle = QStringLiteral("Select a Varnholt module folder to modify:");

// The file selector's entries: the instructions and the three editable files.
inline const QString kChooseInstructions = QStringLiteral("Instructions");
inline const QString& kChooseParties = kPartiesFile;
inline const QString& kChooseTemplates = kTemplatesFile;
inline const QString& kChooseTroops = kTroopsFile;

QString instructionsText();

// "Unable to open the following files in <folder>" and one line per failed file.
// `failed[i]` is true when the reader of kModuleFiles[i] returned 1.
QString missingFilesMessage(const QString& folder, const std::array<bool, 5>& failed);

// The Save summary; a writer that failed gives an empty result and so an empty line.
QString saveSummaryMessage(
    const QString& folder, const QString& troops, const QString& templates, const QString& parties);

// "troops.txt (123 lines)"
QString writerResult(const QString& fileName, int lines);

// The status line of records updated and not saved, by file in the order of Save:
// "1 troop updated, not saved", "2 troops and 1 party updated, not saved",
// "3 troops, 1 template and 2 parties updated, not saved"; empty when nothing waits.
QString pendingMessage(int troops, int templates, int parties);

// The web addresses of the Websites group and the credit lines: our own.
inline const QString kOfficialSite = QStringLiteral("https://musterwright.example.org/");
inline const QString kForumSite = QStringLiteral("https://musterwright.example.org/forum/");
inline const QString kDownloadSite = QStringLiteral("https://musterwright.example.org/download/");
inline const QStringList kCreditLines = {
    QStringLiteral("- Musterwright: a troop, party and party template editor for Varnholt modules"),
    QStringLiteral("- Made by the Musterwright team; free to use, share and improve"),
};

} // namespace mw
