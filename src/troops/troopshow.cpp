// Cutting one troop record into the values of the troop panel.
#include "troops/troopshow.h"

#include "codec/hexcodec.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "troops/troopformat.h"
#include "troops/trooplayout.h"

namespace mw {
namespace {

// One record line cut into fields, with errors that name the line and field.
class RecordLine {
public:
    RecordLine(const LineArray& lines, int lineNumber)
        : number_(lineNumber)
        , fields_(cutFields(lines.at(lineNumber, kTroopsFile)))
        , codec_(lines.codec())
    {
    }

    size_t size() const { return fields_.size(); }

    std::string_view field(size_t i) const { return fieldAt(fields_, static_cast<int>(i), number_, kTroopsFile); }

    QString text(size_t i) const { return decodeText(field(i), codec_); }
    QString where(size_t i) const
    {
        return QStringLiteral("field %1 of line %2 of %3").arg(i).arg(number_).arg(kTroopsFile);
    }

private:
    int number_;
    std::vector<std::string_view> fields_;
    TextCodec codec_;
};

// A combo position read from a field: -1 (no selection) up to the combo's last entry.
int comboPosition(const RecordLine& line, size_t i, int entries, const QString& listName)
{
    const int position = toInt16(line.field(i), line.where(i));
    if (position < -1 || position >= entries)
        throw ModError(kErrSubscript,
            QStringLiteral("Subscript out of range: %1 %2 (%3) is not in the %1 list, which "
                           "has %4 entries")
                .arg(listName)
                .arg(position)
                .arg(line.where(i))
                .arg(entries));
    return position;
}

int32_t flagWord(const RecordLine& line, size_t field)
{
    const int32_t word = toInt32(line.field(field), line.where(field));
    if (word < 0)
        throw ModError(kErrOverflow,
            QStringLiteral("Overflow: %1 is outside 0..2147483647 (%2)")
                .arg(quoteForError(line.field(field)), line.where(field)));
    return word;
}

int flagState(int32_t word, uint32_t bit, std::vector<Message>& messages)
{
    FlagCheck check = checkTroopFlag(word, bit);
    messages.insert(messages.end(), check.messages.begin(), check.messages.end());
    return check.result == "1" ? 1 : check.result == "2" ? 2 : 0;
}

size_t at(int field)
{
    return static_cast<size_t>(field);
}

void showNamesAndFlags(
    const LineArray& lines, int start, const ChoiceCounts& sizes, const TroopLayout& layout, TroopShown& view)
{
    const RecordLine line(lines, start);
    view.id = line.text(0);
    view.name1 = line.text(1);
    view.name2 = line.text(2);
    view.faction = comboPosition(line, at(layout.faction), sizes.factions, QStringLiteral("faction"));
    view.upgradeA = comboPosition(line, at(layout.upgradeA), sizes.upgrades, QStringLiteral("upgrade"));
    view.upgradeB = comboPosition(line, at(layout.upgradeB), sizes.upgrades, QStringLiteral("upgrade"));

    const int32_t word = flagWord(line, at(layout.flags));
    if (flagState(word, kFemaleBit, view.outcome.messages) == 1)
        view.gender = 1;
    else if (flagState(word, kUndeadBit, view.outcome.messages) != 1)
        view.gender = 0;
    else
        view.gender = 2;
    std::array<int, 15> states {};
    for (size_t k = 0; k < kFlagBoxes.size(); ++k)
        states[k] = flagState(word, kFlagBoxes[k].bit, view.outcome.messages);
    view.flagStates = states;
}

// Without item modifiers every number above 0 is an item; with them the numbers pair up as
// (item, modifier) slots and only the first of each pair is an item.
void showInventory(
    const LineArray& lines, int lineNumber, const ChoiceCounts& sizes, const TroopLayout& layout, TroopShown& view)
{
    view.items.emplace();
    const RecordLine line(lines, lineNumber);
    QString missing;
    bool modifierNext = false;
    bool listed = false; // the last item read was listed and waits for its modifier
    for (size_t i = 0; i < line.size(); ++i) {
        const std::string_view field = line.field(i);
        if (field.empty())
            continue;
        if (modifierNext) {
            modifierNext = false;
            if (listed)
                view.modifiers.push_back(line.text(i));
            listed = false;
            continue;
        }
        modifierNext = layout.itemModifiers;
        const int32_t item = toInt32(field, line.where(i));
        if (item <= 0)
            continue;
        if (item <= sizes.items) {
            view.items->push_back(item);
            listed = layout.itemModifiers;
        } else {
            missing += QLatin1Char(' ') + line.text(i);
        }
    }
    if (listed)
        view.modifiers.push_back(QStringLiteral("0")); // the line ended before the slot's modifier
    if (!missing.isEmpty())
        view.outcome.messages.push_back(
            { QStringLiteral("Warning: The following items were not found in the items file and "
                             "will be removed:\r\n")
                    + QString(15, QLatin1Char(' ')) + missing,
                MessageIcon::None });
}

void showSkills(const RecordLine& line, TroopShown& view)
{
    for (int word = 0; word < 5; ++word) {
        const auto index = static_cast<size_t>(word);
        const std::string hex = decimalToHex8(line.field(index), line.where(index));
        for (size_t k = 0; k < kRecordSkills; ++k) {
            if (kSkillBoxes[k].word != word)
                continue;
            const char digit = hex[static_cast<size_t>(kSkillBoxes[k].digit - 1)];
            view.skills[k] = digit == 'A' ? QStringLiteral("10") : QString(QLatin1Char(digit));
        }
    }
}

// "0x" and 32 lower-case hex digits from a face code's two decimal halves.
QString faceCode(const RecordLine& line, size_t highField)
{
    QString code = QStringLiteral("0x");
    for (size_t i = highField; i <= highField + 1; ++i) {
        const std::string padded = std::string(16, '0') + decimalToHexAll(line.field(i), line.where(i));
        code += QString::fromLatin1(padded.substr(padded.size() - 16)).toLower();
    }
    return code;
}

void showFaces(const LineArray& lines, int lineNumber, const QString& gameVersion, TroopShown& view)
{
    if (gameVersion == QStringLiteral("0.90x")) {
        const RecordLine line(lines, lineNumber);
        view.face1 = faceCode(line, 2);
        view.face2 = faceCode(line, 4);
        return;
    }
    view.face1 = QString::fromLatin1(kFacesNotAvailable);
    view.face2 = view.face1;
    if (gameVersion != QStringLiteral("0.95x"))
        view.outcome.messages.push_back(
            { QStringLiteral("unknown Varnholt version ") + gameVersion, MessageIcon::Warning });
}

// "<text> (field <i> of line <n> of troops.txt)" for every number of the record that the
// panel cannot carry back unchanged: a fraction where a whole number is stored, a skill
// word past 32 bits, a face code half past 64 bits.
QStringList uncarriedNumbers(const LineArray& lines, int start, const QString& gameVersion, const TroopLayout& layout)
{
    QStringList lost;
    const auto check = [&](int lineNumber, size_t field, int bits) {
        const RecordLine line(lines, lineNumber);
        if (field >= line.size())
            return;
        const std::string_view text = line.field(field);
        bool tooWide = false;
        if (bits > 0 && !hasFraction(text))
            tooWide = toUnsigned96(text, line.where(field)) >> bits != 0;
        if (hasFraction(text) || tooWide)
            lost << QStringLiteral("%1 (%2)").arg(line.text(field), line.where(field));
    };
    for (int field : { layout.faction, layout.upgradeA, layout.upgradeB })
        check(start, at(field), 0);
    const size_t fieldCount = RecordLine(lines, start + 1).size();
    for (size_t field = 0; field < fieldCount; ++field)
        check(start + 1, field, 0);
    for (size_t field = 0; field < 5; ++field)
        check(start + 4, field, 32);
    if (gameVersion == QStringLiteral("0.90x")) {
        for (size_t field = 2; field < 6; ++field)
            check(start + 5, field, 64);
    }
    return lost;
}

} // namespace

QStringList inventoryEntries(const std::vector<int>& items, const QStringList& itemEntries)
{
    return inventoryEntries(items, {}, itemEntries);
}

QStringList inventoryEntries(
    const std::vector<int>& items, const std::vector<QString>& modifiers, const QStringList& itemEntries)
{
    return inventoryEntries(items, modifiers, [&](int row) { return itemEntries.value(row); });
}

QStringList inventoryEntries(const std::vector<int>& items, const std::vector<QString>& modifiers,
    const std::function<QString(int row)>& itemEntry)
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(items.size()));
    for (size_t k = 0; k < items.size(); ++k) {
        QString entry = itemEntry(items[k] - 1);
        if (k < modifiers.size() && modifiers[k] != QStringLiteral("0"))
            entry += QStringLiteral(" [modifier %1]").arg(modifiers[k]);
        entries.push_back(entry);
    }
    return entries;
}

