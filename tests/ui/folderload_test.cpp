// The window's start, panel switching and the folder load with its outcomes.
#include "app/addbackslash.h"
#include "app/instructionspanel.h"
#include "app/shelltexts.h"
#include "parties/partiespanel.h"
#include "parties/templatepanel.h"
#include "support/window_fixture.h"
#include "troops/trooppanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace mw;
using namespace mw::test;

namespace {

const QString sep = QDir::separator();

QString visiblePanel(frmMusterwright& w)
{
    QStringList shown;
    for (QWidget* panel : std::initializer_list<QWidget*>{w.frmInstructions, w.frmTroops, w.frmParties, w.frmParty_Templates})
        if (!panel->isHidden())
            shown << panel->objectName();
    return shown.join(',');
}

} // namespace

TEST(AddBackSlash, AppendsOneSeparator)
{
    EXPECT_EQ(AddBackSlash(""), sep);
    EXPECT_EQ(AddBackSlash(sep), sep);
    EXPECT_EQ(AddBackSlash("/mods/test"), "/mods/test" + sep);
    EXPECT_EQ(AddBackSlash("/mods/test" + sep), "/mods/test" + sep);
}

TEST_F(WindowTest, StartsOnTheInstructions)
{
    EXPECT_EQ(window->windowTitle(), "Varnholt - Unofficial Musterwright v1.4");
    EXPECT_EQ(window->cmbChooseFile->currentText(), "Instructions");
    EXPECT_EQ(visiblePanel(*window), "frmInstructions");
    EXPECT_FALSE(window->cmbChooseFile->isEnabled());
    EXPECT_FALSE(window->cmdUpdate->isEnabled());
    EXPECT_FALSE(window->cmdSave->isEnabled());
    EXPECT_TRUE(window->cmdBrowse->isEnabled());
    EXPECT_EQ(window->txtFolder->text(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + sep);
    EXPECT_TRUE(window->txtFolder->isReadOnly());

    QStringList levels;
    for (int i = 0; i <= 15; ++i)
        levels << QString::number(i);
    for (QComboBox* combo : {window->frmParty_Templates->cmbPTCourage, window->frmParty_Templates->cmbPTAgressiveness}) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        EXPECT_EQ(entries, levels);
    }
    QStringList choices;
    for (int i = 0; i < window->cmbChooseFile->count(); ++i)
        choices << window->cmbChooseFile->itemText(i);
    EXPECT_EQ(choices, QStringList({"Instructions", "parties.txt", "party_templates.txt", "troops.txt"}));
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(WindowTest, InstructionsTextCharacterForCharacter)
{
    const QString expected =
        "\r\n"
        " 1) click the 'Browse' button and choose your Varnholt module folder\r\n"
        " 2) use the Filename combo box to choose the file you wish to modify\r\n"
        " 3) click on a troop or party you wish to edit and then make any changes you want\r\n"
        " 4) after you are done making changes to that troop or party click 'Update'\r\n"
        "     Note:  this must be done after each troop or party is modified\r\n"
        " 5) click the 'Save' button to save any updates you have made to the text files\r\n"
        "     Note:  you may want to manually backup these files before saving any changes\r\n"
        " 6) You will usually have to start a new saved game to see any of these changes in Varnholt\r\n";
    EXPECT_EQ(instructionsText(), expected);
    EXPECT_EQ(window->frmInstructions->Text1->toPlainText(), QString(expected).replace("\r\n", "\n"));
}

TEST_F(WindowTest, EveryControlHasAnAccessibleNameAndNoDescription)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w);
        if (!control || w->objectName().startsWith("qt_") || w->parent()->inherits("QComboBox") ||
            w->parent()->inherits("QComboBoxPrivateContainer"))
            continue;
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(w->accessibleDescription().isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }
}

TEST_F(WindowTest, AGoodFolderEnablesTheCommandsSilently)
{
    const QString folder = makeModule("good");
    window->cmbChooseFile->setEnabled(true);
    window->cmbChooseFile->setCurrentText("troops.txt");
    browseTo(folder);

    EXPECT_EQ(chooser.askedTitle, "Select a Varnholt module folder to modify:");
    EXPECT_EQ(chooser.askedStart, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + sep);
    EXPECT_EQ(chooser.askedOwner, window.get());
    EXPECT_EQ(chooser.askedFlags, 65);
    EXPECT_EQ(window->txtFolder->text(), folder);
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_TRUE(window->cmbChooseFile->isEnabled());
    EXPECT_TRUE(window->cmdUpdate->isEnabled());
    EXPECT_TRUE(window->cmdSave->isEnabled());
    // The instructions show while the selector keeps its text.
    EXPECT_EQ(visiblePanel(*window), "frmInstructions");
    EXPECT_EQ(window->cmbChooseFile->currentText(), "troops.txt");
    EXPECT_EQ(window->lists().troopEntries.rowCount(), 12);
    EXPECT_GT(window->state().TroopLines.count(), 12 * 6);
}

