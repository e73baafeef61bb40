// Times the editor on a generated module at the format's limits: the whole folder load into
// the window against merely reading and cutting the same bytes, the module check against the
// load, a click on a record, and Update plus Save against writing the same bytes. Reports
// medians of repeated runs and the peak memory. Run a release build: build-release/bench/mwbench [runs]
#include "app/folderchooser.h"
#include "app/frmmusterwright.h"
#include "app/recordselection.h"
#include "check/modulecheck.h"
#include "core/fields.h"
#include "core/textfiles.h"
#include "modulegen.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class SilentMessages : public mw::MessageService {
public:
    void show(const QString&, mw::MessageIcon) override { ++count; }
    int count = 0;
};

class NoChooser : public mw::FolderChooser {
public:
    QString chooseFolder(QWidget*, const QString&, const QString&, int) override { return {}; }
};

double medianMs(int runs, const std::function<void()>& body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        body();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const char* const kFiles[] = {"troops.txt", "item_kinds1.txt", "factions.txt", "party_templates.txt", "parties.txt"};

size_t readAndCut(const QString& folder)
{
    size_t fields = 0;
    for (const char* name : kFiles) {
        const mw::LineArray lines = mw::readLines(folder + QString::fromLatin1(name));
        for (const auto& line : lines.lines())
            fields += mw::cutFields(line).size();
    }
    return fields;
}

void paintEveryPanel(mw::frmMusterwright& window)
{
    for (const char* panel : {"troops.txt", "party_templates.txt", "parties.txt", "Instructions"}) {
        window.chooseFile(QString::fromLatin1(panel));
        window.repaint();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const bool newer = argc > 2 && std::string_view(argv[2]) == "--newer"; // the later releases' files

    QTemporaryDir tmp;
    mwgen::ModuleSpec plan;
    plan.troops = 4680;
    plan.linesPerTroop = 7;
    plan.items = 5000;
    plan.factions = 60;
    plan.templateLineTarget = 32767;
    plan.partyLineTarget = 32767;
    plan.newer = newer;
    const std::string folderPath = tmp.filePath("limits").toStdString();
    if (!mwgen::writeModule(mwgen::generateModule(plan), folderPath)) {
        std::fprintf(stderr, "could not write the module\n");
        return 1;
    }
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(folderPath)) + QDir::separator();

    SilentMessages messages;
    NoChooser chooser;
    mw::frmMusterwright window(messages, chooser);
    window.resize(1180, 800);
    window.show();
    QApplication::processEvents();

    std::printf("module: %d troops, %d items, %d factions%s; runs: %d\n", plan.troops, plan.items, plan.factions,
        newer ? ", newer generation" : "", runs);
    const double baseline = medianMs(runs, [&] { readAndCut(folder); });
    const double load = medianMs(runs, [&] {
        window.loadFolder(folder);
        paintEveryPanel(window);
    });
    const auto& state = window.state();
    std::printf("lines: troops %d, templates %d, parties %d; messages shown during loads: %d\n",
                state.TroopLines.count(), state.PTLines.count(), state.PartyLines.count(), messages.count);
    std::printf("(b) read and cut the five files:     %8.2f ms\n", baseline);
    std::printf("(a) whole folder load, lists, paint: %8.2f ms\n", load);
    std::printf("    ratio a/b:                       %8.2f (goal <= 4)\n", load / baseline);
    size_t findings = 0;
    const double check = medianMs(runs, [&] { findings = mw::checkModule(folder).findings.size(); });
    std::printf("(c) module check (--check):          %8.2f ms, %zu findings\n", check, findings);
    std::printf("    ratio c/a:                       %8.2f (goal < 2)\n", check / load);

    // Clicks: spread over the whole list.
    auto clickMs = [&](const char* panel, int count) {
        window.chooseFile(QString::fromLatin1(panel));
        int k = 0;
        return medianMs(std::max(runs, 51), [&] {
            k = (k + 997) % count;
            mw::selectRecord(window, k);
        });
    };
    std::printf("click a troop:    %8.3f ms (goal < 2)\n", clickMs("troops.txt", window.lists().troopEntries.rowCount()));
    std::printf("click a template: %8.3f ms (goal < 2)\n",
                clickMs("party_templates.txt", window.lists().templateEntries.rowCount()));
    std::printf("click a party:    %8.3f ms (goal < 2)\n", clickMs("parties.txt", window.lists().partyEntries.rowCount()));

    // Update plus Save of a troop against writing the same bytes.
    window.chooseFile(QStringLiteral("troops.txt"));
    mw::selectRecord(window, 4000);
    const double updateSave = medianMs(runs, [&] {
        window.cmdUpdate_Click();
        window.cmdSave_Click();
    });
    const double rawWrite = medianMs(runs, [&] {
        for (const auto* lines : {&state.TroopLines, &state.PTLines, &state.PartyLines})
            mw::writeFileAtomically(tmp.filePath("raw.txt"), lines->serialised());
    });
    std::printf("Update + Save:            %8.2f ms\n", updateSave);
    std::printf("write the same bytes:     %8.2f ms\n", rawWrite);
    std::printf("    ratio:                %8.2f (goal <= 3)\n", updateSave / rawWrite);

    // A find box narrows its list at every keystroke: the time from the letter to the painted
    // list, for each letter of a few searches.
    auto keystrokeMs = [&](const char* panel, const char* box, std::initializer_list<const char*> searches) {
        window.chooseFile(QString::fromLatin1(panel));
        auto* find = window.findChild<QLineEdit*>(QString::fromLatin1(box));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            for (const char* search : searches) {
                for (const QChar letter : QString::fromLatin1(search)) {
                    const auto start = Clock::now();
                    find->insert(letter);
                    window.repaint();
                    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                }
                find->clear();
                window.repaint();
            }
        }
        std::sort(times.begin(), times.end());
        return std::pair { times[times.size() / 2], times.back() };
    };
    for (const auto& [panel, box] : { std::pair { "troops.txt", "txtFindTroop" }, { "troops.txt", "txtFindItem" } }) {
        const auto [median, worst] = keystrokeMs(panel, box, { "ar", "wen_", "9", "zz" });
        std::printf("narrow by %-13s %8.2f ms a keystroke, at worst %.2f (goal < 16)\n", box, median, worst);
    }
    // Opening the longest choice lists.
    for (const char* combo : { "cmbItems", "cmbUpgradePathA" }) {
        auto* list = window.findChild<QComboBox*>(QString::fromLatin1(combo));
        const double open = medianMs(runs, [&] {
            list->showPopup();
            list->view()->window()->repaint();
            list->hidePopup();
        });
        std::printf("open %-16s %8.2f ms (%d entries)\n", combo, open, list->count());
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
