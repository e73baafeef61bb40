// Reading a template line into the values of the template panel.
#include "parties/templateshow.h"

#include "core/fields.h"
#include "core/numbers.h"
#include "parties/partytexts.h"
#include "parties/personality.h"
#include "parties/recordfields.h"
#include "parties/templatefile.h"

namespace mw {
namespace {

using Fields = std::vector<std::string_view>;

// The member entries are found from the end of the line: the field before the final empty
// one is the last entry's flag, and each flag says how far back the next entry's flag is.
// Reading stops at a flag that is neither -1, 0 nor 1; the slots not reached stay absent.
void readMemberSlots(const Fields& fields, int lineNumber, TextCodec codec, int troopCount, TemplateShown& shown)
{
    int c = static_cast<int>(fields.size()) - 1;
    for (int s = kMemberSlots - 1; s >= 0; --s) {
        const int32_t flag = toInt32(
            fieldAt(fields, c - 1, lineNumber, kTemplatesFile), fieldPlace(c - 1, lineNumber, kTemplatesFile));
        if (flag == -1) {
            shown.members[static_cast<size_t>(s)] = MemberSlot { 0, QStringLiteral("0"), QStringLiteral("0"), false };
            c -= 1;
        } else if (flag == 0 || flag == 1) {
            MemberSlot slot;
            slot.troop = choiceIndexAt(
                fields, c - 4, troopCount, QStringLiteral("member troop"), lineNumber, kTemplatesFile);
            slot.min = decodeText(fieldAt(fields, c - 3, lineNumber, kTemplatesFile), codec);
            slot.max = decodeText(fieldAt(fields, c - 2, lineNumber, kTemplatesFile), codec);
            slot.prisoner = flag == 1;
            shown.members[static_cast<size_t>(s)] = slot;
            c -= 4;
        } else {
            shown.outcome.messages.push_back({ kUnknownTemplateLineMessage, MessageIcon::None });
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
        shown.personality = personalityChoiceFor(
            toInt32(fieldAt(fields, 5, n, kTemplatesFile), fieldPlace(5, n, kTemplatesFile)));
        readMemberSlots(fields, n, lines.codec(), counts.members, shown);
    } catch (const ModError& error) {
        shown.outcome.error = error;
    }
    return shown;
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
