// Speed of the output engine: sampling one section for the plot (299
// intervals, every kind) and building a ten-Line worksheet.

#include "core/NumericText.h"
#include "output/Module70.h"
#include "output/Worksheet.h"

#include <benchmark/benchmark.h>

using namespace tracol;

static void BM_SampleSectionCurve(benchmark::State& bench) {
    SharedState state;
    const auto kind = static_cast<qint16>(bench.range(0));
    state.CurveKind = kind;
    state.CoefA[kind] = 0.012;
    state.CoefB[kind] = -0.05;
    state.CoefC[kind] = 0.3;
    state.CoefD[kind] = 1.5;
    state.SectionXStart = 0.5f;
    state.SectionXEnd = 250.0f;
    for (auto _ : bench) {
        Module70::SampleSectionCurve(state);
        benchmark::DoNotOptimize(state.CurvePointCount);
    }
}
BENCHMARK(BM_SampleSectionCurve)->DenseRange(1, 21, 1);

static void BM_TenLineWorksheet(benchmark::State& bench) {
    SharedState state;
    for (int line = 1; line <= kLineCount; ++line) {
        state.LineParameter[line] = QString::number(11 - line);
        state.LoadedLineCount[line] = 100;
        for (int j = 1; j <= 100; ++j)
            state.PointXText[line][j] = numtext::trimmedText(static_cast<float>(j * 1.5));
        state.FitResult.SectionCount[line] = 3;
        for (int s = 1; s <= 3; ++s) {
            state.FitResult.SectionEqNo[s][line] = static_cast<qint16>(s * 6);
            state.FitResult.SectionC1[s][line] = 0.25f * s;
            state.FitResult.SectionFirstPoint[s][line] = static_cast<qint16>(1 + 33 * (s - 1));
            state.FitResult.SectionLastPoint[s][line] = static_cast<qint16>(34 + 33 * (s - 1));
        }
    }
    state.LinesInUse = kLineCount;
    for (auto _ : bench)
        benchmark::DoNotOptimize(worksheetLines(state));
}
BENCHMARK(BM_TenLineWorksheet);

BENCHMARK_MAIN();