QString itemModifierOfEntry(const QString& entry)
{
    static const QString kMark = QStringLiteral(" [modifier ");
    const qsizetype mark = entry.lastIndexOf(kMark);
    if (mark < 0 || !entry.endsWith(QLatin1Char(']')))
        return QStringLiteral("0");
    const qsizetype from = mark + kMark.size();
    return entry.mid(from, entry.size() - 1 - from);
}

TroopInput troopInputOf(const TroopShown& shown, int index, const QStringList& itemEntries)
{
    TroopInput input;
    input.id = shown.id.value_or(QString());
    input.name1 = shown.name1.value_or(QString());
    input.name2 = shown.name2.value_or(QString());
    input.gender = shown.gender.value_or(0);
    input.flagStates = shown.flagStates.value_or(input.flagStates);
    input.faction = shown.faction.value_or(-1);
    input.upgradeA = shown.upgradeA.value_or(-1);
    input.upgradeB = shown.upgradeB.value_or(-1);
    input.inventory = inventoryEntries(shown.items.value_or(std::vector<int> {}), shown.modifiers, itemEntries);
    for (size_t k = 0; k < input.attributes.size(); ++k)
        input.attributes[k] = shown.attributes[k].value_or(QString());
    for (size_t k = 0; k < input.proficiencies.size(); ++k)
        input.proficiencies[k] = shown.proficiencies[k].value_or(QString());
    for (size_t k = 0; k < input.skills.size(); ++k)
        input.skills[k] = shown.skills[k].value_or(QStringLiteral("N/A"));
    input.face1 = shown.face1.value_or(QString());
    input.face2 = shown.face2.value_or(QString());
    input.holds = { index, shown.problem };
    return input;
}

