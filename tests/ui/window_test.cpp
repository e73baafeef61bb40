// The window's start, panel switching, the folder load with its outcomes, and Save, each
// through the controls a user works.
#include "app/shelltexts.h"
#include "support/window_fixture.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace mw;
using namespace mw::test;

namespace {

const QString sep = QDir::separator();

// The visible panel and the enabled controls of the strip, as "frmTroops: cmdBrowse,cmdSave".
std::string layout(const User& user)
{
    QStringList panels, enabled;
    for (const char* panel : { "frmInstructions", "frmTroops", "frmParties", "frmParty_Templates" })
        if (!user.find(panel)->isHidden())
            panels << panel;
    for (const char* control : { "cmbChooseFile", "cmdBrowse", "cmdUpdate", "cmdSave" })
        if (user.find(control)->isEnabled())
            enabled << control;
    return (panels.join(',') + ": " + enabled.join(',')).toStdString();
}

const std::string kAllEnabled = ": cmbChooseFile,cmdBrowse,cmdUpdate,cmdSave";

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QString summary(const QString& folder, const QString& rows)
{
    return "The following files in " + folder + " were updated:\r\n\r\n" + rows;
}

} // namespace

using WindowFlow = WindowTest;

TEST_F(WindowFlow, StartsOnTheInstructions)
{
    EXPECT_EQ(window.windowTitle(), "Varnholt - Unofficial Musterwright v1.4");
    EXPECT_EQ(itemsOf(user.find<QComboBox>("cmbChooseFile")),
        QStringList({ "Instructions", "parties.txt", "party_templates.txt", "troops.txt" }));
    EXPECT_EQ(user.text("cmbChooseFile"), "Instructions");
    EXPECT_EQ(layout(user), "frmInstructions: cmdBrowse");
    EXPECT_EQ(user.text("txtFolder"), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + sep);
    EXPECT_TRUE(user.find<QLineEdit>("txtFolder")->isReadOnly());
    EXPECT_EQ(said(), "");

    const QString expected
        = "\r\n"
          " 1) click the 'Browse' button and choose your Varnholt module folder\r\n"
          " 2) use the Filename combo box to choose the file you wish to modify\r\n"
          " 3) click on a troop or party you wish to edit and then make any changes you want\r\n"
          " 4) after you are done making changes to that troop or party click 'Update'\r\n"
          "     Note:  this must be done after each troop or party is modified\r\n"
          " 5) click the 'Save' button to save any updates you have made to the text files\r\n"
          "     Note:  you may want to manually backup these files before saving any changes\r\n"
          " 6) You will usually have to start a new saved game to see any of these changes in Varnholt\r\n";
    EXPECT_EQ(instructionsText(), expected);
    EXPECT_EQ(user.find<QPlainTextEdit>("Text1")->toPlainText(), QString(expected).replace("\r\n", "\n"));
}

// Controls and groups are read out by their captions; only the buttons with a shortcut have
// a tooltip, which names it.
TEST_F(WindowFlow, EveryControlHasAnAccessibleNameAndNoDescription)
{
    const std::map<QString, QString> tips = { { "cmdBrowse", "Load a module folder (Ctrl+O)" },
        { "cmdUpdate", "Apply the panel to the selected record (Ctrl+Return)" },
        { "cmdSave", "Write troops.txt, party_templates.txt and parties.txt (Ctrl+S)" } };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
            || qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w)
            || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QGroupBox*>(w);
        if (!control || w->objectName().startsWith("qt_") || w->parent()->inherits("QComboBox")
            || w->parent()->inherits("QComboBoxPrivateContainer"))
            continue;
        const std::string name = w->objectName().toStdString();
        EXPECT_FALSE(name.empty()) << w->metaObject()->className();
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(w->accessibleDescription().isEmpty()) << name;
        EXPECT_EQ(w->toolTip(), tips.count(w->objectName()) ? tips.at(w->objectName()) : "") << name;
        if (const auto* group = qobject_cast<QGroupBox*>(w)) {
            EXPECT_EQ(group->accessibleName(), group->title()) << name;
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy()) {
            EXPECT_EQ(label->buddy()->accessibleName(), label->text()) << label->objectName().toStdString();
        }
    }
}

