// The key-binding parser over what an application may hand it: real bindings, and texts of
// up to a megabyte made of modifiers, modifier words or alternatives.
#include "platform/freedesktop/KeyBindingParser.h"

#include <benchmark/benchmark.h>

namespace {

using holdsheet::Toolkit;

void parse(benchmark::State& state, Toolkit toolkit, QString text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(holdsheet::parseKeyBinding(text, toolkit, QStringLiteral("Item")));
    }
}

// `unit` repeated to about `bytes` bytes of text, then `end`.
QString repeated(const char* unit, qsizetype bytes, const char* end) {
    const QString piece = QString::fromLatin1(unit);
    return piece.repeated(bytes / qsizetype(sizeof(QChar)) / piece.size()) +
           QString::fromLatin1(end);
}

void gtkModifiers(benchmark::State& state) {
    parse(state, Toolkit::gtk, QStringLiteral(";;") + repeated("<Primary>", state.range(0), "s"));
}

void qtModifierWords(benchmark::State& state) {
    parse(state, Toolkit::qt, repeated("Ctrl+", state.range(0), "S"));
}

void qtAlternatives(benchmark::State& state) {
    parse(state, Toolkit::qt, repeated("Ctrl+Q;", state.range(0), "Ctrl+S"));
}

void unknownShape(benchmark::State& state) {
    parse(state, Toolkit::unknown, repeated("a;", state.range(0), "<b"));
}

BENCHMARK_CAPTURE(parse, gtkReal, Toolkit::gtk, QStringLiteral("s;<Alt>f:s;<Primary><Shift>s"))
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(parse, qtReal, Toolkit::qt, QStringLiteral("Ctrl+Shift+S"))
    ->Unit(benchmark::kNanosecond);
BENCHMARK(gtkModifiers)
    ->RangeMultiplier(16)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(qtModifierWords)
    ->RangeMultiplier(16)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(qtAlternatives)
    ->RangeMultiplier(16)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(unknownShape)
    ->RangeMultiplier(16)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
