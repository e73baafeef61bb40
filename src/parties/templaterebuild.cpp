// The template line rebuild.
#include "parties/templaterebuild.h"

#include "core/fields.h"
#include "core/numbers.h"
#include "parties/fieldchecks.h"
#include "parties/partytexts.h"
#include "parties/personality.h"
#include "parties/recordfields.h"
#include "parties/templatefile.h"

namespace mw {
namespace {

std::string personalityField(const TemplateInput& input, std::string_view oldField5, std::vector<Message>& messages)
{
    if (const auto named = namedPersonalityNumber(input.personality))
        return std::to_string(*named);
    if (input.personality == kPersonalityCustom) {
        PersonalityDetails details;
        details.courage = toInt16(input.courage.toStdString(), QStringLiteral("the Courage list"));
        details.aggressiveness = toInt16(input.aggressiveness.toStdString(), QStringLiteral("the Aggressiveness list"));
        details.banditness = input.banditness;
        return std::to_string(composePersonality(details));
    }
    if (input.personality != kPersonalityOther)
        messages.push_back({ kUnknownPersonalityMessage, MessageIcon::Information });
    return std::string(oldField5);
}

std::string memberEntries(const TemplateInput& input, TextEncoder& encode)
{
    std::string out;
    for (int s = 0; s < kMemberSlots; ++s) {
        const MemberInput& member = input.members[static_cast<size_t>(s)];
        if (member.troop <= 0) {
            out += "-1 ";
            continue;
        }
        const QString row = QStringLiteral(" box in row %1").arg(s + 1);
        out += std::to_string(member.troop) + ' ';
        out += encode(member.min, QStringLiteral("the Min") + row) + ' ';
        out += encode(member.max, QStringLiteral("the Max") + row) + ' ';
        out += member.prisoner ? "1 " : "0 ";
    }
    return out;
}

} // namespace

TemplateRebuilt rebuildTemplate(const ModuleState& module, int k, const TemplateInput& input)
{
    const LineArray& lines = module.PTLines;
    TemplateRebuilt rebuilt;
    const int n = templateLineNumber(k);
    TextEncoder encode(lines.codec(), true);
    if (const auto problem = notHeld(input.holds, k)) {
        rebuilt.outcome.refusal = refusalMessage(notHeldMessage(QStringLiteral("template"), k, *problem));
        return rebuilt;
    }
    try {
        const std::string_view old = lines.at(n, kTemplatesFile);
        if (!isTemplateLine(old)) {
            rebuilt.outcome.refusal = refusalMessage(notARecordLineMessage(n, kTemplatesFile, QStringLiteral("pt_")));
            return rebuilt;
        }
        const auto fields = cutFields(old);
        std::string line;
        line += encode(input.id, QStringLiteral("the ID box")) + ' ';
        line += encode(input.name, QStringLiteral("the Name box")) + ' ';
        line += std::string(fieldAt(fields, 2, n, kTemplatesFile)) + ' ';
        line += encode(input.menu, QStringLiteral("the Menu box")) + ' ';
        line += std::to_string(input.faction) + ' ';
        const bool keepsOld = !namedPersonalityNumber(input.personality) && input.personality != kPersonalityCustom;
        const std::string_view oldField5 = keepsOld ? fieldAt(fields, 5, n, kTemplatesFile) : std::string_view();
        line += personalityField(input, oldField5, rebuilt.outcome.messages) + ' ';
        line += memberEntries(input, encode);
        if (!encode.failure()) {
            rebuilt.lines = { { n, std::move(line) } };
            rebuilt.entry = recordEntryText(k, input.name, input.id);
            rebuilt.outcome.messages.push_back({ updatedMessage(input.name, input.id), MessageIcon::None });
            return rebuilt;
        }
    } catch (const ModError& error) {
        // A text refused before the failure is what stopped this rebuild first.
        if (!encode.failure()) {
            rebuilt = TemplateRebuilt {};
            rebuilt.outcome.error = error;
            return rebuilt;
        }
    }
    rebuilt = TemplateRebuilt {};
    rebuilt.outcome.refusal = refusalMessage(*encode.failure(), kTemplatesFile);
    return rebuilt;
}

} // namespace mw