TEST_F(WindowFlow, AWholeFolderLoadsSilentlyThenPanelsSwitchAndCancelKeepsIt)
{
    const QString folder = makeModule("good");
    browseTo(folder);
    EXPECT_EQ(chooser.askedTitle, "Select a Varnholt module folder to modify:");
    EXPECT_EQ(chooser.askedStart, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + sep);
    EXPECT_EQ(chooser.askedOwner, &window);
    EXPECT_EQ(chooser.askedFlags, 65);
    EXPECT_EQ(user.text("txtFolder"), folder);
    EXPECT_EQ(said(), "");
    EXPECT_EQ(layout(user), "frmInstructions" + kAllEnabled);
    EXPECT_EQ(window.lists().troopEntries.rowCount(), 12);

    for (const auto& [choice, panel] : std::vector<std::pair<QString, std::string>> { { "troops.txt", "frmTroops" },
             { "party_templates.txt", "frmParty_Templates" }, { "Instructions", "frmInstructions" },
             { "parties.txt", "frmParties" } }) {
        user.choose("cmbChooseFile", choice);
        EXPECT_EQ(layout(user), panel + kAllEnabled);
    }

    // A second load shows the instructions while the selector keeps its text.
    browseTo(folder);
    EXPECT_EQ(layout(user), "frmInstructions" + kAllEnabled);
    EXPECT_EQ(user.text("cmbChooseFile"), "parties.txt");
    user.reopen("cmbChooseFile"); // choosing the entry it shows shows its panel again
    EXPECT_EQ(layout(user), "frmParties" + kAllEnabled);
    user.choose("cmbChooseFile", "troops.txt");

    const int parties = window.lists().partyEntries.rowCount();
    chooser.answers = { QString(), "   " }; // a cancel, and a choice that yields no path
    for (int i = 0; i < 2; ++i) {
        user.click("cmdBrowse");
        EXPECT_EQ(chooser.askedStart, folder);
        EXPECT_EQ(user.text("txtFolder"), folder);
        EXPECT_EQ(layout(user), "frmTroops" + kAllEnabled);
        EXPECT_EQ(window.lists().partyEntries.rowCount(), parties);
        EXPECT_EQ(said(), "");
    }

    // The command line's --panel chooses a file without the list; its panel shows all the same.
    ASSERT_TRUE(window.chooseFile("party_templates.txt"));
    EXPECT_EQ(layout(user), "frmParty_Templates" + kAllEnabled);
}