TEST_F(WindowTest, MissingFilesAreNamedInOrder)
{
    struct Case {
        std::vector<std::string> skip;
        QStringList listed;
    };
    const std::vector<Case> cases = {
        {{"factions.txt", "parties.txt"}, {"factions.txt", "parties.txt"}},
        {{"parties.txt", "item_kinds1.txt", "troops.txt", "party_templates.txt", "factions.txt"},
         {"troops.txt", "item_kinds1.txt", "factions.txt", "party_templates.txt", "parties.txt"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        recorder.clear();
        const QString folder = makeModule(QString("partial%1").arg(n++), {}, c.skip);
        browseTo(folder);
        QString expected = "Unable to open the following files in " + folder + "\r\n";
        for (const auto& name : c.listed)
            expected += "\r\n  " + name;
        ASSERT_FALSE(recorder.shown.empty());
        EXPECT_EQ(recorder.shown.back().text, expected);
        EXPECT_EQ(recorder.shown.back().icon, MessageIcon::Critical);
        EXPECT_FALSE(window->cmdUpdate->isEnabled());
        EXPECT_FALSE(window->cmdSave->isEnabled());
        EXPECT_FALSE(window->cmbChooseFile->isEnabled());
    }
}

TEST_F(WindowTest, CancelChangesNothing)
{
    const QString folder = makeModule("good");
    browseTo(folder);
    window->cmbChooseFile->setCurrentText("parties.txt");
    const int entries = window->lists().partyEntries.rowCount();
    recorder.clear();

    chooser.answers.push_back(QString()); // cancel
    window->cmdBrowse_Click();
    EXPECT_EQ(chooser.askedStart, folder);
    EXPECT_EQ(window->txtFolder->text(), folder);
    EXPECT_EQ(visiblePanel(*window), "frmParties");
    EXPECT_EQ(window->lists().partyEntries.rowCount(), entries);
    EXPECT_TRUE(recorder.shown.empty());

    chooser.answers.push_back("   "); // a choice that yields no path
    window->cmdBrowse_Click();
    EXPECT_EQ(window->txtFolder->text(), folder);
}

TEST_F(WindowTest, PanelsSwitchWithTheSelector)
{
    browseTo(makeModule("good"));
    const std::vector<std::pair<QString, QString>> cases = {
        {"troops.txt", "frmTroops"},
        {"party_templates.txt", "frmParty_Templates"},
        {"parties.txt", "frmParties"},
        {"Instructions", "frmInstructions"},
    };
    for (const auto& [choice, panel] : cases) {
        window->cmbChooseFile->setCurrentText(choice);
        EXPECT_EQ(visiblePanel(*window), panel) << choice.toStdString();
    }
}

// A second folder that lacks files must never receive the first folder's lines.
TEST_F(WindowTest, StaleLinesAreNeverSavedIntoAnotherFolder)
{
    mwgen::ModuleSpec first;
    first.troops = 20;
    const QString good = makeModule("first", first);
    browseTo(good);
    ASSERT_TRUE(window->cmdSave->isEnabled());

    const QString partial = makeModule("second", {}, {"troops.txt", "parties.txt"});
    const std::string templatesBefore = fileBytes(partial + "party_templates.txt");
    browseTo(partial);
    EXPECT_FALSE(window->cmdUpdate->isEnabled());
    EXPECT_FALSE(window->cmdSave->isEnabled());
    EXPECT_TRUE(window->cmbChooseFile->isEnabled()); // enabled by the first load
    EXPECT_EQ(window->lists().troopEntries.rowCount(), 0);

    recorder.clear();
    window->cmdSave_Click(); // even if reached, nothing is written
    window->cmdUpdate_Click();
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(fileBytes(partial + "troops.txt"), "<missing>");
    EXPECT_EQ(fileBytes(partial + "parties.txt"), "<missing>");
    EXPECT_EQ(fileBytes(partial + "party_templates.txt"), templatesBefore);

    // A whole folder enables them again, with nothing of the first folder left.
    const QString third = makeModule("third");
    browseTo(third);
    EXPECT_TRUE(window->cmdSave->isEnabled());
    EXPECT_EQ(window->lists().troopEntries.rowCount(), 12);
}

TEST_F(WindowTest, SaveWritesTheThreeFilesAndReportsTheirLines)
{
    mwgen::ModuleSpec spec;
    spec.lfOnly = true;
    const QString folder = makeModule("good", spec);
    const std::string troopsBefore = fileBytes(folder + "troops.txt");
    browseTo(folder);
    window->cmdSave_Click();

    const auto& s = window->state();
    const QString expected = "The following files in " + folder + " were updated:\r\n\r\n" +
                             QString("troops.txt (%1 lines)\r\n").arg(s.TroopLines.count()) +
                             QString("party_templates.txt (%1 lines)\r\n").arg(s.PTLines.count()) +
                             QString("parties.txt (%1 lines)").arg(s.PartyLines.count());
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].text, expected);
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);

    // Only the line ends changed.
    std::string crlf;
    for (char c : troopsBefore) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const std::string afterFirst = fileBytes(folder + "troops.txt");
    EXPECT_EQ(afterFirst, crlf);
    window->cmdSave_Click();
    EXPECT_EQ(fileBytes(folder + "troops.txt"), afterFirst);
}

