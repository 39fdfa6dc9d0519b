// The PDF of a 1,000-item sheet in 20 menus: paginated, drawn and written to a file (with its
// rename into place), drawn into memory alone, and paginated alone.
#include "export/Pagination.h"
#include "export/PdfWriter.h"
#include "prefs/Localization.h"
#include "support/MemoryPreferenceStore.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace holdsheet;

std::vector<ShortcutGroup> sheetOf1000() {
    const char* words[] = {"Open", "Save",  "Close",  "Find",   "Replace",
                           "Zoom", "Print", "Export", "Select", "Paste"};
    std::vector<ShortcutGroup> groups;
    for (int g = 0; g < 20; ++g) {
        ShortcutGroup group;
        group.title = QStringLiteral("Menu %1").arg(g);
        for (int i = 0; i < 50; ++i) {
            ShortcutItem item;
            item.title = QStringLiteral("%1 Document Item %2").arg(words[i % 10]).arg(i);
            item.modifiers = (i % 3) ? QStringLiteral("⌘") : QStringLiteral("⇧⌘");
            item.key = QString(QChar('A' + i % 26));
            item.isEnabled = i % 7 != 0;
            group.items.push_back(item);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

struct English {
    testing::MemoryPreferenceStore store;
    Localization l10n{store};
    English() { store.set(QStringLiteral("language"), QStringLiteral("en")); }
};

void writeFile(benchmark::State& state) {
    const auto groups = sheetOf1000();
    const English english;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        if (!writePDF(groups, QStringLiteral("Bench"), QImage(), path, english.l10n)) {
            state.SkipWithError("the PDF was not written");
            break;
        }
    }
    state.counters["pages"] = static_cast<double>(paginate(groups).size());
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

void renderInMemory(benchmark::State& state) {
    const auto groups = sheetOf1000();
    const English english;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(
            renderPDF(buffer, groups, QStringLiteral("Bench"), QImage(), english.l10n));
    }
}

void paginateOnly(benchmark::State& state) {
    const auto groups = sheetOf1000();
    for (auto _ : state) {
        benchmark::DoNotOptimize(paginate(groups));
    }
}

BENCHMARK(writeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(renderInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(paginateOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
