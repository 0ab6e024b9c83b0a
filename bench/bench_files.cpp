#include "files/DocumentFile.h"
#include "support/TestSupport.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {
// A rundown of n rows as a show has them: timed items with trackers and notes, a break every 12 rows,
// a skipped row every 50.
void fill(DocFixture& f, int n) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (i % 12 == 0)
            rows.append(QStringLiteral("Break|Block %1").arg(i / 12));
        else
            rows.append(QStringLiteral("%1|Story number %1 from the desk|n|d|Ann|VO/SOT|SOT|OTS %1||%2:%3||%4|")
                            .arg(i)
                            .arg(i % 4)
                            .arg(i % 60, 2, 10, QChar(u'0'))
                            .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    f.addRows(rows);
    f.doc->additup(1);
}

// A document without a measurer: row heights stay at the default, as the budget is set without them.
struct PlainDocument {
    DocFixture fixture;
    RundownDocument doc{fixture.globals, *fixture.prefs, fixture.clock, &fixture.dialogs};
    PlainDocument() { doc.Event_Open(); }
};
} // namespace

static void BM_opentable(benchmark::State& state) {
    DocFixture source;
    fill(source, int(state.range(0)));
    const QString path = source.dir.filePath(QStringLiteral("bench.rdk"));
    if (!source.doc->savetable(path))
        state.SkipWithError("cannot write the document");
    PlainDocument target;
    for (auto _ : state) {
        if (!target.doc.opentable(path))
            state.SkipWithError("cannot read the document");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_opentable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

static void BM_savetable(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    const QString path = f.dir.filePath(QStringLiteral("bench.rdk"));
    for (auto _ : state) {
        if (!f.doc->savetable(path))
            state.SkipWithError("cannot write the document");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_savetable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// The format alone, without the disk: encoding the grid and parsing the bytes back.
static void BM_encodeDocument(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentFile::encode(f.grid(), 640, 423));
}
BENCHMARK(BM_encodeDocument)->Arg(10000)->Unit(benchmark::kMillisecond);

static void BM_parseDocument(benchmark::State& state) {
    DocFixture f;
    fill(f, int(state.range(0)));
    const QByteArray bytes = DocumentFile::encode(f.grid(), 640, 423);
    for (auto _ : state) {
        DocumentFile::Contents c;
        DocumentFile::parse(bytes, 12, &c);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_parseDocument)->Arg(10000)->Unit(benchmark::kMillisecond);