TEST_F(WindowFlow, MissingFilesAreNamedInOrder)
{
    const std::vector<std::pair<std::vector<std::string>, QString>> cases = {
        { { "factions.txt", "parties.txt" }, "\r\n  factions.txt\r\n  parties.txt" },
        { { "parties.txt", "item_kinds1.txt", "troops.txt", "party_templates.txt", "factions.txt" },
            "\r\n  troops.txt\r\n  item_kinds1.txt\r\n  factions.txt\r\n  party_templates.txt\r\n  parties.txt" },
    };
    for (const auto& [skip, listed] : cases) {
        recorder.clear();
        const QString folder = makeModule(QString::number(skip.size()), {}, skip);
        browseTo(folder);
        ASSERT_EQ(said(), ("Unable to open the following files in " + folder + "\r\n" + listed).toStdString());
        EXPECT_EQ(recorder.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(layout(user), "frmInstructions: cmdBrowse");
    }
}

// A second folder that lacks files must never receive the first folder's lines.
TEST_F(WindowFlow, StaleLinesAreNeverSavedIntoAnotherFolder)
{
    browseTo(makeModule("first", { .troops = 20 }));
    const QString partial = makeModule("second", {}, { "troops.txt", "parties.txt" });
    const auto before = written(partial);
    browseTo(partial);
    EXPECT_EQ(layout(user), "frmInstructions: cmbChooseFile,cmdBrowse"); // the selector stays enabled
    EXPECT_EQ(window.lists().troopEntries.rowCount(), 0);
    recorder.clear();
    user.click("cmdSave"); // disabled
    window.cmdSave_Click(); // and if reached, nothing is written
    window.cmdUpdate_Click();
    EXPECT_EQ(said(), "");
    EXPECT_EQ(written(partial), before);

    // A whole folder enables them again, with nothing of the first folder left.
    browseTo(makeModule("third"));
    EXPECT_TRUE(user.find("cmdSave")->isEnabled());
    EXPECT_EQ(window.lists().troopEntries.rowCount(), 12);
}

TEST_F(WindowFlow, SaveRewritesWithCrLfAndReportsTheLines)
{
    const QString folder = makeModule("good", { .lfOnly = true });
    const QByteArray troops = QByteArray::fromStdString(fileBytes(folder + "troops.txt"));
    browseTo(folder);
    user.click("cmdSave");
    ASSERT_EQ(said(),
        summary(folder, "troops.txt (86 lines)\r\nparty_templates.txt (8 lines)\r\nparties.txt (14 lines)")
            .toStdString());
    EXPECT_EQ(recorder.shown[0].icon, MessageIcon::None);
    const std::string first = fileBytes(folder + "troops.txt");
    EXPECT_EQ(first, QByteArray(troops).replace("\n", "\r\n").toStdString()); // only the line ends changed
    user.click("cmdSave");
    EXPECT_EQ(fileBytes(folder + "troops.txt"), first);
}

// A writer that fails leaves an empty line in the summary (one writer failing alone: the
// save safety tests); a vanished folder fails every writer and is not made again.
TEST_F(WindowFlow, AVanishedFolderFailsEveryWriter)
{
    const QString folder = makeModule("good");
    browseTo(folder);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    recorder.clear();
    recorder.answers = { true, true, true }; // each counts as changed since the load: overwrite it
    user.click("cmdSave");
    QStringList expected;
    for (const QString name : { "troops.txt", "party_templates.txt", "parties.txt" })
        expected << name + " was changed by another program after it was loaded. Overwrite it with your updates?"
                 << "Error #75: Cannot write " + folder + name + ": No such file or directory";
    EXPECT_EQ(recorder.texts(), expected << summary(folder, "\r\n\r\n"));
    EXPECT_FALSE(QDir(folder).exists());
}

TEST_F(WindowFlow, SettingsFileSetsTheDefaultFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    QFile ini("Musterwright.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("; comment\r\nDEFAULT_FOLDER=/first/one\r\ndefault_folder=/ignored\r\nDEFAULT_FOLDER=/mods/last=x\r\n");
    ini.close();
    window.Read_Musterwright_INI();
    QDir::setCurrent(previous);
    EXPECT_EQ(user.text("txtFolder"), "/mods/last" + sep);
    EXPECT_EQ(said(), "");
}

// Two files are read on another thread, but what the readers say comes in the files' order.
TEST_F(WindowFlow, ReadersSpeakInTheFilesOrder)
{
    const QString folder = makeModule("damaged", { .troops = 3, .templates = 3 }, { "parties.txt" });
    const auto cut = [&](const char* name, int keep) { // keeps `keep` lines, the last one's first field
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n').mid(0, keep);
        file.close();
        lines.last() = lines.last().left(lines.last().indexOf(' '));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n'));
    };
    cut("troops.txt", 6);
    cut("party_templates.txt", 5);
    browseTo(folder);
    EXPECT_EQ(said(),
        "1 troops exist in this file but the summary row has 3 \r\nThis value will be updated when a new file is "
        "saved.|unknown version , Varnholt version 0.90x will be used.|Error #9: Subscript out of range: line 5 "
        "of party_templates.txt has 1 field, field 1 was asked for|Unable to open the following files in "
            + folder.toStdString() + "\r\n\r\n  party_templates.txt\r\n  parties.txt");
}
