#include "BenchSupport.h"
#include "ui/Printing.h"


#include <benchmark/benchmark.h>

namespace {
void fill(DocFixture& f, int n) { fillSampleRundown(f, n, SampleRundown{12, true, true}); }
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
