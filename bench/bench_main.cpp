// Times the editor on the largest legal module against a floor written plainly here:
// read() the five files and find every line end and space once; and the module check
// (--check) against the editor's load. Every figure is the median
// of repeated runs with their minimum and maximum; runs that are compared are interleaved
// and their ratios taken pair by pair. What a user waits for is timed with its paint.
#include "app/frmmusterwright.h"
#include "benchchild.h"
#include "benchstats.h"
#include "benchwindow.h"
#include "check/modulecheck.h"
#include "modulegen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace bench;

namespace {

const char kUsage[] = R"(Usage: mwbench [RUNS] [--runs N] [--newer] [--folder DIR]

Times the editor on a module at the format's limits and prints one table: each figure is
the median of RUNS runs (default 11) with the minimum and the maximum, beside its goal.

  RUNS, --runs N   runs per figure (at least 3)
  --newer          generate the files of the later releases' generation
  --folder DIR     time an existing module folder instead of the generated one
  -h, --help       show this text and exit

Without --folder the benchmark generates troops.txt, item_kinds1.txt, party_templates.txt and
parties.txt near 32,767 lines each into a temporary folder. The floor is read() of the five
files plus one pass that finds every line end and space. Start-up and memory are measured in
processes of their own (the benchmark runs itself with --child-start / --child-memory).
Build it as a release build: cmake -B build-release -DCMAKE_BUILD_TYPE=Release.
)";

const char* const kFiles[] = { "troops.txt", "item_kinds1.txt", "factions.txt", "party_templates.txt", "parties.txt" };
const char* const kPanels[] = { "troops.txt", "party_templates.txt", "parties.txt" };

// The floor: the bytes read with read(), then every line end and space found once.
size_t floorPass(const std::vector<std::string>& paths)
{
    size_t found = 0;
    for (const auto& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat st { };
        if (fd < 0 || ::fstat(fd, &st) != 0)
            std::abort();
        std::string bytes(static_cast<size_t>(st.st_size), '\0');
        size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0)
                std::abort();
            got += static_cast<size_t>(n);
        }
        ::close(fd);
        for (const char c : bytes) {
            if (c == '\n' || c == ' ')
                ++found;
        }
    }
    return found;
}

