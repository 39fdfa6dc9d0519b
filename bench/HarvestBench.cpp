// Times reading the menus of running applications through the accessibility port.
// Usage: holdsheet_harvest_bench RUNS PID [PID...]; prints "pid N items M median_ms X".
#include "harvest/MenuBarReader.h"
#include "platform/freedesktop/AtspiAccessibility.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PID [PID...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    holdsheet::AtspiAccessibility ax;
    for (int a = 2; a < argc; ++a) {
        const pid_t pid = std::atoi(argv[a]);
        std::vector<double> times;
        int items = 0;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            holdsheet::ShortcutSheet sheet{holdsheet::MenuBarReader(ax).readMenus(pid, true),
                                           false};
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            items = sheet.itemCount();
        }
        std::sort(times.begin(), times.end());
        std::printf("pid %d items %d median_ms %.2f\n", pid, items, times[times.size() / 2]);
    }
    return 0;
}
