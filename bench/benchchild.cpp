// Start-up and memory measured in processes of their own.
#include "benchchild.h"

#include "app/firstpaint.h"
#include "app/frmmusterwright.h"
#include "benchstats.h"
#include "benchwindow.h"

#include <QApplication>
#include <QProcess>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

namespace bench {
namespace {

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// The heap in use: small blocks in the arenas plus blocks of their own mapping.
long long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

long long peakRssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

std::vector<std::string> runChild(const QString& self, const QStringList& args)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(self, args);
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        qFatal("the benchmark's child %s failed", qPrintable(args.join(' ')));
    std::vector<std::string> words;
    for (const QByteArray& word : child.readAllStandardOutput().simplified().split(' '))
        words.push_back(word.toStdString());
    return words;
}

// "key=value" among the child's words.
double valueOf(const std::vector<std::string>& words, const std::string& key)
{
    for (const auto& w : words) {
        if (w.rfind(key + "=", 0) == 0)
            return std::stod(w.substr(key.size() + 1));
    }
    qFatal("the benchmark's child gave no %s", key.c_str());
}

} // namespace

int startChild(int& argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    SilentMessages messages;
    NoChooser chooser;
    mw::frmMusterwright window(messages, chooser);
    window.Read_Musterwright_INI();
    window.resize(1280, 800);
    long long painted = 0;
    long long ready = 0;
    // The program's own start-up order: show the window, and load once it is painted.
    window.show();
    mw::afterFirstPaint(window, [&] {
        painted = monotonicNs();
        if (!folder.isEmpty()) {
            window.loadFolder(folder);
            settle();
        }
        ready = monotonicNs();
        QApplication::quit();
    });
    app.exec();
    std::printf("painted=%lld ready=%lld\n", painted, ready);
    return 0;
}

int memoryChild(int& argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    SilentMessages messages;
    NoChooser chooser;
    mw::frmMusterwright window(messages, chooser);
    window.resize(1280, 800);
    window.show();
    settle();
    const long long before = heapInUse();
    window.loadFolder(folder);
    for (const char* panel : { "troops.txt", "party_templates.txt", "parties.txt", "Instructions" }) {
        choosePanel(window, QString::fromLatin1(panel));
        window.repaint();
    }
    settle();
    const long long after = heapInUse();
    std::printf("heap_before=%lld heap_after=%lld peak_kib=%lld\n", before, after, peakRssKiB());
    return 0;
}

StartTimes measureStarts(const QString& self, const QString& folder, int runs)
{
    StartTimes times;
    for (int i = 0; i < runs; ++i) {
        // Without and with a folder, in turn.
        for (const bool withFolder : { false, true }) {
            const long long launched = monotonicNs();
            QStringList args { QStringLiteral("--child-start") };
            if (withFolder)
                args << folder;
            const auto words = runChild(self, args);
            const double painted = (valueOf(words, "painted") - static_cast<double>(launched)) / 1e6;
            const double ready = (valueOf(words, "ready") - static_cast<double>(launched)) / 1e6;
            if (withFolder) {
                times.paintedLoaded.push_back(painted);
                times.readyLoaded.push_back(ready);
            } else {
                times.paintedEmpty.push_back(painted);
            }
        }
    }
    return times;
}

MemoryFigures measureMemory(const QString& self, const QString& folder, int runs)
{
    MemoryFigures figures;
    for (int i = 0; i < runs; ++i) {
        const auto words = runChild(self, { QStringLiteral("--child-memory"), folder });
        figures.heapGrowthMiB.push_back((valueOf(words, "heap_after") - valueOf(words, "heap_before")) / 1048576.0);
        figures.peakRssMiB.push_back(valueOf(words, "peak_kib") / 1024.0);
    }
    return figures;
}

} // namespace bench
