// A modder's working day: finding records and choices by any part of their names, working by
// keyboard alone, seeing what is updated and not saved, and a window that fits its screen.
#include "app/screenfit.h"
#include "support/window_fixture.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>

using namespace mw;
using namespace mw::test;

namespace {

// A piece of entry `row`'s name, in capitals, that no other entry contains.
QString uniquePart(const QStringList& entries, int row)
{
    const QString name = entries[row].section(" - ", 1).section(' ', 0, 0);
    for (int length = 4; length < name.size(); ++length) {
        for (int from = 1; from + length <= name.size(); ++from) {
            const QString part = name.mid(from, length).toUpper();
            if (entries.filter(part, Qt::CaseInsensitive).size() == 1)
                return part;
        }
    }
    ADD_FAILURE() << "no unique part in " << entries[row].toStdString();
    return name;
}

// The rows of a list (or of a choice list's popup) that are not hidden.
std::vector<int> shownRows(const QListView* list)
{
    std::vector<int> rows;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        if (!list->isRowHidden(row))
            rows.push_back(row);
    }
    return rows;
}

std::vector<int> rowsContaining(const QStringList& entries, const QString& text)
{
    std::vector<int> rows;
    for (int row = 0; row < entries.size(); ++row) {
        if (entries[row].contains(text, Qt::CaseInsensitive))
            rows.push_back(row);
    }
    return rows;
}

QString idOf(const QString& entry)
{
    return entry.section('(', 1).chopped(1);
}

// The first and the last line (1-based) that differ between two versions of a file.
std::pair<size_t, size_t> changedSpan(const std::string& before, const std::string& after)
{
    const auto a = splitCrLf(before), b = splitCrLf(after);
    std::pair<size_t, size_t> span { 0, 0 };
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            span = { span.first ? span.first : i + 1, i + 1 };
    }
    return span;
}

} // namespace

using WorkdayTest = WindowTest;

TEST_F(WorkdayTest, FindBoxesHideRowsThatKeepTheirPositions)
{
    const QString folder = makeModule("find", { .troops = 20 });
    open(folder, "troops.txt", -1);
    auto* list = user.find<QListView>("ListTroops");
    const QStringList entries = window.lists().troopEntries.stringList();
    const int k = 13;
    const QString part = uniquePart(entries, k);

    user.click("txtFindTroop");
    user.typeKeys(part.left(2));
    EXPECT_EQ(shownRows(list), rowsContaining(entries, part.left(2)));
    user.typeKeys(part.mid(2));
    EXPECT_EQ(shownRows(list), std::vector<int> { k });
    EXPECT_EQ(list->model()->rowCount(), 20);

    // The row shown alone is still record k: its click shows troop k, Update renames entry k.
    user.clickRow("ListTroops", k);
    EXPECT_EQ(user.text("txtID"), idOf(entries[k]));
    user.click("txtName1");
    user.press(Qt::Key_A, Qt::ControlModifier);
    user.typeKeys("Found Again");
    user.press(Qt::Key_Return, Qt::ControlModifier); // Update, after the name box's check
    EXPECT_EQ(window.lists().troopEntries.stringList()[k],
        QString::number(k) + " - Found_Again (" + user.text("txtID") + ")");

    // Other text in its place; Escape shows every row; Down goes to the first shown row.
    user.click("txtFindTroop");
    user.press(Qt::Key_A, Qt::ControlModifier);
    user.typeKeys(uniquePart(entries, 2));
    EXPECT_EQ(shownRows(list), std::vector<int> { 2 });
    user.press(Qt::Key_Escape);
    EXPECT_EQ(shownRows(list).size(), 20u);
    EXPECT_EQ(user.text("txtFindTroop"), "");
    user.typeKeys(part);
    user.press(Qt::Key_Down);
    EXPECT_EQ(user.focused(), list);
    EXPECT_EQ(selectedRow(list), k);

    // The other panels' boxes; Return takes the keyboard there too. A load empties them all.
    for (const auto& [file, box, listName, idBox, model] :
        { std::tuple { "party_templates.txt", "txtFindTemplate", "lstPartyTemplates", "txtPTID",
              &window.lists().templateEntries },
            std::tuple {
                "parties.txt", "txtFindParty", "lstParties", "txtPartiesID", &window.lists().partyEntries } }) {
        user.choose("cmbChooseFile", file);
        const QStringList records = model->stringList();
        user.click(box);
        user.typeKeys(uniquePart(records, 4));
        user.press(Qt::Key_Return);
        EXPECT_EQ(selectedRow(user.find<QListView>(listName)), 4) << box;
        EXPECT_EQ(user.text(idBox), idOf(records[4])) << box;
    }
    browseTo(folder);
    for (const char* box : { "txtFindTroop", "txtFindTemplate", "txtFindParty" })
        EXPECT_EQ(user.text(box), "") << box;
    EXPECT_EQ(shownRows(list).size(), 20u);
}

