// filterGroups over a sheet of 1,000 items in 20 menus, for a few typical queries.
#include "harvest/SheetFilter.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<holdsheet::ShortcutGroup> sheetOf1000() {
    const char* words[] = {"Open", "Save",  "Close",  "Find",   "Replace",
                           "Zoom", "Print", "Export", "Select", "Paste"};
    std::vector<holdsheet::ShortcutGroup> groups;
    for (int g = 0; g < 20; ++g) {
        holdsheet::ShortcutGroup group;
        group.title = QStringLiteral("Menu %1").arg(g);
        for (int i = 0; i < 50; ++i) {
            holdsheet::ShortcutItem item;
            item.title = QStringLiteral("%1 Document Item %2").arg(words[i % 10]).arg(i);
            item.modifiers = (i % 3) ? QStringLiteral("⌘") : QStringLiteral("⇧⌘");
            item.key = QString(QChar('A' + i % 26));
            group.items.push_back(item);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

void filter(benchmark::State& state, const char* query, const char* locale) {
    const auto groups = sheetOf1000();
    const QLocale chosen(QString::fromLatin1(locale));
    const QString text = QString::fromUtf8(query);
    for (auto _ : state) {
        benchmark::DoNotOptimize(holdsheet::filterGroups(text, groups, chosen));
    }
}

BENCHMARK_CAPTURE(filter, word, "save", "en_US")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(filter, keys, "⇧⌘s", "en_US")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(filter, noMatch, "xyzzy", "en_US")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(filter, turkish, "save", "tr_TR")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
