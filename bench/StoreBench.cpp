// The settings store as the permission poll uses it: the once-a-second store of a value that
// did not change, over a 0.8 MB settings file (its CPU per call is its share of a second), and
// the stall of the calling thread while another process holds the file's lock.
#include "platform/posix/IniPreferenceStore.h"
#include "support/LockHolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace holdsheet;
using holdsheet::testing::LockHolder;

QByteArray largeSettings() {
    QByteArray text = "; settings kept by hand\n[General]\nhadAccessibilityAccess=true\n";
    for (int n = 0; text.size() < 800'000; ++n) {
        text += "excludedApp" + QByteArray::number(n) + "=org.example.Application" +
                QByteArray::number(n) + ", org.example.Other" + QByteArray::number(n) + "\n";
    }
    return text;
}

bool writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
}

void unchangedValueOverLargeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Holdsheet.conf"));
    if (!writeText(path, largeSettings())) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    IniPreferenceStore store(path);
    for (auto _ : state) {
        store.set(QStringLiteral("hadAccessibilityAccess"), true);
    }
}
BENCHMARK(unchangedValueOverLargeFile)->Unit(benchmark::kMicrosecond);

void changedValueWhileLocked(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Holdsheet.conf"));
    if (!writeText(path, "[General]\ntheme=dark\n")) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    IniPreferenceStore store(path);
    double longest = 0;
    {
        const LockHolder holder(path + QStringLiteral(".lock"));
        if (!holder.locked()) {
            state.SkipWithError("the child could not take the lock");
            return;
        }
        bool value = false;
        for (auto _ : state) {
            value = !value;
            const auto start = std::chrono::steady_clock::now();
            store.set(QStringLiteral("closeOnRelease"), value);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            longest = std::max(longest, took.count());
        }
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(changedValueWhileLocked)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
