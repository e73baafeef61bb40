// generateModule: the five files of one synthetic module.
#include "modulegen.h"
#include "genfiles.h"

namespace mwgen {

ModuleFiles generateModule(const ModuleSpec& plan)
{
    ModuleFiles files;
    files.troops = makeTroops(plan);
    files.items = makeItems(plan);
    files.factions = makeFactions(plan);
    files.templates = makeTemplates(plan);
    files.parties = makeParties(plan);
    return files;
}

} // namespace mwgen
