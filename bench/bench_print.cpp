#include "support/TestSupport.h"
#include "ui/Printing.h"


#include <benchmark/benchmark.h>

namespace {
// A rundown of n rows: stories with every column filled, a break every 12 rows, a skipped row every
// 50, and every seventh slug long enough to wrap.
void fill(DocFixture& f, int n) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (i % 12 == 0) {
            rows.append(QStringLiteral("Break"));
            continue;
        }
        const QString slug = i % 7 == 0 ? QStringLiteral("Council votes on the harbour plan after a night of protests")
                                        : QStringLiteral("Story %1").arg(i);
        rows.append(QStringLiteral("%1|%2|n|d|Ann|VO/SOT|Nat|OTS|%3:%4||%5|")
                        .arg(i)
                        .arg(slug)
                        .arg(i % 4)
                        .arg(i % 60, 2, 10, QChar(u'0'))
                        .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    f.addRows(rows);
    f.doc->additup(1);
}
} // namespace

// The whole print job into a PDF file on the default page, as the command-line tool does it.
static void BM_printToPdf(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    const QString out = f.dir.filePath(QStringLiteral("bench.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const PrintOutcome r = Printing::printToPdf(*f.doc, out, QString(), 10, f.clock.now());
        if (!r.ok)
            state.SkipWithError(qPrintable(r.error));
        pages = r.pages;
    }
    state.counters["pages"] = pages;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_printToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
