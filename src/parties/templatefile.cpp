// The party_templates.txt reader.
#include "parties/templatefile.h"

#include "core/fields.h"
#include "parties/partytexts.h"
#include "parties/recordfields.h"

namespace mw {

bool isTemplateLine(std::string_view line)
{
    return startsWith(line, "pt_");
}

TemplateFileRead readTemplateFile(const LineArray& lines)
{
    TemplateFileRead read;
    try {
        for (int n = 1; n <= lines.count(); ++n) {
            const std::string& line = lines.at(n, kTemplatesFile);
            if (!isTemplateLine(line))
                continue;
            const auto fields = cutFields(line);
            const QString id = decodeText(fields[0], lines.codec());
            const QString name = decodeText(fieldAt(fields, 1, n, kTemplatesFile), lines.codec());
            read.entries << recordEntryText(static_cast<int>(read.entries.size()), name, id);
        }
    } catch (const ModError& error) {
        read.error = error;
    }
    return read;
}

} // namespace mw
