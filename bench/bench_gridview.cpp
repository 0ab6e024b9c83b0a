#include "ui/StyleGridView.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <benchmark/benchmark.h>

namespace {
// A grid of n rows as a rundown shows them: a break bar (spanning columns 2 to 11) every 12 rows and
// a taller row every 7.
void fill(StyleGrid& g, int n) {
    auto dark = g.GetDefaultStyle()->copy();
    dark->setBackColor(gridRgb(100, 100, 100));
    g.LockDrawing(true);
    g.setRows(n);
    for (int y = 1; y <= n; ++y) {
        if (y % 12 == 0) {
            g.setCellText(1, y, QStringLiteral("Break"));
            g.setCellStyle(1, y, dark);
            g.setCellStyle(2, y, dark);
            g.setCellColSpan(2, y, 10);
        } else {
            g.setCellText(2, y, QStringLiteral("Story %1").arg(y));
            g.setCellText(9, y, QStringLiteral("1:30"));
        }
        if (y % 7 == 0)
            g.setRowHeight(y, 37);
    }
    g.LockDrawing(false);
}
} // namespace

// Showing a filled grid: widths, every row height and every span taken over at once.
static void BM_viewAttach(benchmark::State& state) {
    StyleGrid g;
    fill(g, int(state.range(0)));
    for (auto _ : state) {
        StyleGridView v;
        v.setGrid(&g);
        benchmark::DoNotOptimize(v.columnSpan(11, 1));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_viewAttach)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// A row inserted with drawing locked, as a document read or a batch edit does: one model reset, then
// the heights and spans of the whole grid are set again.
static void BM_viewAfterReset(benchmark::State& state) {
    StyleGrid g;
    fill(g, int(state.range(0)));
    StyleGridView v;
    v.resize(640, 400);
    v.setGrid(&g);
    for (auto _ : state) {
        g.LockDrawing(true);
        g.InsertRow(1);
        g.LockDrawing(false);
        v.syncSpans();
        state.PauseTiming();
        g.RemoveRow(1);
        v.syncSpans();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_viewAfterReset)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// One span changed (a row becomes a break): one pass over the grid, one span set.
static void BM_viewOneSpanChange(benchmark::State& state) {
    StyleGrid g;
    fill(g, int(state.range(0)));
    StyleGridView v;
    v.setGrid(&g);
    int flip = 0;
    for (auto _ : state) {
        g.setCellColSpan(2, 5, (flip++ % 2) ? 1 : 10);
        v.syncSpans();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_viewOneSpanChange)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// Painting one screenful in the middle of a long rundown.
static void BM_viewPaint(benchmark::State& state) {
    StyleGrid g;
    fill(g, int(state.range(0)));
    StyleGridView v;
    v.resize(640, 400);
    v.setGrid(&g);
    v.scrollTo(g.index(g.Rows() / 2, 0));
    QCoreApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(v.grab());
}
BENCHMARK(BM_viewPaint)->Arg(100000)->Unit(benchmark::kMillisecond);
