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

std::string memberEntries(const TemplateInput& input, TextCodec codec)
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
        out += storableText(member.min, QStringLiteral("the Min") + row, codec, kTemplateFileName) + ' ';
        out += storableText(member.max, QStringLiteral("the Max") + row, codec, kTemplateFileName) + ' ';
        out += member.prisoner ? "1 " : "0 ";
    }
    return out;
}

} // namespace

TemplateUpdate rebuildTemplate(const LineArray& lines, int k, const TemplateInput& input)
{
    TemplateUpdate update;
    const int n = templateLineNumber(k);
    const std::string& old = lines.at(n, kTemplateFileName);
    if (!isTemplateLine(old)) {
        update.refusal = notARecordLineMessage(n, kTemplateFileName, QStringLiteral("pt_"));
        return update;
    }
    try {
        const TextCodec codec = lines.codec();
        const auto fields = cutFields(old);
        std::string line;
        line += storableText(input.id, QStringLiteral("the ID box"), codec, kTemplateFileName) + ' ';
        line += storableText(input.name, QStringLiteral("the Name box"), codec, kTemplateFileName) + ' ';
        line += std::string(fieldAt(fields, 2, n, kTemplateFileName)) + ' ';
        line += storableText(input.menu, QStringLiteral("the Menu box"), codec, kTemplateFileName) + ' ';
        line += std::to_string(input.faction) + ' ';
        const bool keepsOld = !namedPersonalityNumber(input.personality) && input.personality != kPersonalityCustom;
        const std::string_view oldField5 = keepsOld ? fieldAt(fields, 5, n, kTemplateFileName) : std::string_view();
        line += personalityField(input, oldField5, update.messages) + ' ';
        line += memberEntries(input, codec);
        update.line = std::move(line);
        update.entry = recordEntryText(k, input.name, input.id);
    } catch (const UpdateRefusal& refusal) {
        update = TemplateUpdate {};
        update.refusal = refusal.text;
    }
    return update;
}

} // namespace mw
