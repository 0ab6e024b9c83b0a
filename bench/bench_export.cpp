#include "output/ExcelXmlElement.h"
#include "output/StyleGridExcelExporter.h"
#include "support/TestSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {
// A rundown of n rows as the timing benchmarks build it: timed items, a break every 12 rows, a
// skipped row every 50, timed from row 1.
void fillRundown(DocFixture& f, int n) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (i % 12 == 0)
            rows.append(QStringLiteral("Break"));
        else
            rows.append(QStringLiteral("%1|Story %1|n|n|Ann|VO|SOT||%2:%3||%4|")
                            .arg(i)
                            .arg(i % 4)
                            .arg(i % 60, 2, 10, QChar(u'0'))
                            .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    f.addRows(rows);
    f.doc->additup(1);
}

void appendDom(QDomDocument& doc, QDomNode& parent, const ExcelXmlElement& e) {
    QDomElement d = doc.createElement(e.name());
    for (const auto& a : e.attributes())
        d.setAttribute(a.first, a.second);
    if (e.hasText())
        d.appendChild(doc.createTextNode(e.text()));
    for (int i = 0; i < e.childCount(); ++i)
        appendDom(doc, d, e.child(i));
    parent.appendChild(d);
}
} // namespace

// "Export to Excel" of a whole rundown: fill the workbook from the grid, build the tree, write the file.
static void BM_exportRundown(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.xls"));
    for (auto _ : state) {
        StyleGridExcelExporter exporter;
        exporter.setUpForRundown(QDateTime::currentDateTime());
        if (!exporter.Export(f.grid(), path))
            state.SkipWithError("export failed");
    }
    state.counters["bytes"] = double(QFile(path).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_exportRundown)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// The same workbook built as a QDom tree and written by QDomDocument::save, for comparison: QDom
// keeps attributes in a hash, so it also loses their order.
static void BM_exportRundownViaQDom(benchmark::State& state) {
    DocFixture f;
    fillRundown(f, int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.xls"));
    for (auto _ : state) {
        StyleGridExcelExporter exporter;
        exporter.setUpForRundown(QDateTime::currentDateTime());
        ExcelExporterSheet& sheet = exporter.Workbook().Sheet(1);
        exporter.PopulateSheet(sheet, f.grid());
        const std::unique_ptr<ExcelXmlElement> tree = exporter.Workbook().buildTree();
        QDomDocument doc;
        doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                        QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
        appendDom(doc, doc, *tree);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write");
        QTextStream out(&file);
        doc.save(out, 1);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_exportRundownViaQDom)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
