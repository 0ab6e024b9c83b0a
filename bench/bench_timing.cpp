#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

namespace {
// A rundown of n rows: timed items, a break every 12 rows, a skipped row every 50.
void fill(DocFixture& f, int n) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (i % 12 == 0)
            rows.append(QStringLiteral("Break"));
        else
            rows.append(QStringLiteral("|Story %1|n|n|Ann|VO|SOT||%2:%3||%4|")
                            .arg(i)
                            .arg(i % 4)
                            .arg(i % 60, 2, 10, QChar(u'0'))
                            .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    f.addRows(rows);
}
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
