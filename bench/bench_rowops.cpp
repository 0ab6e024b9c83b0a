#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

// Row operations on a large rundown, each with the renumbering and the recomputation it triggers.
// Arguments: the row count, and a break every that many rows (0: no breaks, so a change renumbers every
// row below it, the worst case for page numbering).

namespace {
void fillRundown(DocFixture& f, int n, int breakEvery) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (breakEvery > 0 && i % breakEvery == 0)
            rows.append(QStringLiteral("Break"));
        else
            rows.append(QStringLiteral("|Story %1|n|n|Ann|VO|SOT||%2:%3||%4|")
                            .arg(i)
                            .arg(i % 4)
                            .arg(i % 60, 2, 10, QChar(u'0'))
                            .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    f.addRows(rows);
    f.doc->doautopage(1);
    f.doc->additup(1);
}

// A story row in the middle (a break row would be blank for nothing, but not for the insert test).
int middleStory(const StyleGrid& g) {
    int y = g.Rows() / 2;
    while (RowKinds::isBreak(g, y))
        ++y;
    return y;
}

void setArgs(benchmark::internal::Benchmark* b) {
    b->Args({10000, 12})->Args({10000, 0})->Unit(benchmark::kMillisecond);
}
} // namespace

static void BM_addRowMiddle(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    StyleGrid& g = f.grid();
    const int y = middleStory(g);
    for (auto _ : state) {
        state.PauseTiming();
        g.Selection().Set(RundownColumns::Slug, y);
        state.ResumeTiming();
        f.doc->myadd();
        state.PauseTiming();
        // Back to the numbered state, so that every add renumbers the rows below it afresh.
        g.RemoveRow(y + 1);
        f.doc->doautopage(1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_addRowMiddle)->Apply(setArgs);

static void BM_deleteRowMiddle(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    StyleGrid& g = f.grid();
    const int y = middleStory(g);
    for (auto _ : state) {
        state.PauseTiming();
        g.InsertRow(y);
        g.setCellText(RundownColumns::Slug, y, QStringLiteral("Doomed"));
        g.setCellText(RundownColumns::Time, y, QStringLiteral("1:30"));
        // Numbered and timed with the row in place, so that its delete rewrites the pages and times it moves.
        f.doc->doautopage(1);
        f.doc->additup(y);
        g.Selection().Set(RundownColumns::Slug, y);
        state.ResumeTiming();
        f.doc->mydeleterow();
    }
}
BENCHMARK(BM_deleteRowMiddle)->Apply(setArgs);

// One shift per iteration, alternately up and down, so the rundown keeps its shape.
static void BM_shiftMiddle(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    f.grid().Selection().Set(RundownColumns::Slug, middleStory(f.grid()));
    bool up = true;
    for (auto _ : state) {
        if (up)
            f.doc->shiftup();
        else
            f.doc->shiftdown();
        up = !up;
    }
}
BENCHMARK(BM_shiftMiddle)->Apply(setArgs);

// Half the rundown's length: a quarter down to three quarters down, and back.
static void BM_dragRowHalfway(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    const int a = f.grid().Rows() / 4, b = 3 * f.grid().Rows() / 4;
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            f.doc->DragRow(a, b);
        else
            f.doc->DragRow(b, a);
        forward = !forward;
    }
}
BENCHMARK(BM_dragRowHalfway)->Apply(setArgs);

static void BM_insertMiddle(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    StyleGrid& g = f.grid();
    const int y = middleStory(g);
    for (auto _ : state) {
        state.PauseTiming();
        g.Selection().Set(RundownColumns::Slug, y);
        state.ResumeTiming();
        f.doc->myinsert(3); // Commercial, 2:05, below the current row
        state.PauseTiming();
        // Back to the numbered and timed state, so that every insert rewrites the pages and times it moves.
        g.RemoveRow(y + 1);
        f.doc->doautopage(1);
        f.doc->additup(y);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_insertMiddle)->Apply(setArgs);

// The renumbering alone, after a change near the top that shifts every page below it.
static void BM_renumberAfterTopChange(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)), int(state.range(1)));
    StyleGrid& g = f.grid();
    bool follow = true;
    for (auto _ : state) {
        g.setCellText(RundownColumns::PG, 1, follow ? QStringLiteral("A0") : QStringLiteral("A1"));
        follow = !follow;
        f.doc->doautopage(1);
    }
}
BENCHMARK(BM_renumberAfterTopChange)->Apply(setArgs);
