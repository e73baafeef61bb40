// The checks of each module file, given its lines and the lists its records point into.
#pragma once

#include "check/filefindings.h"
#include "core/filegeneration.h"
#include "core/linearray.h"
#include "troops/troopfile.h"

#include <string_view>

namespace mw {

// troops.txt: the summary row, the data version and record length, where each record
// stands and how long it is, and every number the troop panel reads.
void checkTroopLines(const LineArray& lines, const TroopFileRead& read, const ModuleLists& lists, FileFindings& out);

// A catalogue's entry lines (those beginning with `prefix`) must name an identifier and a
// name. `entryWord` names an entry ("item"); `firstNumber` is the number of the first.
void checkCatalogLines(
    const LineArray& lines, std::string_view prefix, int firstNumber, const char* entryWord, FileFindings& out);

// party_templates.txt: where each template stands, its numbers, references and members.
void checkTemplateLines(const LineArray& lines, const ModuleLists& lists, FileFindings& out);

// parties.txt: where each party stands, its menu, template and faction.
void checkPartyLines(const LineArray& lines, FileGeneration generation, const ModuleLists& lists, FileFindings& out);

// The finding of a head that names a later generation than the editor knows.
QString laterGenerationFinding(const LineArray& lines);

} // namespace mw
