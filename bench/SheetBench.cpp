// One keystroke in the search field of a 1,000-item sheet: filter, rebuild the columns, lay
// them out and draw the panel, offscreen; and one showing of a sheet of megabyte titles.
#include "sheetview/CheatSheetRoot.h"
#include "sheetview/SheetViewHarness.h"
#include "support/PanelHarness.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace holdsheet;

ShortcutSheet sheetOf1000() {
    const char* words[] = {"Open", "Save",  "Close",  "Find",   "Replace",
                           "Zoom", "Print", "Export", "Select", "Paste"};
    ShortcutSheet sheet;
    for (int g = 0; g < 20; ++g) {
        ShortcutGroup group;
        group.title = QStringLiteral("Menu %1").arg(g);
        for (int i = 0; i < 50; ++i) {
            ShortcutItem item;
            item.title = QStringLiteral("%1 Document Item %2").arg(words[i % 10]).arg(i);
            item.modifiers = (i % 3) ? QStringLiteral("⌘") : QStringLiteral("⇧⌘");
            item.key = QString(QChar('A' + i % 26));
            group.items.push_back(item);
        }
        sheet.groups.push_back(std::move(group));
    }
    return sheet;
}

struct Sheet : testing::SheetViewHarness {
    Sheet() : root(model, services, true), frame(1100, 700, QImage::Format_ARGB32_Premultiplied) {
        model.setAppName("Bench");
        loaded(sheetOf1000());
        root.resize(frame.size());
        root.show();
        nextFrame();
    }
    // The layout pass, the deferred deletions and one frame, as the event loop would run them.
    void nextFrame() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        root.render(&frame);
    }
    void type(const QString& query) {
        model.setQuery(query);
        nextFrame();
    }

    CheatSheetRoot root;
    QImage frame;
};

// Typing "save" and deleting it again, one keystroke an iteration.
void typing(benchmark::State& state) {
    Sheet sheet;
    const QString steps[] = {"s", "sa", "sav", "save", "sav", "sa", "s", ""};
    std::size_t next = 0;
    for (auto _ : state) {
        sheet.type(steps[next]);
        next = (next + 1) % std::size(steps);
    }
}

// The costliest keystroke: from a narrow result back to all 1,000 rows.
void clearing(benchmark::State& state) {
    Sheet sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.type("save document item 4");
        state.ResumeTiming();
        sheet.type("");
    }
}

// From all rows to the first letter's matches.
void firstLetter(benchmark::State& state) {
    Sheet sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.type("");
        state.ResumeTiming();
        sheet.type("s");
    }
}

// One showing of the panel over an application whose window name, a menu and an item are a
// megabyte long each: the menus read into a sheet, the sheet and the name stored in the
// model, the panel laid out and drawn once.
void megabyteTitles(benchmark::State& state) {
    const QString flood = QStringLiteral("Flood ").repeated((1 << 20) / 6);
    constexpr pid_t pid = 7;
    testing::FakeAccessibility ax;
    ax.menuBar(pid).menu("File").item("Open").key("o");
    ax.menuBar(pid).menu(flood).item(flood).key("f");
    testing::NoHotKeys hotKeys;
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = std::make_unique<testing::SheetViewHarness>();
        auto root = std::make_unique<CheatSheetRoot>(panel->model, panel->services, true);
        QImage frame(1100, 700, QImage::Format_ARGB32_Premultiplied);
        state.ResumeTiming();
        panel->model.setAppName(flood);
        panel->loaded(SheetLoader(panel->scheduler, ax, panel->store, hotKeys, panel->localization)
                          .readGroups(pid, {true, true, false}));
        root->resize(frame.size());
        root->show();
        QCoreApplication::processEvents();
        root->render(&frame);
        state.PauseTiming();
        root.reset();
        panel.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(typing)->Unit(benchmark::kMillisecond);
BENCHMARK(clearing)->Unit(benchmark::kMillisecond);
BENCHMARK(firstLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(megabyteTitles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
