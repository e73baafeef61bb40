// The party_templates.txt reader.
#include "parties/templatefile.h"

#include "core/fields.h"
#include "core/leadingfields.h"
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
    read.entries.bytes = lines.bytes();
    read.entries.codec = lines.codec();
    read.entries.format = recordEntryText;
    read.entries.rows.reserve(lines.count()); // at most one template a line
    try {
        for (int n = 1; n <= lines.count(); ++n) {
            const std::string_view line = lines.line(n);
            if (!isTemplateLine(line))
                continue;
            const auto fields = leadingFields<2>(line);
            if (fields.count < 2)
                fieldAt(cutFields(line), 1, n, kTemplatesFile); // the out-of-range error
            read.entries.add(fields.field[1], fields.field[0]);
        }
    } catch (const ModError& error) {
        read.error = error;
    }
    return read;
}

} // namespace mw
