// Modules of the newer file generation in the whole window: every record shown and updated
// unchanged, then saved, gives the files back byte for byte; a later generation's troops and
// parties are read but refused at Update and Save.
#include "support/window_fixture.h"

#include <QListView>

using namespace mw;
using namespace mw::test;

namespace {

int rowsOf(User& user, const QString& list)
{
    return user.find<QListView>(list)->model()->rowCount();
}

// Shows every record of the file's list and presses Update on each.
void updateEveryRecord(User& user, const QString& file, const QString& list)
{
    user.choose("cmbChooseFile", file);
    for (int k = 0; k < rowsOf(user, list); ++k) {
        user.clickRow(list, k);
        user.click("cmdUpdate");
    }
}

QStringList listEntries(User& user)
{
    const auto* model = user.find<QListView>("ListItems")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

} // namespace

TEST_F(WindowTest, NewerModuleRoundTripsThroughShowUpdateAndSave)
{
    mwgen::ModuleSpec plan;
    plan.newer = true;
    plan.troops = 40;
    plan.parties = 30;
    plan.linesPerTroop = 6;
    const QString folder = makeModule("newer", plan);
    const auto before = written(folder);
    browseTo(folder);
    updateEveryRecord(user, "troops.txt", "ListTroops");
    updateEveryRecord(user, "party_templates.txt", "lstPartyTemplates");
    updateEveryRecord(user, "parties.txt", "lstParties");
    EXPECT_EQ(rowsOf(user, "lstParties"), 30);
    user.click("cmdSave");
    EXPECT_EQ(written(folder), before);
}

TEST_F(WindowTest, ShowsAnItemModifierAndCarriesItWithItsItem)
{
    mwgen::ModuleSpec plan;
    plan.newer = true;
    const QString folder = makeModule("m", plan);
    replaceLines(folder + "troops.txt", 11, { mwgen::inventoryLine({ 5, 7 }, { 637534208, 0 }) }); // troop 1
    open(folder, "troops.txt", 1);
    auto* catalogue = user.find<QComboBox>("cmbItems");
    const QString five = catalogue->itemText(4) + " [modifier 637534208]", seven = catalogue->itemText(6);
    EXPECT_EQ(listEntries(user), QStringList({ five, seven }));
    user.clickRow("ListItems", 0);
    user.click("cmdDown");
    EXPECT_EQ(listEntries(user), QStringList({ seven, five }));
    user.click("cmdUpdate");
    user.click("cmdSave");
    EXPECT_EQ(splitCrLf(fileBytes(folder + "troops.txt")).at(10), mwgen::inventoryLine({ 7, 5 }, { 0, 637534208 }));
}

TEST_F(WindowTest, LaterGenerationIsReadButNeverWritten)
{
    const QString folder = makeModule("later");
    replaceLines(folder + "troops.txt", 1, { "troopsfile version 3" });
    replaceLines(folder + "parties.txt", 1, { "partiesfile version 2" });
    const auto before = written(folder);
    const std::string later = " begins with \"%1\", a later generation of the file than this editor knows, so nothing "
                              "is written to it";
    const auto refusal = [&](const char* file, const char* head) {
        return file + QString::fromStdString(later).arg(head).toStdString();
    };

    open(folder, "troops.txt", 1);
    recorder.clear();
    user.click("cmdUpdate");
    EXPECT_EQ(said(), refusal("troops.txt", "troopsfile version 3") + "; the troop was not updated.");
    open(folder, "parties.txt", 1);
    recorder.clear();
    user.click("cmdUpdate");
    EXPECT_EQ(said(), refusal("parties.txt", "partiesfile version 2") + ". Nothing was updated.");

    recorder.clear();
    user.click("cmdSave");
    EXPECT_EQ(said(),
        refusal("troops.txt", "troopsfile version 3") + "; it was not saved.|"
            + refusal("parties.txt", "partiesfile version 2") + "; it was not saved.|The following files in "
            + folder.toStdString() + " were updated:\r\n\r\ntroops.txt (not saved)\r\nparty_templates.txt (8 lines)\r\n"
            + "parties.txt (not saved)");
    EXPECT_EQ(written(folder), before);
}
