#include "output/StyleGridExcelExporter.h"
#include "support/TestSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime kNow(QDate(2026, 3, 7), QTime(12, 0, 5));

QDomDocument readBack(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read back %s", qPrintable(path));
    QDomDocument doc;
    QString message;
    int line = 0;
    if (!doc.setContent(f.readAll(), false, &message, &line))
        qFatal("not well-formed: %s at line %d", qPrintable(message), line);
    return doc;
}

// One written cell: its column (counting ss:Index and merges), text, type and style ID.
struct WrittenCell {
    int column;
    QString text;
    QString type;
    QString style;
    int mergeAcross;
};

QList<WrittenCell> cellsOf(const QDomElement& row) {
    QList<WrittenCell> out;
    int column = 0;
    for (QDomElement c = row.firstChildElement(QStringLiteral("Cell")); !c.isNull();
         c = c.nextSiblingElement(QStringLiteral("Cell"))) {
        column = c.hasAttribute(QStringLiteral("ss:Index")) ? c.attribute(QStringLiteral("ss:Index")).toInt() : column + 1;
        const QDomElement data = c.firstChildElement(QStringLiteral("Data"));
        const int merge = c.attribute(QStringLiteral("ss:MergeAcross"), QStringLiteral("0")).toInt();
        out.append({column, data.text(), data.attribute(QStringLiteral("ss:Type")), c.attribute(QStringLiteral("ss:StyleID")),
                    merge});
        column += merge;
    }
    return out;
}

// Style ID -> its element.
QHash<QString, QDomElement> stylesOf(const QDomElement& root) {
    QHash<QString, QDomElement> out;
    for (const QDomElement& s : elementsByTag(root, QStringLiteral("Style")))
        out.insert(s.attribute(QStringLiteral("ss:ID")), s);
    return out;
}

QString horizontalOf(const QDomElement& style) {
    return style.firstChildElement(QStringLiteral("Alignment")).attribute(QStringLiteral("ss:Horizontal"));
}
} // namespace

class TstStyleGridExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rundownExport();
    void emptyRundown();
    void gridLooksCarriedOver();
    void withoutHeader();
    void exportTwiceReplaces();
    void unwritableFile();
};

