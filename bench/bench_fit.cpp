// The fitting driver's worst case: ten Lines of 100 points on a curve no
// single equation follows, all seven coordinate systems, three sections at
// most and a cutoff error that is never reached, so every split is tried.
// Targets on a 2-core machine: under 100 ms without the trace, under 500 ms
// with the trace and all four lists.

#include "core/SharedState.h"
#include "fit/Module1.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <cmath>

namespace {

using namespace tracol;

SharedState worstCase() {
    SharedState state;
    state.CutoffError = 1e-30f;
    state.ErrorMode = 2;
    state.MaxDivisions = 3;
    state.ExcludedSystems = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    state.LinesInUse = kLineCount;
    for (int line = 1; line <= kLineCount; ++line) {
        const size_t l = static_cast<size_t>(line);
        state.LineOrder[l] = static_cast<qint16>(line);
        state.LineParameter[l] = QString::number(line * 1.5);
        state.LoadedLineKind[l] = 1;
        state.LoadedLineCount[l] = kMaxLinePoints;
        for (int i = 1; i <= kMaxLinePoints; ++i) {
            const double x = 0.1 * i;
            // Positive everywhere, with a step and a ripple: every system applies,
            // none fits.
            const double y = 4.0 + line * 0.1 + std::tanh(3.0 * (x - 5.0)) + 0.4 * std::sin(2.7 * x);
            state.PointXText[l][static_cast<size_t>(i)] = QString::number(x, 'g', 7);
            state.PointYText[l][static_cast<size_t>(i)] = QString::number(y, 'g', 7);
        }
    }
    return state;
}

void runWorstCase(benchmark::State& bench, bool withTrace) {
    const SharedState input = worstCase();
    Module1::Hooks hooks;
    hooks.buildTrace = withTrace;
    qint32 fits = 0;
    qsizetype traceLines = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        SharedState state = input;
        bench.ResumeTiming();
        Module1::RunComputation(state, hooks);
        if (withTrace)
            Module1::FillDetailList(state);
        fits = state.FitCount;
        traceLines = state.List1.size();
        benchmark::DoNotOptimize(state.List4.size());
    }
    bench.counters["fits"] = fits;
    bench.counters["List1_lines"] = static_cast<double>(traceLines);
}

void BM_WorstCaseWithoutTrace(benchmark::State& bench) {
    runWorstCase(bench, false);
}

void BM_WorstCaseWithAllLists(benchmark::State& bench) {
    runWorstCase(bench, true);
}

BENCHMARK(BM_WorstCaseWithoutTrace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstCaseWithAllLists)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
