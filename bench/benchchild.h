// The measurements that need a process of their own: the start of the program, and the
// memory of a load in a process that did not also generate the module. The benchmark runs
// itself again with a child flag for each.
#pragma once

#include <QString>
#include <vector>

namespace bench {

// Child sides: each makes its own QApplication, prints one result line and returns.
int startChild(int& argc, char** argv, const QString& folder); // folder empty: start without one
int memoryChild(int& argc, char** argv, const QString& folder);

// Parent sides. Times are from the launch of the process, in ms.
struct StartTimes {
    std::vector<double> paintedEmpty; // first painted window, no folder
    std::vector<double> paintedLoaded; // first painted window, folder on the command line
    std::vector<double> readyLoaded; // folder loaded, lists filled, window painted again
};
StartTimes measureStarts(const QString& self, const QString& folder, int runs);

struct MemoryFigures {
    std::vector<double> heapGrowthMiB; // heap in use after the load and paint, less before it
    std::vector<double> peakRssMiB; // VmHWM of the whole process
};
MemoryFigures measureMemory(const QString& self, const QString& folder, int runs);

} // namespace bench