void TstStyleGridExport::rundownExport() {
    DocFixture f;
    f.addRows({"7|Open|n|n|Ann|VO|SOT|FS|0:30||", "07|Second|n|n|Ann|VO|SOT|FS|0:30||", "Break",
               "A3|Lettered|n|n|Bob|||FS|1:00||", "8|Skipped|||||||0:10||*SKIP|"});
    StyleGrid& g = f.grid();
    g.setRowHeight(2, 40);
    g.setColumnWidth(2, 250);
    g.setHeaderHeight(19);
    g.Selection().Set(2, 2); // the Slug column: selecting it steps no tracker
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.xls"));
    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(kNow);
    QString error;
    QVERIFY2(exporter.Export(g, path, &error), qPrintable(error));

    const QDomDocument doc = readBack(path);
    const QDomElement root = doc.documentElement();
    QCOMPARE(elementsByTag(root, QStringLiteral("Author"))[0].text(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(elementsByTag(root, QStringLiteral("LastAuthor"))[0].text(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(elementsByTag(root, QStringLiteral("Company"))[0].text(), QStringLiteral("Orrin Software"));
    QCOMPARE(elementsByTag(root, QStringLiteral("Created"))[0].text(), QStringLiteral("2026-03-07T12:00:05Z"));
    const QList<QDomElement> sheets = elementsByTag(root, QStringLiteral("Worksheet"));
    QCOMPARE(sheets.size(), 1);
    QCOMPARE(sheets[0].attribute(QStringLiteral("ss:Name")), QStringLiteral("Sheet1"));
    const QDomElement table = elementsByTag(root, QStringLiteral("Table"))[0];
    QCOMPARE(table.attribute(QStringLiteral("ss:ExpandedColumnCount")), QStringLiteral("12"));
    QCOMPARE(table.attribute(QStringLiteral("ss:ExpandedRowCount")), QStringLiteral("6"));
    const QList<QDomElement> columns = elementsByTag(root, QStringLiteral("Column"));
    QCOMPARE(columns.size(), 12);
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(columns[x - 1].attribute(QStringLiteral("ss:Width")), QString::number(g.ColumnWidth(x)));
    QCOMPARE(columns[1].attribute(QStringLiteral("ss:Width")), QStringLiteral("250"));

    const QHash<QString, QDomElement> styles = stylesOf(root);
    const QList<QDomElement> rows = elementsByTag(root, QStringLiteral("Row"));
    QCOMPARE(rows.size(), 6);

    // The header row: labels, header height, text cells.
    QCOMPARE(rows[0].attribute(QStringLiteral("ss:Index")), QStringLiteral("1"));
    QCOMPARE(rows[0].attribute(QStringLiteral("ss:Height")), QStringLiteral("19"));
    QStringList labels;
    for (const WrittenCell& c : cellsOf(rows[0])) {
        labels << c.text;
        QCOMPARE(c.type, QStringLiteral("String"));
    }
    QCOMPARE(labels, QStringList({"PG", "Slug", "S", "V", "Writer", "Video", "Audio", "Graphics", "Time", "TRT", "",
                                  "Back"}));

    // Body rows: numbered after the header, with their heights.
    QCOMPARE(rows[1].attribute(QStringLiteral("ss:Index")), QStringLiteral("2"));
    QCOMPARE(rows[2].attribute(QStringLiteral("ss:Height")), QStringLiteral("40"));
    QCOMPARE(rows[1].attribute(QStringLiteral("ss:Height")), QString::number(g.RowHeight(1)));

    // Page numbers: only a plain number is numeric.
    const QList<WrittenCell> r1 = cellsOf(rows[1]);
    QCOMPARE(r1.size(), 12);
    QCOMPARE(r1[0].text, QStringLiteral("7"));
    QCOMPARE(r1[0].type, QStringLiteral("Number"));
    QCOMPARE(cellsOf(rows[2])[0].type, QStringLiteral("String")); // 07
    QCOMPARE(cellsOf(rows[4])[0].type, QStringLiteral("String")); // A3
    QCOMPARE(r1[8].text, QStringLiteral("0:30"));
    QCOMPARE(r1[8].type, QStringLiteral("String")); // only column 1 is numeric

    // Cells that take their column's alignment.
    const QStringList expected = {"Center", "Left",   "Center", "Center", "Center", "Center",
                                  "Center", "Center", "Right",  "Right",  "Right",  "Right"};
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(horizontalOf(styles.value(r1[x - 1].style)), expected[x - 1]);

    // Two rows styled alike share their styles.
    const QList<WrittenCell> r2 = cellsOf(rows[2]);
    for (int x = 2; x <= 12; ++x)
        QCOMPARE(r2[x - 1].style, r1[x - 1].style);

    // The break row: slug merged across to the marker column, the back time at column 12.
    const QList<WrittenCell> brk = cellsOf(rows[3]);
    QCOMPARE(brk.size(), 3);
    QCOMPARE(brk[0].text, QStringLiteral("Break"));
    QCOMPARE(brk[0].type, QStringLiteral("String"));
    QCOMPARE(brk[1].column, 2);
    QCOMPARE(brk[1].mergeAcross, 9);
    QCOMPARE(brk[2].column, 12);
    QCOMPARE(elementsByTag(rows[3], QStringLiteral("Cell"))[2].attribute(QStringLiteral("ss:Index")), QStringLiteral("12"));

    // The skipped row carries the skip style: a look of its own.
    const QList<WrittenCell> skipped = cellsOf(rows[5]);
    QCOMPARE(skipped[10].text, QStringLiteral("*SKIP"));
    QVERIFY(skipped[1].style != r1[1].style);

    // Page layout view and the active cell at the grid's selection (counted from 0, header included).
    const QDomElement options = elementsByTag(root, QStringLiteral("WorksheetOptions"))[0];
    QVERIFY(!options.firstChildElement(QStringLiteral("ShowPageLayoutZoom")).isNull());
    QCOMPARE(elementsByTag(root, QStringLiteral("ActiveRow"))[0].text(), QStringLiteral("2"));
    QCOMPARE(elementsByTag(root, QStringLiteral("ActiveCol"))[0].text(), QStringLiteral("1"));
}

void TstStyleGridExport::emptyRundown() {
    DocFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.xls"));
    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(kNow);
    QVERIFY(exporter.Export(f.grid(), path));
    const QDomElement root = readBack(path).documentElement();
    QCOMPARE(elementsByTag(root, QStringLiteral("Table"))[0].attribute(QStringLiteral("ss:ExpandedRowCount")), QStringLiteral("1"));
    QCOMPARE(elementsByTag(root, QStringLiteral("Row")).size(), 1);
    QCOMPARE(elementsByTag(root, QStringLiteral("ActiveRow"))[0].text(), QStringLiteral("0"));
}

void TstStyleGridExport::gridLooksCarriedOver() {
    StyleGrid g(4);
    g.setRows(2);
    g.setColumnAlignment(1, GridAlign::Right);
    auto look = std::make_shared<StyleGridStyle>();
    look->FontName = QStringLiteral("Courier");
    look->FontSize = 14;
    look->FontBold = true;
    look->FontItalic = true;
    look->FontUnderline = true;
    look->TextColor = gridRgb(0x12, 0x34, 0x56);
    look->setBackColor(gridRgb(255, 0, 0));
    g.setCellStyle(1, 1, look);
    g.setCellText(1, 1, QStringLiteral("styled"));
    g.setCellAlignment(2, 1, GridAlign::Center); // its own code beats the column's
    g.setCellColSpan(3, 2, 2);                    // spans to the last column
    g.setCellText(3, 2, QStringLiteral("wide"));
    StyleGridCell& h = g.Column(2).header;
    h.text = QStringLiteral("Two");
    h.alignment = GridAlign::Right;
    h.borderBottom = true;
    h.borderWidth = 2;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.xls"));
    StyleGridExcelExporter exporter(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), kNow);
    exporter.ExportHeader = true;
    QVERIFY(exporter.Export(g, path));
    QCOMPARE(exporter.Workbook().Sheet(1).Name, QStringLiteral("Sheet 1"));
    const QDomElement root = readBack(path).documentElement();
    const QHash<QString, QDomElement> styles = stylesOf(root);
    const QList<QDomElement> rows = elementsByTag(root, QStringLiteral("Row"));

    const QList<WrittenCell> header = cellsOf(rows[0]);
    QCOMPARE(header[1].text, QStringLiteral("Two"));
    const QDomElement hs = styles.value(header[1].style);
    QCOMPARE(horizontalOf(hs), QStringLiteral("Right"));
    const QDomElement border = hs.firstChildElement(QStringLiteral("Borders")).firstChildElement();
    QCOMPARE(border.attribute(QStringLiteral("ss:Position")), QStringLiteral("Bottom"));
    QCOMPARE(border.attribute(QStringLiteral("ss:Weight")), QStringLiteral("2"));

    const QList<WrittenCell> r1 = cellsOf(rows[1]);
    const QDomElement s1 = styles.value(r1[0].style);
    QCOMPARE(horizontalOf(s1), QStringLiteral("Right"));
    const QDomElement font = s1.firstChildElement(QStringLiteral("Font"));
    QCOMPARE(font.attribute(QStringLiteral("ss:FontName")), QStringLiteral("Courier"));
    QCOMPARE(font.attribute(QStringLiteral("ss:Size")), QStringLiteral("14.0"));
    QCOMPARE(font.attribute(QStringLiteral("ss:Bold")), QStringLiteral("1"));
    QCOMPARE(font.attribute(QStringLiteral("ss:Italic")), QStringLiteral("1"));
    QCOMPARE(font.attribute(QStringLiteral("ss:Underline")), QStringLiteral("Single"));
    QCOMPARE(font.attribute(QStringLiteral("ss:Color")), QStringLiteral("#123456"));
    QCOMPARE(s1.firstChildElement(QStringLiteral("Interior")).attribute(QStringLiteral("ss:Color")),
             QStringLiteral("#FF0000"));
    QCOMPARE(horizontalOf(styles.value(r1[1].style)), QStringLiteral("Center"));

    const QList<WrittenCell> r2 = cellsOf(rows[2]);
    QCOMPARE(r2.size(), 3);
    QCOMPARE(r2[2].column, 3);
    QCOMPARE(r2[2].mergeAcross, 1);
    QCOMPARE(r2[2].text, QStringLiteral("wide"));
    QCOMPARE(elementsByTag(root, QStringLiteral("Table"))[0].attribute(QStringLiteral("ss:ExpandedColumnCount")),
             QStringLiteral("4"));
    // The grid is only read.
    QCOMPARE(g.CellColSpan(3, 2), 2);
    QCOMPARE(look->FontSize, 14);
}

void TstStyleGridExport::withoutHeader() {
    StyleGrid g(3);
    g.setRows(3);
    g.setCellText(1, 1, QStringLiteral("12"));
    g.Selection().Set(2, 3);
    StyleGridExcelExporter exporter;
    ExcelExporterSheet& sheet = exporter.Workbook().Sheet(1);
    exporter.PopulateSheet(sheet, g);
    QCOMPARE(sheet.Name, QStringLiteral("Sheet2")); // "Sheet" and the sheet count plus 1
    QCOMPARE(sheet.Rows(), 3);
    QCOMPARE(sheet.Row(1).Index, 1);
    QCOMPARE(sheet.Row(3).Index, 3);
    QCOMPARE(sheet.Row(1).Cell(1).DataType, QStringLiteral("String")); // column 1 not numeric here
    QCOMPARE(sheet.SelectedRow, 2);
    QCOMPARE(sheet.SelectedColumn, 1);
    QCOMPARE(sheet.Cols(), 3);
}

void TstStyleGridExport::exportTwiceReplaces() {
    DocFixture f;
    f.addRows({"1|One", "2|Two", "3|Three"});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.xls"));
    StyleGridExcelExporter first;
    first.setUpForRundown(kNow);
    QVERIFY(first.Export(f.grid(), path));
    f.grid().setRows(1);
    StyleGridExcelExporter second;
    second.setUpForRundown(kNow);
    QVERIFY(second.Export(f.grid(), path));
    QCOMPARE(elementsByTag(readBack(path).documentElement(), QStringLiteral("Row")).size(), 2);
}

void TstStyleGridExport::unwritableFile() {
    DocFixture f;
    f.addRows({"1|One"});
    QTemporaryDir dir;
    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(kNow);
    QString error;
    QVERIFY(!exporter.Export(f.grid(), dir.filePath(QStringLiteral("gone/Test.xls")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!exporter.Export(f.grid(), dir.path(), &error)); // a folder in the way
}

QTEST_GUILESS_MAIN(TstStyleGridExport)
#include "tst_stylegridexport.moc"
