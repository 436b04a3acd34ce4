// The fitting driver's worst case: ten Lines of 100 points on a curve no
// single equation follows, all seven coordinate systems, three sections at
// most and a cutoff error that is never reached, so every split is tried.
// Targets on a 2-core machine: under 100 ms without the trace, under 500 ms
// with the trace and all four lists.

#include "WorstCase.h"
#include "core/SharedState.h"
#include "fit/Module1.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tracol;

void runWorstCase(benchmark::State& bench, bool withTrace) {
    const SharedState input = bench::worstCase();
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
            Module1::fillDetailList(state);
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
