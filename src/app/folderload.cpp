// Choosing and loading a module folder: Browse, the five readers in their fixed order,
// and the missing-files report. After a load in which any reader failed, Update and Save
// stay disabled, so no file of one folder is ever written with another folder's lines or
// with a partial read.
#include "app/addbackslash.h"
#include "app/folderchooser.h"
#include "app/frmmusterwright.h"
#include "app/instructionspanel.h"
#include "app/readahead.h"
#include "app/shelltexts.h"
#include "catalog/catalogs.h"
#include "core/aside.h"
#include "core/modulefiles.h"
#include "core/textfiles.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"
#include "troops/panel/trooppanel.h"
#include "troops/troopfile.h"
#include "widgets/recordpanel.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <future>

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
    showPanel(frmInstructions);

    // Until every reader has succeeded, what is in memory is not this folder's whole data.
    moduleComplete_ = false;
    // item_kinds1.txt and party_templates.txt are read on a worker thread meanwhile, and
    // parties.txt here after troops.txt; each is shown in its turn.
    struct AsideFiles {
        FileRead<CatalogRead> items;
        FileRead<TemplateFileRead> templates;
    };
    std::future<AsideFiles> aside = runAside([folder] {
        return AsideFiles { readFileAhead<CatalogRead>(folder + kItemsFile, readItemCatalog),
            readFileAhead<TemplateFileRead>(folder + kTemplatesFile, readTemplateFile) };
    });
    std::array<bool, 5> failed {};
    failed[0] = Read_Troops() != 0;
    FileRead<PartyFileRead> parties = readFileAhead<PartyFileRead>(folder + kPartiesFile, readPartyFile);
    AsideFiles files = aside.get();
    failed[1] = Read_Items(files.items) != 0;
    failed[2] = Read_Factions() != 0;
    failed[3] = Read_Party_Templates(files.templates) != 0;
    failed[4] = Read_Parties(parties) != 0;
    loadedStamps_.stampInBackground();
    for (const Editor& editor : editors_) {
        if (editor.records)
            editor.records->startOver();
    }
    showPending();
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

namespace {

// Takes a module file read by readFileAhead, here or on a worker thread: 1 when the file is
// missing or reading it failed (the failure is reported), 0 when its reader got through it.
// Its lines go to `lines`, when given, once read whole, then `show` takes what the reader
// made of them; `stamps`, when given, receives the bytes read, before any change in memory.
template <typename Result, typename Show>
int takeModuleFile(MessageService& messages, const QString& name, FileRead<Result>& file, Show&& show,
    LineArray* lines = nullptr, LoadedStamps* stamps = nullptr)
{
    if (stamps)
        stamps->read(name, file.linesRead ? std::optional<QByteArray>(file.lines.bytes()) : std::nullopt);
    if (!file.found)
        return 1;
    const bool whole = runReported(messages, [&] {
        if (lines && file.linesRead)
            *lines = std::move(file.lines);
        if (file.failure)
            std::rethrow_exception(file.failure);
        show(file.read);
    });
    return whole ? 0 : 1;
}

// Shows what a reader collected, then stops on its failure.
template <typename Result> void finishRead(MessageService& messages, const Result& read)
{
    if constexpr (requires { read.messages; })
        messages.showAll(read.messages);
    if (read.error)
        throw *read.error;
}

} // namespace

int frmMusterwright::Read_Troops()
{
    lists_.troopEntries.setStringList({});
    lists_.memberEntries.setStringList({});
    lists_.upgradeEntries.setStringList({});
    FileRead<TroopFileRead> file = readFileAhead<TroopFileRead>(txtFolder->text() + kTroopsFile,
        [&](const LineArray& lines) { return readTroopFile(lines, state_.LinesPerTroop); });
    return takeModuleFile(
        messages_, kTroopsFile, file,
        [&](const TroopFileRead& read) {
            state_.TroopGeneration = read.generation;
            if (read.gameVersion) {
                state_.GameVersion = *read.gameVersion;
                frmTroops->setFaceBoxesEnabled(state_.GameVersion == QStringLiteral("0.90x"));
            }
            if (read.linesPerTroop)
                state_.LinesPerTroop = *read.linesPerTroop;
            lists_.troopEntries.setEntries(read.troopEntries);
            lists_.memberEntries.setEntries(read.memberEntries);
            lists_.upgradeEntries.setEntries(read.upgradeEntries);
            if (read.summaryRow)
                state_.TroopLines.set(2, *read.summaryRow, kTroopsFile);
            finishRead(messages_, read);
        },
        &state_.TroopLines, &loadedStamps_);
}

int frmMusterwright::Read_Items(FileRead<CatalogRead>& file)
{
    lists_.itemEntries.setStringList({});
    return takeModuleFile(messages_, kItemsFile, file, [&](const CatalogRead& read) {
        lists_.itemEntries.setEntries(read.entries);
        finishRead(messages_, read);
    });
}

int frmMusterwright::Read_Factions()
{
    lists_.factionEntries.setStringList({});
    FileRead<CatalogRead> file = readFileAhead<CatalogRead>(txtFolder->text() + kFactionsFile,
        [&](const LineArray& lines) { return readFactionCatalog(lines, state_.GameVersion); });
    return takeModuleFile(messages_, kFactionsFile, file, [&](const CatalogRead& read) {
        lists_.factionEntries.setEntries(read.entries);
        finishRead(messages_, read);
    });
}

int frmMusterwright::Read_Party_Templates(FileRead<TemplateFileRead>& file)
{
    lists_.templateEntries.setStringList({});
    return takeModuleFile(
        messages_, kTemplatesFile, file,
        [&](const TemplateFileRead& read) {
            lists_.templateEntries.setEntries(read.entries);
            finishRead(messages_, read);
        },
        &state_.PTLines, &loadedStamps_);
}

int frmMusterwright::Read_Parties(FileRead<PartyFileRead>& file)
{
    lists_.partyEntries.setStringList({});
    return takeModuleFile(
        messages_, kPartiesFile, file,
        [&](const PartyFileRead& read) {
            state_.PartyGeneration = read.generation;
            lists_.partyEntries.setEntries(read.entries);
            finishRead(messages_, read);
        },
        &state_.PartyLines, &loadedStamps_);
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
