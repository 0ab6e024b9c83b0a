#include "output/ExcelXmlElement.h"
#include "output/StyleGridExcelExporter.h"
#include "BenchSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {
void fillRundown(DocFixture& f, int n) { fillSampleRundown(f, n, SampleRundown{12, true}); }

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
