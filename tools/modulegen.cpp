// generateModule: the five files of one synthetic module.
#include "modulegen.h"
#include "genfiles.h"

namespace mwgen {

ModuleFiles generateModule(const ModuleSpec& spec)
{
    ModuleFiles files;
    files.troops = makeTroops(spec);
    files.items = makeItems(spec);
    files.factions = makeFactions(spec);
    files.templates = makeTemplates(spec);
    files.parties = makeParties(spec);
    return files;
}

} // namespace mwgen