TEST_F(WindowTest, AFailingWriterLeavesAnEmptyLineAndTheOthersStillWrite)
{
    const QString folder = makeModule("good");
    browseTo(folder);
    // party_templates.txt cannot be replaced: a folder now stands in its place.
    ASSERT_TRUE(QFile::remove(folder + "party_templates.txt"));
    ASSERT_TRUE(QDir().mkdir(folder + "party_templates.txt"));
    QFile::remove(folder + "parties.txt");
    recorder.clear();
    window->cmdSave_Click();

    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_TRUE(recorder.shown[0].text.startsWith("Error #")) << recorder.shown[0].text.toStdString();
    EXPECT_TRUE(recorder.shown[0].text.contains("party_templates.txt"));
    const auto& s = window->state();
    EXPECT_EQ(recorder.shown[1].text, "The following files in " + folder + " were updated:\r\n\r\n" +
                                          QString("troops.txt (%1 lines)\r\n\r\n").arg(s.TroopLines.count()) +
                                          QString("parties.txt (%1 lines)").arg(s.PartyLines.count()));
    EXPECT_NE(fileBytes(folder + "parties.txt"), "<missing>");
    EXPECT_TRUE(QFileInfo(folder + "party_templates.txt").isDir());
}

TEST_F(WindowTest, AVanishedFolderIsReportedForEachFile)
{
    const QString folder = makeModule("gone");
    browseTo(folder);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    recorder.clear();
    window->cmdSave_Click();
    ASSERT_EQ(recorder.shown.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(recorder.shown[i].text.startsWith("Error #")) << recorder.shown[i].text.toStdString();
    EXPECT_EQ(recorder.shown[3].text, "The following files in " + folder + " were updated:\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(QDir(folder).exists());
}

TEST_F(WindowTest, SettingsFileSetsTheDefaultFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    {
        QFile ini("Musterwright.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("; comment\r\nDEFAULT_FOLDER=/first/one\r\ndefault_folder=/ignored\r\nDEFAULT_FOLDER=/mods/last=x\r\n");
    }
    window->Read_Musterwright_INI();
    QDir::setCurrent(previous);
    EXPECT_EQ(window->txtFolder->text(), "/mods/last" + sep);
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(WindowTest, ASecondFolderReplacesEveryList)
{
    mwgen::ModuleSpec first;
    first.version = "0.95x";
    first.troops = 20;
    first.items = 50;
    first.factions = 8;
    first.templates = 9;
    first.parties = 9;
    browseTo(makeModule("first", first));
    const auto& l = window->lists();
    EXPECT_EQ(l.factionEntries.data(l.factionEntries.index(0)).toString(), "0 - No_Faction");
    EXPECT_FALSE(window->frmTroops->txtFace1->isEnabled());

    browseTo(makeModule("second")); // 12 troops, 30 items, 5 factions, 6 templates, 6 parties, 0.90x
    EXPECT_TRUE(recorder.shown.empty()) << recorder.texts().join('|').toStdString();
    EXPECT_EQ(window->state().GameVersion, "0.90x");
    EXPECT_TRUE(window->frmTroops->txtFace1->isEnabled());
    const std::vector<std::pair<const QStringListModel*, int>> counts = {
        {&l.troopEntries, 12}, {&l.memberEntries, 12}, {&l.upgradeEntries, 12},  {&l.itemEntries, 29},
        {&l.factionEntries, 6}, {&l.templateEntries, 6}, {&l.partyEntries, 6},
    };
    for (const auto& [model, rows] : counts)
        EXPECT_EQ(model->rowCount(), rows);
    EXPECT_EQ(l.factionEntries.data(l.factionEntries.index(0)).toString(), "0 - Player_Faction");
    EXPECT_EQ(l.memberEntries.data(l.memberEntries.index(0)).toString(), "0 - None");
    EXPECT_EQ(window->frmParty_Templates->cmbPTTroops[5]->count(), 12);
    EXPECT_EQ(window->frmParties->cmbPTemplates->count(), 6);
}
