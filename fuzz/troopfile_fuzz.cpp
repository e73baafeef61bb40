// The troops.txt reader on any file: it reports every failure as a ModError in its result,
// and its three lists stay in step.
#include "fuzzcheck.h"
#include "troops/troopfile.h"

using namespace mw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LineArray lines = fuzz::linesOf(fuzz::bytesOf(data, size), QStringLiteral("troops.txt"));
    for (int previous : { 0, 6, 7 }) {
        fuzz::mustNotThrow(
            [&] {
                const TroopFileRead read = readTroopFile(lines, previous);
                const auto n = read.troopEntries.size();
                fuzz::check(read.memberEntries.size() == n && read.upgradeEntries.size() == n, "lists out of step");
                fuzz::check(n <= lines.count(), "more troops than lines");
                if (read.linesPerTroop)
                    fuzz::check(*read.linesPerTroop == 6 || *read.linesPerTroop == 7, "record length not 6 or 7");
            },
            "readTroopFile threw");
    }
    return 0;
}