std::string machineLine()
{
    std::ifstream cpu("/proc/cpuinfo");
    std::string line, model = "unknown CPU";
    while (std::getline(cpu, line)) {
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    return model + ", " + std::to_string(std::thread::hardware_concurrency()) + " cores";
}

double megabytes(double bytes)
{
    return bytes / 1e6;
}

struct Module {
    QString folder; // ends in the separator
    std::vector<std::string> paths;
    double bytes = 0;
};

Module describe(const QString& folder)
{
    Module m;
    m.folder = folder;
    std::printf("module:");
    for (const char* name : kFiles) {
        const std::string path = (folder + QString::fromLatin1(name)).toStdString();
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        m.paths.push_back(path);
        m.bytes += static_cast<double>(bytes.size());
        std::printf(" %s %ld lines,", name, static_cast<long>(std::count(bytes.begin(), bytes.end(), '\n')));
    }
    std::printf(" %.2f MB in all\n", megabytes(m.bytes));
    return m;
}

std::unique_ptr<mw::frmMusterwright> newWindow(SilentMessages& messages, NoChooser& chooser)
{
    auto window = std::make_unique<mw::frmMusterwright>(messages, chooser);
    window->resize(1280, 800);
    window->show();
    settle();
    return window;
}

// Paints the window as a load leaves it (the Instructions panel shown), then each of the
// three editing panels in turn; `shown`, when given, is called after the first paint.
void paintEveryPanel(QWidget& window, const std::function<void()>& shown = {})
{
    for (const char* panel : { "Instructions", "troops.txt", "party_templates.txt", "parties.txt" }) {
        choosePanel(window, QString::fromLatin1(panel));
        window.repaint();
        if (shown && QLatin1String(panel) == QLatin1String("Instructions"))
            shown();
    }
}

QWidget* panelWidget(QWidget& window, const QString& panel)
{
    if (panel == QLatin1String("troops.txt"))
        return control<QWidget>(window, "frmTroops");
    if (panel == QLatin1String("party_templates.txt"))
        return control<QWidget>(window, "frmParty_Templates");
    if (panel == QLatin1String("parties.txt"))
        return control<QWidget>(window, "frmParties");
    return control<QWidget>(window, "frmControls");
}

int unpainted = 0; // timed steps that did not paint what they should have

// The offscreen platform says, for every popup, what it cannot do; that is no news here.
void quietPlatform(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support"))
        || text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 11;
    bool newer = false;
    QString givenFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatform);
    if (argc >= 2 && std::strcmp(argv[1], "--child-start") == 0)
        return startChild(argc, argv, argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    if (argc >= 3 && std::strcmp(argv[1], "--child-memory") == 0)
        return memoryChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--newer")
            newer = true;
        else if (arg == "--folder" && i + 1 < argc)
            givenFolder = QString::fromLocal8Bit(argv[++i]);
        else if (!arg.empty() && std::isdigit(static_cast<unsigned char>(arg[0])))
            runs = std::atoi(arg.c_str());
        else {
            std::fprintf(stderr, "mwbench: unknown argument %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    runs = std::max(3, runs);

    QApplication app(argc, argv);
    QTemporaryDir tmp;
    QString folderPath = givenFolder;
    if (folderPath.isEmpty()) {
        mwgen::ModuleSpec plan;
        plan.troops = 4680; // 2 + 4680 * 7 = 32,762 lines
        plan.linesPerTroop = 7;
        plan.items = 16382; // 2 + 16382 * 2 = 32,766 lines
        plan.factions = 60; // every faction line lists every faction: the file grows with the square
        plan.templateLineTarget = 32767;
        plan.partyLineTarget = 32767;
        plan.newer = newer;
        folderPath = tmp.filePath(QStringLiteral("limits"));
        if (!mwgen::writeModule(mwgen::generateModule(plan), folderPath.toStdString())) {
            std::fprintf(stderr, "could not write the module\n");
            return 1;
        }
    }
    const QString folder = QDir::toNativeSeparators(QDir(folderPath).absolutePath()) + QDir::separator();
    const QString self = QCoreApplication::applicationFilePath();

#ifdef NDEBUG
    const char* build = "release build";
#else
    const char* build = "DEBUG build: figures are not comparable";
#endif
    std::printf("mwbench: %s; Qt %s, platform %s, %s; %d runs per figure%s\n", machineLine().c_str(), qVersion(),
        qPrintable(QGuiApplication::platformName()), build, runs, newer ? "; newer generation" : "");
    const Module module = describe(folder);

    // Processes of their own first, while nothing else of the benchmark is in memory.
    const StartTimes starts = measureStarts(self, folder, runs);
    const MemoryFigures memory = measureMemory(self, folder, 3);

    PaintCounter paints;
    SilentMessages messages;
    NoChooser chooser;
    auto window = newWindow(messages, chooser);
    window->loadFolder(folder); // warms the file cache
    paintEveryPanel(*window);

    // The loads against the floor, each load paired with the floor run just before it.
    std::vector<double> floorFresh, floorReload, fresh, freshShown, freshPainted, reload, check;
    size_t findings = 0;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        floorPass(module.paths);
        floorFresh.push_back(msSince(start));

        auto other = newWindow(messages, chooser);
        start = Clock::now();
        other->loadFolder(folder);
        fresh.push_back(msSince(start));
        paintEveryPanel(*other, [&] { freshShown.push_back(msSince(start)); });
        freshPainted.push_back(msSince(start));
        other.reset();
        settle();

        start = Clock::now();
        floorPass(module.paths);
        floorReload.push_back(msSince(start));

        start = Clock::now();
        window->loadFolder(folder);
        reload.push_back(msSince(start));
        paintEveryPanel(*window);
        settle();

        start = Clock::now();
        findings = mw::checkModule(folder).findings.size();
        check.push_back(msSince(start));
    }
    std::vector<double> floors = floorFresh;
    floors.insert(floors.end(), floorReload.begin(), floorReload.end());

    // Panel switches with their paint.
    std::vector<Row> switchRows;
    for (const char* panel : { "troops.txt", "party_templates.txt", "parties.txt", "Instructions" }) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            choosePanel(*window,
                QStringLiteral("Instructions") == QLatin1String(panel) ? QStringLiteral("troops.txt")
                                                                       : QStringLiteral("Instructions"));
            settle();
            paints.watch(panelWidget(*window, QString::fromLatin1(panel)));
            const auto start = Clock::now();
            choosePanel(*window, QString::fromLatin1(panel));
            settle();
            times.push_back(msSince(start));
            unpainted += paints.watchedPaints() == 0 && QLatin1String(panel) != QLatin1String("Instructions");
        }
        switchRows.push_back({ std::string("switch to ") + panel + ", painted", summarise(times), "ms" });
    }

    // Clicks on records spread over the whole list, with the paint of the panel's fields.
    std::vector<Row> clickRows;
    for (const char* panel : kPanels) {
        choosePanel(*window, QString::fromLatin1(panel));
        settle();
        QAbstractItemView* list = recordListOf(*window, QString::fromLatin1(panel));
        const int count = list->model()->rowCount();
        std::vector<double> times;
        int k = 0;
        for (int i = 0; i < std::max(runs, 51); ++i) {
            k = (k + 997) % count;
            const QModelIndex index = list->model()->index(k, 0);
            list->scrollTo(index);
            settle();
            paints.watch(panelWidget(*window, QString::fromLatin1(panel)));
            const auto start = Clock::now();
            list->setCurrentIndex(index);
            settle();
            times.push_back(msSince(start));
            unpainted += paints.watchedPaints() == 0;
        }
        clickRows.push_back(
            { std::string("click a record of ") + panel + ", fields painted", summarise(times), "ms", 8, "< 8 ms" });
    }

    // Every drop-down opened, its list painted, and closed again.
    std::vector<Row> comboRows;
    std::vector<double> worst(static_cast<size_t>(runs), 0.0);
    for (const char* panel : { "troops.txt", "party_templates.txt", "parties.txt", "Instructions" }) {
        choosePanel(*window, QString::fromLatin1(panel));
        settle();
        QWidget* owner = panelWidget(*window, QString::fromLatin1(panel));
        std::map<QString, int> seen;
        for (QComboBox* combo : owner->findChildren<QComboBox*>()) {
            if (!combo->isVisible() || combo->count() == 0)
                continue;
            const int nth = seen[combo->objectName()]++;
            std::vector<double> times;
            for (int i = 0; i < runs; ++i) {
                paints.watch(combo->view());
                const auto start = Clock::now();
                combo->showPopup();
                settle();
                times.push_back(msSince(start));
                unpainted += paints.watchedPaints() == 0;
                worst[static_cast<size_t>(i)] = std::max(worst[static_cast<size_t>(i)], times.back());
                combo->hidePopup();
                settle();
            }
            const QString name = combo->objectName() + (nth ? QStringLiteral("[%1]").arg(nth) : QString());
            const QString what = QStringLiteral("open %1 (%2 entries), painted").arg(name).arg(combo->count());
            comboRows.push_back({ what.toStdString(), summarise(times), "ms", 16, "< 16 ms" });
        }
    }

    const int loadMessages = messages.count;

    // Update and Save of a troop against writing the same bytes.
    choosePanel(*window, QStringLiteral("troops.txt"));
    QAbstractItemView* troops = recordListOf(*window, QStringLiteral("troops.txt"));
    troops->setCurrentIndex(troops->model()->index(std::min(4000, troops->model()->rowCount() - 1), 0));
    settle();
    std::vector<double> updateSave, rawWrite;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        control<QPushButton>(*window, "cmdUpdate")->click();
        control<QPushButton>(*window, "cmdSave")->click();
        updateSave.push_back(msSince(start));
        start = Clock::now();
        for (const char* name : { "troops.txt", "party_templates.txt", "parties.txt" }) {
            QFile in(folder + QString::fromLatin1(name));
            in.open(QIODevice::ReadOnly);
            const QByteArray bytes = in.readAll();
            QSaveFile out(tmp.filePath(QStringLiteral("raw.txt")));
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            out.commit();
        }
        rawWrite.push_back(msSince(start));
    }

    const auto scaled = [](std::vector<double> v, double by) {
        for (double& x : v)
            x /= by;
        return v;
    };
    std::vector<Row> rows;
    rows.push_back({ "floor: read() the five files, find every line end and space", summarise(floors), "ms" });
    rows.push_back({ "folder load into a fresh window, lists filled", summarise(fresh), "ms" });
    rows.push_back({ "  to the floor", pairedRatio(fresh, floorFresh), "x", 3, "<= 3x" });
    rows.push_back({ "fresh load + the window's paint as the load leaves it", summarise(freshShown), "ms" });
    rows.push_back({ "  to the floor", pairedRatio(freshShown, floorFresh), "x" });
    rows.push_back({ "folder load into a fresh window + first paint of each panel", summarise(freshPainted), "ms" });
    rows.push_back({ "  to the floor", pairedRatio(freshPainted, floorFresh), "x", 4, "<= 4x" });
    rows.push_back({ "reload into the same window, lists filled", summarise(reload), "ms" });
    rows.push_back({ "  to the floor", pairedRatio(reload, floorReload), "x", 3, "<= 3x" });
    rows.push_back({ "module check (--check), " + std::to_string(findings) + " findings", summarise(check), "ms" });
    rows.push_back({ "  to the reload", pairedRatio(check, reload), "x", 2, "< 2x" });
    rows.push_back({ "start to first painted window, no folder", summarise(starts.paintedEmpty), "ms" });
    rows.push_back(
        { "start to first painted window, module on the command line", summarise(starts.paintedLoaded), "ms" });
    rows.push_back({ "  to the start without a folder", pairedRatio(starts.paintedLoaded, starts.paintedEmpty), "x",
        1.3, "<= 1.3x" });
    rows.push_back({ "start to module loaded and painted", summarise(starts.readyLoaded), "ms" });
    rows.push_back({ "heap growth of a load and paint (own process)", summarise(memory.heapGrowthMiB), "MiB" });
    rows.push_back({ "  to the size of the files", summarise(scaled(memory.heapGrowthMiB, module.bytes / 1048576.0)),
        "x", 1.5, "<= 1.5x" });
    rows.push_back({ "peak RSS of that process", summarise(memory.peakRssMiB), "MiB" });
    rows.insert(rows.end(), clickRows.begin(), clickRows.end());
    rows.insert(rows.end(), switchRows.begin(), switchRows.end());
    rows.insert(rows.end(), comboRows.begin(), comboRows.end());
    rows.push_back({ "slowest drop-down of each run", summarise(worst), "ms", 16, "< 16 ms" });
    rows.push_back({ "Update + Save of a troop", summarise(updateSave), "ms" });
    rows.push_back({ "write the same three files (QSaveFile)", summarise(rawWrite), "ms" });
    rows.push_back({ "  Update + Save to that", pairedRatio(updateSave, rawWrite), "x" });
    printTable(rows);

    std::printf("lists: %d troops, %d templates, %d parties; messages during the loads: %d; timed steps that "
                "painted nothing: %d\n",
        recordListOf(*window, QStringLiteral("troops.txt"))->model()->rowCount(),
        recordListOf(*window, QStringLiteral("party_templates.txt"))->model()->rowCount(),
        recordListOf(*window, QStringLiteral("parties.txt"))->model()->rowCount(), loadMessages, unpainted);
    // A find box narrows its list at every keystroke: the time from the letter to the painted
    // list, for each letter of a few searches.
    auto keystrokeMs = [&](const char* panel, const char* box, std::initializer_list<const char*> searches) {
        window->chooseFile(QString::fromLatin1(panel));
        auto* find = window->findChild<QLineEdit*>(QString::fromLatin1(box));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            for (const char* search : searches) {
                for (const QChar letter : QString::fromLatin1(search)) {
                    const auto start = Clock::now();
                    find->insert(letter);
                    window->repaint();
                    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                }
                find->clear();
                window->repaint();
            }
        }
        std::sort(times.begin(), times.end());
        return std::pair { times[times.size() / 2], times.back() };
    };
    for (const auto& [panel, box] : { std::pair { "troops.txt", "txtFindTroop" }, { "troops.txt", "txtFindItem" } }) {
        const auto [median, worst] = keystrokeMs(panel, box, { "ar", "wen_", "9", "zz" });
        std::printf("narrow by %-13s %8.2f ms a keystroke, at worst %.2f (goal < 16)\n", box, median, worst);
    }
    return 0;
}
