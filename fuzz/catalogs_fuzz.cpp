// The item and faction catalogues on any file (each input is read as both, the factions
// in both data versions and an unknown one): failures are ModErrors in the result.
#include "catalog/catalogs.h"
#include "fuzzcheck.h"

using namespace mw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LineArray lines = fuzz::linesOf(fuzz::bytesOf(data, size), QStringLiteral("item_kinds1.txt"));
    fuzz::mustNotThrow(
        [&] {
            const CatalogRead items = readItemCatalog(lines);
            fuzz::check(items.entries.size() <= lines.count(), "more items than lines");
            for (const QString& entry : items.entries.texts())
                fuzz::check(itemNumberOfEntry(entry) != QStringLiteral("-1"), "an item entry without its number");
        },
        "readItemCatalog threw");
    for (const char* version : { "0.90x", "0.95x", "" }) {
        fuzz::mustNotThrow(
            [&] {
                const CatalogRead factions = readFactionCatalog(lines, QString::fromLatin1(version));
                fuzz::check(factions.entries.size() <= lines.count() + 1, "more factions than lines");
            },
            "readFactionCatalog threw");
    }
    return 0;
}