TroopShown showTroop(const ModuleState& module, int index, const ChoiceCounts& sizes)
{
    const LineArray& lines = module.TroopLines;
    TroopShown view;
    if (sizes.items == 0) {
        view.outcome.messages.push_back(
            { QStringLiteral("No items found, please make sure a item_kinds1.txt file exists in the folder."),
                MessageIcon::Critical });
        view.problem = QStringLiteral("the item list is empty");
        return view;
    }
    if (sizes.factions == 0) {
        view.outcome.messages.push_back(
            { QStringLiteral("No factions found, please make sure a factions.txt file exists in the folder."),
                MessageIcon::Critical });
        view.problem = QStringLiteral("the faction list is empty");
        return view;
    }
    try {
        const TroopLayout& layout = troopLayout(module.TroopGeneration);
        const int start = recordStart(index, module.LinesPerTroop);
        showNamesAndFlags(lines, start, sizes, layout, view);
        showInventory(lines, start + 1, sizes, layout, view);

        const RecordLine attributes(lines, start + 2);
        for (size_t k = 0; k < view.attributes.size(); ++k)
            view.attributes[k] = attributes.text(k + 2);
        const RecordLine proficiencies(lines, start + 3);
        for (size_t k = 0; k < view.proficiencies.size(); ++k)
            view.proficiencies[k] = proficiencies.text(k + 1);
        showSkills(RecordLine(lines, start + 4), view);
        showFaces(lines, start + 5, module.GameVersion, view);
        const QStringList lost = uncarriedNumbers(lines, start, module.GameVersion, layout);
        if (!lost.isEmpty()) {
            view.outcome.messages.push_back({ QStringLiteral("Warning: The following numbers cannot be kept by this "
                                                             "editor, so the troop cannot be updated:\r\n")
                    + lost.join(QStringLiteral("\r\n")),
                MessageIcon::Warning });
            view.problem = QStringLiteral("it holds numbers this editor cannot keep");
        }
    } catch (const ModError& error) {
        view.outcome.error = error;
        view.problem = QStringLiteral("showing it stopped at an error");
    }
    return view;
}

} // namespace mw
