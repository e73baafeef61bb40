// The party_templates.txt and parties.txt readers on any file (each input is read as
// both): failures are ModErrors in the result, and every entry stands for a record line.
#include "fuzzcheck.h"
#include "parties/partyfile.h"
#include "parties/templatefile.h"

using namespace mw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LineArray lines = fuzz::linesOf(fuzz::bytesOf(data, size), QStringLiteral("parties.txt"));
    fuzz::mustNotThrow(
        [&] {
            const TemplateFileRead read = readTemplateFile(lines);
            fuzz::check(read.entries.size() <= lines.count(), "more templates than lines");
        },
        "readTemplateFile threw");
    fuzz::mustNotThrow(
        [&] {
            const PartyFileRead read = readPartyFile(lines);
            fuzz::check(read.entries.size() <= lines.count(), "more parties than lines");
        },
        "readPartyFile threw");
    return 0;
}
