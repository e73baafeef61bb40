// The troop record rebuild: checks first, then the new record lines and entry texts.
#include "troops/troopbuild.h"

#include "catalog/catalogs.h"
#include "codec/hexcodec.h"
#include "core/errors.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "troops/troopfile.h"
#include "troops/troopformat.h"
#include "troops/trooplayout.h"
#include "troops/troopshow.h"

#include <algorithm>

namespace mw {
namespace {

const QString kNotUpdated = QStringLiteral("; the troop was not updated.");

Message refusal(const QString& text)
{
    return { text + kNotUpdated, MessageIcon::Warning };
}

bool isSkillValue(const QString& text)
{
    static const QStringList kValues { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" };
    return kValues.contains(text);
}

// A flag word this rebuild can carry without losing bits: plain digits, at most 2^31 - 1.
std::optional<uint32_t> storableFlagWord(std::string_view text)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    uint64_t value = 0;
    for (char c : text)
        value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 2147483647u)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

uint32_t withBit(uint32_t word, uint32_t bit, bool on)
{
    return on ? word | bit : word & ~bit;
}

uint32_t panelFlagWord(uint32_t word, const TroopInput& values)
{
    word = withBit(word, kFemaleBit, values.gender == 1);
    word = withBit(word, kUndeadBit, values.gender == 2);
    for (size_t k = 0; k < kFlagBoxes.size(); ++k)
        word = withBit(word, kFlagBoxes[k].bit, values.flagStates[k] == 1); // a greyed box clears its bit
    return word;
}

std::string joined(const std::string& lead, const std::vector<std::string>& texts)
{
    return lead + joinFields(texts);
}

// The bytes Hex2Dec reads from part of a face text: characters that are not ASCII count
// as 0 like any other non-digit.
std::string faceHalf(const QString& face, qsizetype from)
{
    std::string hex;
    for (QChar ch : face.mid(from, 16))
        hex += ch.unicode() < 0x80 ? static_cast<char>(ch.unicode()) : '0';
    return toDecimalText(hexToDecimal(hex).value_or(0));
}

// How many "trp_" lines come before line `line`: the troop number of a record there.
int troopLinesBefore(const LineArray& lines, int line)
{
    int troops = 0;
    for (int k = 1; k < line && k <= lines.count(); ++k) {
        if (startsWith(lines.line(k), "trp_"))
            ++troops;
    }
    return troops;
}

} // namespace

std::string inventoryLine(const std::vector<std::string>& itemNumbers)
{
    return inventoryLine(itemNumbers, {});
}

std::string inventoryLine(const std::vector<std::string>& itemNumbers, const std::vector<std::string>& modifiers)
{
    std::string line = "  ";
    for (size_t k = 0; k < itemNumbers.size(); ++k)
        line += itemNumbers[k] + ' ' + (k < modifiers.size() ? modifiers[k] : std::string("0")) + ' ';
    for (size_t slot = itemNumbers.size(); slot < static_cast<size_t>(kMaxInventory); ++slot)
        line += "-1 0 ";
    return line;
}

std::string skillLine(const std::array<QString, kSkillBoxes.size()>& skills)
{
    std::array<std::string, 5> words;
    words.fill("00000000");
    for (size_t k = 0; k < kRecordSkills; ++k) {
        const QString& text = skills[k];
        const char digit = text == QStringLiteral("10") ? 'A'
            : text.isEmpty()                            ? '0'
                                                        : static_cast<char>(text[0].unicode());
        words[static_cast<size_t>(kSkillBoxes[k].word)][static_cast<size_t>(kSkillBoxes[k].digit - 1)] = digit;
    }
    std::string line;
    for (const auto& word : words)
        line += toDecimalText(hexToDecimal(word).value_or(0)) + ' ';
    return line + '0';
}

std::string faceLine(const QString& face1, const QString& face2)
{
    std::string line = "  ";
    for (const QString* face : { &face1, &face2 })
        line += faceHalf(*face, 2) + ' ' + faceHalf(*face, 18) + ' ';
    return line;
}

namespace {

// The refusal of a record that is not where the arithmetic puts it.
std::optional<Message> misplacedRecord(const LineArray& lines, int index, int start, int linesPerTroop)
{
    if (!startsWith(lines.at(start, kTroopsFile), "trp_"))
        return refusal(QStringLiteral("The record of troop %1 should begin at line %2 of %3, but that line "
                                      "does not begin with \"trp_\"")
                           .arg(index)
                           .arg(start)
                           .arg(kTroopsFile));
    // In a file of irregular records the line may begin another troop's record: writing
    // there would overwrite that troop.
    const int troopThere = troopLinesBefore(lines, start);
    if (troopThere != index)
        return refusal(QStringLiteral("The record of troop %1 should begin at line %2 of %3, but that line "
                                      "begins the record of troop %4")
                           .arg(index)
                           .arg(start)
                           .arg(kTroopsFile)
                           .arg(troopThere));
    // A record a line short ends inside the next troop's record.
    for (int line = start + 1; line < start + linesPerTroop && lines.has(line); ++line) {
        if (startsWith(lines.at(line, kTroopsFile), "trp_"))
            return refusal(QStringLiteral("The record of troop %1 should take lines %2 to %3 of %4, but line %5 "
                                          "begins another troop's record")
                               .arg(index)
                               .arg(start)
                               .arg(start + linesPerTroop - 1)
                               .arg(kTroopsFile)
                               .arg(line));
    }
    return std::nullopt;
}

std::optional<Message> unstorableSkill(const TroopInput& values)
{
    for (size_t k = 0; k < kRecordSkills; ++k) {
        if (!isSkillValue(values.skills[k]))
            return refusal(QStringLiteral("Skill value in %1 must be a whole number from 0 to 10")
                               .arg(captionText(kSkillBoxes[k].caption)));
    }
    return std::nullopt;
}

// Record line 5 keeping what follows the five skill words as read.
std::string skillLineKeepingTail(const std::array<QString, kSkillBoxes.size()>& skills, std::string_view old)
{
    const std::string line = skillLine(skills);
    const auto made = cutFields(line);
    const auto kept = cutFields(old);
    std::vector<std::string> fields(made.begin(), made.begin() + 5);
    for (size_t i = 5; i < kept.size(); ++i)
        fields.emplace_back(kept[i]);
    return joinFields(fields);
}

// Record lines 1 to 5, numbered from 0, or the refusal of a text the file cannot store.
std::optional<Message> makeRecordLines(const TroopInput& values, TextCodec codec, const TroopLayout& layout,
    const std::vector<std::string_view>& first, uint32_t flags, std::string_view skills, TroopRebuilt& result)
{
    TextEncoder encode(codec, false);
    std::vector<std::string> fields(static_cast<size_t>(layout.line1Fields));
    const auto field = [&](int index) -> std::string& { return fields[static_cast<size_t>(index)]; };
    field(0) = encode(values.id, QStringLiteral("Troop ID"));
    field(1) = encode(values.name1, QStringLiteral("Single"));
    field(2) = encode(values.name2, QStringLiteral("Multiple"));
    field(layout.flags) = std::to_string(panelFlagWord(flags, values));
    for (int kept : layout.kept) {
        if (kept >= 0)
            field(kept) = std::string(first[static_cast<size_t>(kept)]);
    }
    field(layout.faction) = std::to_string(values.faction);
    field(layout.upgradeA) = std::to_string(values.upgradeA);
    field(layout.upgradeB) = std::to_string(values.upgradeB);
    const std::string line1 = joinFields(fields);
    std::vector<std::string> itemNumbers, modifiers;
    for (const QString& entry : values.inventory) {
        itemNumbers.push_back(encode(itemNumberOfEntry(entry), QStringLiteral("Items")));
        if (layout.itemModifiers)
            modifiers.push_back(encode(itemModifierOfEntry(entry), QStringLiteral("Items")));
    }
    std::vector<std::string> attributes;
    for (size_t k = 0; k < values.attributes.size(); ++k)
        attributes.push_back(encode(values.attributes[k], captionText(kAttributeBoxes[k].caption)));
    std::vector<std::string> proficiencies;
    for (size_t k = 0; k < values.proficiencies.size(); ++k)
        proficiencies.push_back(encode(values.proficiencies[k], captionText(kProficiencyBoxes[k].caption)));
    if (const auto& failure = encode.failure())
        return refusal(QStringLiteral("The text in %1 holds a character that %2 cannot store in its encoding")
                           .arg(failure->box, kTroopsFile));
    result.lines = { { 0, line1 }, { 1, inventoryLine(itemNumbers, modifiers) }, { 2, joined("  ", attributes) },
        { 3, joined(" ", proficiencies) },
        { 4, layout.keepsSkillTail ? skillLineKeepingTail(values.skills, skills) : skillLine(values.skills) } };
    return std::nullopt;
}

void rebuildRecord(const TroopInput& values, const ModuleState& module, int index, TroopRebuilt& result)
{
    const LineArray& lines = module.TroopLines;
    const TroopLayout& layout = troopLayout(module.TroopGeneration);
    const int start = recordStart(index, module.LinesPerTroop);
    const bool writesFaces = module.GameVersion == QStringLiteral("0.90x");
    if (module.TroopGeneration == FileGeneration::Later) {
        result.outcome.refusal = refusal(laterGenerationText(kTroopsFile, lines));
        return;
    }
    if (values.inventory.size() > kMaxInventory) {
        result.outcome.refusal
            = Message { QStringLiteral("ERROR: you cannot have more than 64 items, please remove some!"),
                  MessageIcon::None };
        return;
    }
    if (const auto problem = notHeld(values.holds, index)) {
        result.outcome.refusal = refusal(
            QStringLiteral("The panel does not hold the whole record of troop %1: %2").arg(index).arg(*problem));
        return;
    }
    if ((result.outcome.refusal = misplacedRecord(lines, index, start, module.LinesPerTroop)))
        return;
    lines.at(start + (writesFaces ? 5 : 4), kTroopsFile); // the whole record must lie within the file

    const auto fields = cutFields(lines.at(start, kTroopsFile));
    int lastRead = layout.flags; // the flag word and the kept fields are read
    for (int kept : layout.kept)
        lastRead = std::max(lastRead, kept);
    fieldAt(fields, lastRead, start, kTroopsFile);
    const std::string_view flagText = fields[static_cast<size_t>(layout.flags)];
    const auto flags = storableFlagWord(flagText);
    if (!flags) {
        result.outcome.refusal = refusal(QStringLiteral("The flag word %1 (field %2 of line %3 of %4) is not a whole "
                                                        "number from 0 to 2147483647")
                                             .arg(quoteForError(flagText))
                                             .arg(layout.flags)
                                             .arg(start)
                                             .arg(kTroopsFile));
        return;
    }
    if ((result.outcome.refusal = unstorableSkill(values)))
        return;

    if ((result.outcome.refusal
            = makeRecordLines(values, lines.codec(), layout, fields, *flags, lines.at(start + 4, kTroopsFile), result)))
        return;
    for (auto& line : result.lines)
        line.line += start;
    if (writesFaces)
        result.lines.push_back({ start + 5, faceLine(values.face1, values.face2) });
    result.troopEntry = troopEntryText(index, values.name1, values.id);
    result.upgradeEntry = upgradeEntryText(index, values.name1);
    result.outcome.messages.push_back({ QStringLiteral("Information on ") + values.name1 + QStringLiteral(" (")
            + values.id + QStringLiteral(") has been updated."),
        MessageIcon::None });
}

} // namespace

TroopRebuilt rebuildTroop(const ModuleState& module, int index, const TroopInput& input)
{
    TroopRebuilt result;
    try {
        rebuildRecord(input, module, index, result);
    } catch (const ModError& error) {
        result = TroopRebuilt {};
        result.outcome.error = error;
    }
    return result;
}

} // namespace mw