TEST_F(WorkdayTest, ChoiceListsFindAnEntryByAnyPartOfItsText)
{
    const QString folder = makeModule("choices");
    open(folder, "troops.txt", 1);
    const SharedLists& l = window.lists();
    for (const auto& [file, name, index, model, row] :
        { std::tuple { "troops.txt", "cmbItems", -1, &l.itemEntries, 17 },
            std::tuple { "troops.txt", "cmbUpgradePathB", -1, &l.upgradeEntries, 9 },
            std::tuple { "troops.txt", "cmbFactions", -1, &l.factionEntries, 3 },
            std::tuple { "party_templates.txt", "cmbPTTroops", 4, &l.memberEntries, 10 },
            std::tuple { "parties.txt", "cmbPTemplates", -1, &l.templateEntries, 5 } }) {
        user.choose("cmbChooseFile", file);
        auto* combo = user.find<QComboBox>(name, index);
        combo->setFocus(Qt::TabFocusReason);
        user.typeKeys(uniquePart(model->stringList(), row));
        EXPECT_EQ(combo->currentIndex(), row) << name;
        combo->view()->keyboardSearch(QString()); // a new search, as after a pause in typing
        user.typeKeys("#%"); // in no entry: the choice stays
        EXPECT_EQ(combo->currentIndex(), row) << name;
        EXPECT_FALSE(combo->isEditable()) << name;
    }

    // The item find box narrows the choices; Return chooses the first and adds nothing.
    user.choose("cmbChooseFile", "troops.txt");
    auto* items = user.find<QComboBox>("cmbItems");
    auto* inventory = user.find<QListWidget>("ListItems");
    const int carried = inventory->count();
    const QStringList entries = l.itemEntries.stringList();
    user.click("txtFindItem");
    user.typeKeys("HILD");
    const std::vector<int> expected = rowsContaining(entries, "hild");
    ASSERT_GE(expected.size(), 3u);
    ASSERT_NE(expected[1], expected[0] + 1); // so that stepping over hidden rows shows
    EXPECT_EQ(shownRows(static_cast<QListView*>(items->view())), expected);
    user.press(Qt::Key_Return);
    EXPECT_EQ(items->currentIndex(), expected[0]);
    EXPECT_EQ(inventory->count(), carried);
    // Down and End move among the shown choices only.
    EXPECT_EQ(user.focused(), items);
    user.press(Qt::Key_Down);
    EXPECT_EQ(items->currentIndex(), expected[1]);
    user.press(Qt::Key_End);
    EXPECT_EQ(items->currentIndex(), expected.back());
}

// Open a folder, find a troop by part of its name, change a skill, add an item found by name,
// Update, find a template, change a member troop found by name, Update, Save: keys only.
TEST_F(WorkdayTest, AWorkingDayByKeyboardAlone)
{
    const QString folder = makeModule("day");
    const auto before = written(folder);
    const auto keysTo = [this](const QString& name, int index, Qt::KeyboardModifiers modifiers) {
        for (int i = 0; i < 60 && user.focused() != user.find(name, index); ++i)
            user.press(Qt::Key_Tab, modifiers);
        ASSERT_EQ(user.focused(), user.find(name, index));
    };
    chooser.answers.push_back(folder.chopped(1));
    user.press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(user.text("txtFolder"), folder);
    keysTo("cmbChooseFile", -1, Qt::ShiftModifier);
    user.typeKeys("t");
    ASSERT_EQ(user.text("cmbChooseFile"), "troops.txt");

    const SharedLists& l = window.lists();
    const int troop = 6, item = 21, member = 9;
    const size_t templ = 3;
    user.press(Qt::Key_F, Qt::ControlModifier);
    user.typeKeys(uniquePart(l.troopEntries.stringList(), troop));
    user.press(Qt::Key_Return);
    keysTo("txtIronflesh", -1, {});
    user.typeKeys("7");
    keysTo("txtFindItem", -1, {});
    user.typeKeys(uniquePart(l.itemEntries.stringList(), item));
    user.press(Qt::Key_Return);
    user.press(Qt::Key_Tab);
    user.press(Qt::Key_Return); // Add
    user.press(Qt::Key_Return, Qt::ControlModifier); // Update

    user.press(Qt::Key_F, Qt::ControlModifier);
    keysTo("cmbChooseFile", -1, Qt::ShiftModifier);
    user.press(Qt::Key_Up);
    ASSERT_EQ(user.text("cmbChooseFile"), "party_templates.txt");
    user.press(Qt::Key_F, Qt::ControlModifier);
    user.typeKeys(uniquePart(l.templateEntries.stringList(), templ));
    user.press(Qt::Key_Return);
    keysTo("cmbPTTroops", 0, {});
    user.typeKeys(uniquePart(l.memberEntries.stringList(), member));
    user.press(Qt::Key_Return, Qt::ControlModifier); // Update
    user.press(Qt::Key_S, Qt::ControlModifier); // Save
    RecordProperty("keystrokes", user.keystrokes);
    std::printf("keyboard-only walk: %d keystrokes, besides the folder dialog\n", user.keystrokes);

    // Only the two records' lines changed; they read back as edited.
    const auto after = written(folder);
    const auto [first, last] = changedSpan(before.at("troops.txt"), after.at("troops.txt"));
    const size_t start = 3 + 7 * static_cast<size_t>(troop);
    EXPECT_TRUE(first >= start && last < start + 7) << first << "-" << last;
    EXPECT_EQ(changedSpan(before.at("party_templates.txt"), after.at("party_templates.txt")),
        (std::pair<size_t, size_t> { 3 + templ, 3 + templ }));
    EXPECT_EQ(after.at("parties.txt"), before.at("parties.txt"));
    open(folder, "troops.txt", troop);
    EXPECT_EQ(user.text("txtIronflesh"), "7");
    auto* inventory = user.find<QListWidget>("ListItems");
    EXPECT_EQ(inventory->item(inventory->count() - 1)->text(), l.itemEntries.stringList()[item]);
    open(folder, "party_templates.txt", templ);
    EXPECT_EQ(user.shown({ "cmbPTTroops/0" }), "#" + std::to_string(member));
}

