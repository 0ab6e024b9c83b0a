#include "BenchSupport.h"

#include <benchmark/benchmark.h>

namespace {
void fill(DocFixture& f, int n) { f.addRows(sampleRundownRows(n)); }
} // namespace

// A full recomputation of a rundown whose TRT and Back cells are empty (as after reading a file).
static void BM_additupFromRow1(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    StyleGrid& g = f.grid();
    for (auto _ : state) {
        state.PauseTiming();
        for (int y = 1; y <= g.Rows(); ++y) {
            g.setCellText(10, y, QString());
            g.setCellText(12, y, QString());
        }
        state.ResumeTiming();
        f.doc->additup(1);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_additupFromRow1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// A recomputation after one Time edit near the end: the forward pass is short, the backward pass
// walks every row and rewrites every Back cell.
static void BM_additupFromLastRow(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    StyleGrid& g = f.grid();
    f.doc->additup(1);
    int flip = 0;
    for (auto _ : state) {
        g.setCellText(9, g.Rows() - 1, (flip++ % 2) ? QStringLiteral("1:00") : QStringLiteral("2:00"));
        f.doc->additup(g.Rows() - 1);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_additupFromLastRow)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// A Time edit in row 1: every TRT and every Back text changes.
static void BM_additupEditRow1(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    StyleGrid& g = f.grid();
    f.doc->additup(1);
    int flip = 0;
    for (auto _ : state) {
        g.setCellText(9, 1, (flip++ % 2) ? QStringLiteral("1:00") : QStringLiteral("2:00"));
        f.doc->additup(1);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_additupEditRow1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
