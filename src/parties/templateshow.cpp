// Reading a template line into the values of the template panel.
#include "parties/templateshow.h"

#include "core/fields.h"
#include "core/numbers.h"
#include "parties/partytexts.h"
#include "parties/personality.h"
#include "parties/recordfields.h"
#include "parties/templatefile.h"
#include "parties/templaterebuild.h"

namespace mw {
namespace {

using Fields = std::vector<std::string_view>;

// The member entries are found from the end of the line: the field before the final empty
// one is the last entry's flag, and each flag says how far back the next entry's flag is.
// Reading stops at a flag that is neither -1, 0 nor 1; the slots not reached stay absent.
void readMemberSlots(
    const Fields& fields, int lineNumber, TextCodec codec, int troopCount, TemplateShown& shown, QStringList& lost)
{
    const auto keep = [&](int index) {
        if (hasFraction(fields[static_cast<size_t>(index)]))
            lost << fieldPlace(index, lineNumber, kTemplatesFile);
    };
    int c = static_cast<int>(fields.size()) - 1;
    for (int s = kMemberSlots - 1; s >= 0; --s) {
        const int32_t flag = toInt32(
            fieldAt(fields, c - 1, lineNumber, kTemplatesFile), fieldPlace(c - 1, lineNumber, kTemplatesFile));
        if (flag == -1) {
            shown.members[static_cast<size_t>(s)] = MemberSlot { 0, QStringLiteral("0"), QStringLiteral("0"), false };
            c -= 1;
        } else if (flag == 0 || flag == 1) {
            MemberSlot slot;
            slot.troop
                = choiceIndexAt(fields, c - 4, troopCount, QStringLiteral("member troop"), lineNumber, kTemplatesFile);
            keep(c - 4);
            keep(c - 1);
            // The panel shows troop 0 as no troop and -1 as no choice; both are written as an
            // empty slot.
            if (slot.troop <= 0)
                lost << fieldPlace(c - 4, lineNumber, kTemplatesFile);
            slot.min = decodeText(fieldAt(fields, c - 3, lineNumber, kTemplatesFile), codec);
            slot.max = decodeText(fieldAt(fields, c - 2, lineNumber, kTemplatesFile), codec);
            slot.prisoner = flag == 1;
            shown.members[static_cast<size_t>(s)] = slot;
            c -= 4;
        } else {
            shown.outcome.messages.push_back({ kUnknownTemplateLineMessage, MessageIcon::None });
            shown.problem = QStringLiteral("its member entries could not be read");
            return;
        }
    }
}

} // namespace

TemplateShown showTemplate(const ModuleState& module, int k, const ChoiceCounts& counts)
{
    const LineArray& lines = module.PTLines;
    TemplateShown shown;
    try {
        const int n = templateLineNumber(k);
        const Fields fields = cutFields(lines.at(n, kTemplatesFile));
        const auto text
            = [&](int index) { return decodeText(fieldAt(fields, index, n, kTemplatesFile), lines.codec()); };
        shown.id = text(0);
        shown.name = text(1);
        shown.menu = text(3);
        shown.faction = choiceIndexAt(fields, 4, counts.factions, QStringLiteral("faction"), n, kTemplatesFile);
        shown.personality
            = personalityChoiceFor(toInt32(fieldAt(fields, 5, n, kTemplatesFile), fieldPlace(5, n, kTemplatesFile)));
        QStringList lost;
        for (int index : { 4, 5 }) {
            // A personality shown as Other keeps its field as it is.
            if (hasFraction(fields[static_cast<size_t>(index)])
                && (index == 4 || *shown.personality != kPersonalityOther))
                lost << fieldPlace(index, n, kTemplatesFile);
        }
        readMemberSlots(fields, n, lines.codec(), counts.members, shown, lost);
        if (shown.problem.isEmpty())
            noteUncarried(QStringLiteral("template"), lost, shown.outcome, shown.problem);
    } catch (const ModError& error) {
        shown.outcome.error = error;
        shown.problem = QStringLiteral("showing it stopped at an error");
    }
    return shown;
}

TemplateInput templateInputOf(const TemplateShown& shown, int k)
{
    TemplateInput input;
    input.id = shown.id.value_or(QString());
    input.name = shown.name.value_or(QString());
    input.menu = shown.menu.value_or(QString());
    input.faction = shown.faction.value_or(-1);
    input.personality = shown.personality.value_or(QString());
    const PersonalityDetails details = fixedPersonalityDetails(input.personality).value_or(PersonalityDetails {});
    input.courage = QString::number(details.courage);
    input.aggressiveness = QString::number(details.aggressiveness);
    input.banditness = details.banditness;
    for (size_t s = 0; s < input.members.size(); ++s) {
        const MemberSlot slot = shown.members[s].value_or(MemberSlot {});
        input.members[s] = { slot.troop, slot.min, slot.max, slot.prisoner };
    }
    input.holds = { k, shown.problem };
    return input;
}

std::optional<int32_t> storedPersonality(const LineArray& lines, int k)
{
    try {
        const int n = templateLineNumber(k);
        const Fields fields = cutFields(lines.at(n, kTemplatesFile));
        return toInt32(fieldAt(fields, 5, n, kTemplatesFile), fieldPlace(5, n, kTemplatesFile));
    } catch (const ModError&) {
        return std::nullopt;
    }
}

} // namespace mw