TEST_F(WorkdayTest, UpdatedRecordsShowInBoldUntilTheirFileIsSaved)
{
    const QString folder = makeModule("pending");
    const auto status = [this] { return user.find<QLabel>("lblPending")->text().toStdString(); };
    const auto bold = [this](const char* listName) {
        const QAbstractItemModel* model = user.find<QListView>(listName)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data(Qt::FontRole).value<QFont>().bold())
                rows << QString::number(row);
        }
        return rows.join(',').toStdString();
    };
    const auto update = [this](const QString& file, const QString& list, int k) {
        user.choose("cmbChooseFile", file);
        user.clickRow(list, k);
        user.click("cmdUpdate");
    };
    browseTo(folder);
    const QStringList entries = window.lists().troopEntries.stringList();
    update("troops.txt", "ListTroops", 2);
    EXPECT_EQ(status(), "1 troop updated, not saved");
    update("troops.txt", "ListTroops", 5);
    update("troops.txt", "ListTroops", 2);
    EXPECT_EQ(status(), "2 troops updated, not saved");
    EXPECT_EQ(bold("ListTroops"), "2,5");
    EXPECT_EQ(window.lists().troopEntries.stringList(), entries); // the texts stay
    update("party_templates.txt", "lstPartyTemplates", 1);
    EXPECT_EQ(status(), "2 troops and 1 template updated, not saved");
    update("parties.txt", "lstParties", 0);
    update("parties.txt", "lstParties", 4);
    EXPECT_EQ(status(), "2 troops, 1 template and 2 parties updated, not saved");

    // A Save in which the template writer fails keeps the template's mark only.
    ASSERT_TRUE(QFile::remove(folder + "party_templates.txt") && QDir().mkdir(folder + "party_templates.txt"));
    recorder.answers = { true }; // the folder in its place counts as changed: overwrite it
    user.click("cmdSave");
    EXPECT_EQ(status(), "1 template updated, not saved");
    EXPECT_EQ(bold("ListTroops") + "|" + bold("lstPartyTemplates") + "|" + bold("lstParties"), "|1|");
    ASSERT_TRUE(QDir(folder + "party_templates.txt").removeRecursively());
    recorder.answers = { true };
    user.click("cmdSave");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(bold("lstPartyTemplates"), "");

    // A load forgets the updates it discards.
    update("parties.txt", "lstParties", 3);
    EXPECT_EQ(status(), "1 party updated, not saved");
    browseTo(folder);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(bold("lstParties"), "");
}

// Run on the offscreen platform's own screen (800x800) and, as the ui_screen_* tests, on
// screens of 1280x720, 1366x768 and 2560x1440 at scale 2.
TEST_F(WorkdayTest, TheWindowFitsItsScreenAndEveryControlCanBeScrolledTo)
{
    browseTo(makeModule("fit"));
    fitToScreen(window, QSize(1280, 800));
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(available.contains(frame));
    EXPECT_LE((frame.center() - available.center()).manhattanLength(), 2);
    EXPECT_EQ(window.size(), QSize(1280, 800).boundedTo(available.size() - (frame.size() - window.size())));

    auto* area = user.find<QScrollArea>("panelArea");
    for (const char* file : { "troops.txt", "party_templates.txt", "parties.txt" }) {
        user.choose("cmbChooseFile", file);
        for (QWidget* control : area->widget()->findChildren<QWidget*>()) {
            if (!control->isVisible() || !control->focusPolicy() || control->objectName().startsWith("qt_"))
                continue;
            const QPoint centre = control->mapTo(area->widget(), control->rect().center());
            area->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1, control->height() / 2 + 1);
            const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
            EXPECT_TRUE(area->viewport()->rect().contains(shown)) << control->objectName().toStdString();
        }
    }
}
