// Choosing and loading a module folder: Browse, the five readers in their fixed order,
// and the missing-files report. After a load in which any reader failed, Update and Save
// stay disabled, so no file of one folder is ever written with another folder's lines or
// with a partial read.
#include "app/addbackslash.h"
#include "app/folderchooser.h"
#include "app/frmmusterwright.h"
#include "app/instructionspanel.h"
#include "parties/partiespanel.h"
#include "parties/templatepanel.h"
#include "app/shelltexts.h"
#include "catalog/catalogs.h"
#include "core/textfiles.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"
#include "troops/trooppanel.h"
#include "troops/troopfile.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace mw {

void frmMusterwright::cmdBrowse_Click()
{
    runReported(messages_, [&] {
        cBrowseFolder browser(chooser_);
        browser.setLFlags(kOnlyFileSystemFolders | kNewDialogStyle);
        browser.setSFolder(txtFolder->text());
        browser.setLhWnd(this);
        browser.setSTitle(kBrowseTitle);
        browser.ShowBrowse();
        if (browser.bCancelled())
            return;
        loadFolder(AddBackSlash(browser.sFolder()));
    });
}

void frmMusterwright::loadFolder(const QString& folder)
{
    txtFolder->setText(folder);
    frmTroops->setVisible(false);
    frmParty_Templates->setVisible(false);
    frmInstructions->setVisible(true);
    frmParties->setVisible(false);

    // Until every reader has succeeded, what is in memory is not this folder's whole data.
    moduleComplete_ = false;
    const std::array<bool, 5> failed = {
        Read_Troops() != 0, Read_Items() != 0, Read_Factions() != 0, Read_Party_Templates() != 0, Read_Parties() != 0,
    };
    if (std::none_of(failed.begin(), failed.end(), [](bool f) { return f; })) {
        moduleComplete_ = true;
        cmbChooseFile->setEnabled(true);
        cmdUpdate->setEnabled(true);
        cmdSave->setEnabled(true);
        return;
    }
    cmdUpdate->setEnabled(false);
    cmdSave->setEnabled(false);
    messages_.show(missingFilesMessage(txtFolder->text(), failed), MessageIcon::Critical);
}

int frmMusterwright::Read_Troops()
{
    lists_.troopEntries.setStringList({});
    lists_.memberEntries.setStringList({});
    lists_.upgradeEntries.setStringList({});
    const QString path = txtFolder->text() + QStringLiteral("troops.txt");
    if (!fileExists(path))
        return 1;
    int result = 1;
    runReported(messages_, [&] {
        state_.TroopLines = readLines(path);
        TroopFileRead read = readTroopFile(state_.TroopLines, state_.LinesPerTroop);
        if (read.gameVersion) {
            state_.GameVersion = *read.gameVersion;
            frmTroops->setFaceBoxesEnabled(state_.GameVersion == QStringLiteral("0.90x"));
        }
        if (read.linesPerTroop)
            state_.LinesPerTroop = *read.linesPerTroop;
        lists_.troopEntries.setStringList(read.troopEntries);
        lists_.memberEntries.setStringList(read.memberEntries);
        lists_.upgradeEntries.setStringList(read.upgradeEntries);
        if (read.summaryRow)
            state_.TroopLines.set(2, *read.summaryRow, QStringLiteral("troops.txt"));
        showAll(messages_, read.messages);
        if (read.error)
            throw *read.error;
        result = 0;
    });
    return result;
}

int frmMusterwright::Read_Items()
{
    lists_.itemEntries.setStringList({});
    const QString path = txtFolder->text() + QStringLiteral("item_kinds1.txt");
    if (!fileExists(path))
        return 1;
    int result = 1;
    runReported(messages_, [&] {
        const CatalogRead read = readItemCatalog(readLines(path));
        lists_.itemEntries.setStringList(read.entries);
        showAll(messages_, read.messages);
        if (read.error)
            throw *read.error;
        result = 0;
    });
    return result;
}

int frmMusterwright::Read_Factions()
{
    lists_.factionEntries.setStringList({});
    const QString path = txtFolder->text() + QStringLiteral("factions.txt");
    if (!fileExists(path))
        return 1;
    int result = 1;
    runReported(messages_, [&] {
        const LineArray lines = readLines(path);
        const CatalogRead read = readFactionCatalog(lines, state_.GameVersion);
        showAll(messages_, read.messages);
        lists_.factionEntries.setStringList(read.entries);
        if (read.error)
            throw *read.error;
        result = 0;
    });
    return result;
}

int frmMusterwright::Read_Party_Templates()
{
    lists_.templateEntries.setStringList({});
    const QString path = txtFolder->text() + QStringLiteral("party_templates.txt");
    if (!fileExists(path))
        return 1;
    int result = 1;
    runReported(messages_, [&] {
        state_.PTLines = readLines(path);
        const TemplateFileRead read = readTemplateFile(state_.PTLines);
        lists_.templateEntries.setStringList(read.entries);
        if (read.error)
            throw *read.error;
        result = 0;
    });
    return result;
}

int frmMusterwright::Read_Parties()
{
    lists_.partyEntries.setStringList({});
    const QString path = txtFolder->text() + QStringLiteral("parties.txt");
    if (!fileExists(path))
        return 1;
    int result = 1;
    runReported(messages_, [&] {
        state_.PartyLines = readLines(path);
        const PartyFileRead read = readPartyFile(state_.PartyLines);
        lists_.partyEntries.setStringList(read.entries);
        if (read.error)
            throw *read.error;
        result = 0;
    });
    return result;
}

void frmMusterwright::Read_Musterwright_INI()
{
    const QString path = QStringLiteral("Musterwright.ini");
    if (!fileExists(path))
        return;
    runReported(messages_, [&] {
        const LineArray lines = readLines(path);
        for (const auto& line : lines.lines()) {
            if (line.rfind("DEFAULT_FOLDER=", 0) != 0)
                continue;
            // The text between the first and the second "=".
            const size_t start = line.find('=') + 1;
            const size_t end = line.find('=', start);
            const std::string folder = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
            txtFolder->setText(AddBackSlash(decodeText(folder, lines.codec())));
        }
    });
}

} // namespace mw
