// party_templates.txt as a whole: which lines are templates, where template k stands, and
// the list entries the reader makes. Lines 1 and 2 are a header; template k is line k + 3.
#pragma once

#include "core/entryrows.h"
#include "core/errors.h"
#include "core/linearray.h"

#include <QStringList>
#include <optional>
#include <string_view>

namespace mw {

// A template line begins with "pt_" (case matters, no leading space).
bool isTemplateLine(std::string_view line);

// The line of list entry k, found by position alone.
inline int templateLineNumber(int k)
{
    return k + 3;
}

struct TemplateFileRead {
    EntryRows entries; // "<k> - <name> (<id>)", made up to a failure
    std::optional<ModError> error;
};

// The entries of lstPartyTemplates and cmbPTemplates. A template line without a name field
// stops the reading with an error; the entries made before it are kept.
TemplateFileRead readTemplateFile(const LineArray& lines);

} // namespace mw
