#include "support/TestSupport.h"
#include "output/ExcelExporterWorkbook.h"
#include "output/ExcelXmlElement.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
// What Save wrote, kept as bytes (for attribute order) and as a tree.
struct Saved {
    QByteArray xml;
    QDomDocument doc;
    QDomElement root() const { return doc.documentElement(); }
};

Saved save(ExcelExporterWorkbook& wb) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xls"));
    QString error;
    if (!wb.Save(path, &error))
        qFatal("save failed: %s", qPrintable(error));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read back");
    Saved s;
    s.xml = f.readAll();
    QString message;
    int line = 0;
    if (!s.doc.setContent(s.xml, false, &message, &line))
        qFatal("not well-formed: %s at line %d", qPrintable(message), line);
    return s;
}

QStringList childNames(const QDomElement& e) {
    QStringList names;
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        names << c.tagName();
    return names;
}

QDomElement path(QDomElement e, const QStringList& tags) {
    for (const QString& t : tags)
        e = e.firstChildElement(t);
    return e;
}

// The attributes of the n-th element with that name, in the order the file has them.
QStringList attributesInOrder(const QByteArray& xml, const QString& tag, int n = 0) {
    QXmlStreamReader r(xml);
    r.setNamespaceProcessing(false);
    int seen = 0;
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement && r.qualifiedName() == tag && seen++ == n) {
            QStringList out;
            for (const QXmlStreamAttribute& a : r.attributes())
                out << a.qualifiedName().toString() + u'=' + a.value().toString();
            return out;
        }
    }
    return {};
}

ExcelExporterWorkbook fixedWorkbook() {
    return ExcelExporterWorkbook(QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Orrin"),
                                 QDateTime(QDate(2007, 3, 5), QTime(9, 4, 7)));
}

// A failing device: every write is refused.
class RefusingDevice : public QIODevice {
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override {
        setErrorString(QStringLiteral("disk full"));
        return -1;
    }
};
} // namespace

class TstExcelExporter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyWorkbook();
    void cellsAndSharedStyles();
    void styleElements();
    void styleKeys();
    void merges();
    void expandedCounts();
    void rowNumbersAndHeights();
    void worksheetOptions();
    void printTitles_data();
    void printTitles();
    void numberTest_data();
    void numberTest();
    void numberCellsFallBackToText();
    void forbiddenCharactersDropped();
    void saveFailures();
};

void TstExcelExporter::emptyWorkbook() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    const Saved s = save(wb);
    QCOMPARE(s.root().tagName(), QStringLiteral("Workbook"));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Workbook")),
             QStringList({"xmlns=urn:schemas-microsoft-com:office:spreadsheet",
                          "xmlns:o=urn:schemas-microsoft-com:office:office",
                          "xmlns:x=urn:schemas-microsoft-com:office:excel", "xmlns:html=http://www.w3.org/TR/REC-html40",
                          "xmlns:ss=urn:schemas-microsoft-com:office:spreadsheet"}));
    QCOMPARE(childNames(s.root()),
             QStringList({"DocumentProperties", "OfficeDocumentSettings", "ExcelWorkbook", "Styles"}));

    const QDomElement props = s.root().firstChildElement(QStringLiteral("DocumentProperties"));
    QCOMPARE(props.attribute(QStringLiteral("xmlns")), QStringLiteral("urn:schemas-microsoft-com:office:office"));
    QCOMPARE(childNames(props), QStringList({"Author", "LastAuthor", "Created", "Company", "Version"}));
    QStringList texts;
    for (QDomElement c = props.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        texts << c.text();
    QCOMPARE(texts, QStringList({"Ann", "Bob", "2007-03-05T09:04:07Z", "Orrin", "11.0"}));

    QCOMPARE(childNames(s.root().firstChildElement(QStringLiteral("OfficeDocumentSettings"))), QStringList{"AllowPNG"});
    const QDomElement excel = s.root().firstChildElement(QStringLiteral("ExcelWorkbook"));
    QCOMPARE(excel.attribute(QStringLiteral("xmlns")), QStringLiteral("urn:schemas-microsoft-com:office:excel"));
    QCOMPARE(childNames(excel), QStringList({"WindowHeight", "WindowWidth", "WindowTopX", "WindowTopY", "Date1904",
                                             "AcceptLabelsInFormulas", "ProtectStructure", "ProtectWindows"}));
    QCOMPARE(excel.firstChildElement(QStringLiteral("WindowHeight")).text(), QStringLiteral("17700"));
    QCOMPARE(excel.firstChildElement(QStringLiteral("WindowTopX")).text(), QStringLiteral("-20"));
    QCOMPARE(excel.firstChildElement(QStringLiteral("ProtectWindows")).text(), QStringLiteral("False"));

    // Only the default style.
    const QDomElement styles = s.root().firstChildElement(QStringLiteral("Styles"));
    QCOMPARE(childNames(styles), QStringList{"Style"});
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Style")), QStringList({"ss:ID=Default", "ss:Name=Normal"}));
    const QDomElement def = styles.firstChildElement();
    QCOMPARE(childNames(def), QStringList({"Alignment", "Borders", "Font", "Interior", "NumberFormat", "Protection"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Alignment")), QStringList{"ss:Vertical=Bottom"});
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Font")), QStringList{"ss:FontName=Verdana"});
}

void TstExcelExporter::cellsAndSharedStyles() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    wb.DefaultStyle().FontSize = 10;
    ExcelExporterSheet& sheet = wb.Sheet(2); // makes sheets 1 and 2
    QCOMPARE(wb.SheetCount(), 2);
    wb.Sheet(1).Name = QStringLiteral("First");
    sheet.Name = QStringLiteral("Second");
    sheet.Column(3).Width = 55;
    ExcelExporterRow& row = sheet.AppendRow();
    row.Cell(1).Text = QStringLiteral("plain");
    row.Cell(2).Text = QStringLiteral("bold");
    row.Cell(2).Style->FontBold = true;
    row.Cell(3).Text = QStringLiteral("bold too");
    row.Cell(3).Style->FontBold = true;
    row.Cell(3).Formula = QStringLiteral("=1+1");
    row.Cell(3).MergeDown = 1;
    row.Cell(3).MergeAcross = 1;
    QCOMPARE(row.CellCount(), 3);

    const Saved s = save(wb);
    QCOMPARE(childNames(s.root()), QStringList({"DocumentProperties", "OfficeDocumentSettings", "ExcelWorkbook",
                                                "Styles", "Worksheet", "Worksheet"}));
    const QList<QDomElement> sheets = elementsByTag(s.root(), QStringLiteral("Worksheet"));
    QCOMPARE(sheets[0].attribute(QStringLiteral("ss:Name")), QStringLiteral("First"));
    QCOMPARE(childNames(sheets[1]), QStringList({"Table", "WorksheetOptions"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Table"), 1),
             QStringList({"ss:ExpandedColumnCount=4", "ss:ExpandedRowCount=2", "x:FullColumns=1", "x:FullRows=1"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Column"), 2), QStringList({"ss:AutoFitWidth=0", "ss:Width=55"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Cell"), 0), QStringList({"ss:StyleID=s2"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Cell"), 1), QStringList({"ss:StyleID=s3"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Cell"), 2),
             QStringList({"ss:StyleID=s3", "ss:MergeAcross=1", "ss:MergeDown=1", "ss:Formula==1+1"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Data"), 1), QStringList({"ss:Type=String"}));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Data"))[1].text(), QStringLiteral("bold"));
    // The cells now point at the registered style objects.
    QCOMPARE(row.Cell(2).Style, row.Cell(3).Style);
    QCOMPARE(row.Cell(3).Style->ID(), QStringLiteral("s3"));

    const QList<QDomElement> styles = elementsByTag(s.root(), QStringLiteral("Style"));
    QCOMPARE(styles.size(), 3);
    QCOMPARE(styles[1].attribute(QStringLiteral("ss:ID")), QStringLiteral("s2"));
    QCOMPARE(styles[2].attribute(QStringLiteral("ss:ID")), QStringLiteral("s3"));
    // The default style's size is given; a cell style with none says nothing about it.
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Font"), 0),
             QStringList({"ss:FontName=Verdana", "ss:Size=10.0"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Font"), 1), QStringList({"ss:Color=#000000"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Font"), 2), QStringList({"ss:Bold=1", "ss:Color=#000000"}));
}

void TstExcelExporter::styleElements() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    wb.DefaultStyle().HorizontalAlignment = QStringLiteral("Left");
    wb.DefaultStyle().WrapText = true;
    ExcelExporterRow& row = wb.Sheet(1).AppendRow();
    ExcelExporterStyle& st = *row.Cell(1).Style;
    st.HorizontalAlignment = QStringLiteral("Right");
    st.VerticalAlignment = QStringLiteral("Top");
    st.WrapText = true; // the default wraps already
    st.Rotate = 90;
    st.BorderLeft = st.BorderRight = st.BorderTop = st.BorderBottom = true;
    st.BorderWidth = 2;
    st.FontName = QStringLiteral("Arial");
    st.FontSize = 12;
    st.FontBold = st.FontItalic = st.FontUnderline = true;
    st.FontColor = 0xff0000;
    st.Format = QStringLiteral("0.00");
    st.HasBackColor = true;
    st.BackColor = 0x00a0ff;
    ExcelExporterStyle& same = *row.Cell(2).Style; // as the default: only the font colour
    same.HorizontalAlignment = QStringLiteral("Left");
    same.VerticalAlignment = QStringLiteral("Bottom");

    const Saved s = save(wb);
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Alignment"), 0),
             QStringList({"ss:Horizontal=Left", "ss:Vertical=Bottom", "ss:WrapText=1"}));
    // Plain styles are written before decorated ones (LibreOffice carries fills and borders over).
    const QList<QDomElement> styles = elementsByTag(s.root(), QStringLiteral("Style"));
    QCOMPARE(styles[1].attribute(QStringLiteral("ss:ID")), QStringLiteral("s3"));
    QCOMPARE(styles[2].attribute(QStringLiteral("ss:ID")), QStringLiteral("s2"));
    QCOMPARE(childNames(styles[2]), QStringList({"Alignment", "Borders", "Font", "NumberFormat", "Interior"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Alignment"), 1),
             QStringList({"ss:Horizontal=Right", "ss:Vertical=Top", "ss:Rotate=90"}));
    QStringList borders;
    for (int i = 0; i < 4; ++i)
        borders << attributesInOrder(s.xml, QStringLiteral("Border"), i).join(u' ');
    QCOMPARE(borders, QStringList({"ss:Position=Bottom ss:LineStyle=Continuous ss:Weight=2",
                                   "ss:Position=Top ss:LineStyle=Continuous ss:Weight=2",
                                   "ss:Position=Left ss:LineStyle=Continuous ss:Weight=2",
                                   "ss:Position=Right ss:LineStyle=Continuous ss:Weight=2"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Font"), 2),
             QStringList({"ss:FontName=Arial", "ss:Size=12.0", "ss:Bold=1", "ss:Italic=1", "ss:Underline=Single",
                          "ss:Color=#FF0000"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("NumberFormat"), 1), QStringList{"ss:Format=0.00"});
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Interior"), 1),
             QStringList({"ss:Color=#00A0FF", "ss:Pattern=Solid"}));
    // A style like the default has no Alignment, Borders, NumberFormat or Interior.
    QCOMPARE(childNames(styles[1]), QStringList{"Font"});
}

void TstExcelExporter::styleKeys() {
    ExcelExporterStyle def(-1);
    def.VerticalAlignment = QStringLiteral("Bottom");
    ExcelExporterStyle st;
    QCOMPARE(st.Key(def), QStringLiteral("0;0#000000;+"));
    st.VerticalAlignment = QStringLiteral("Bottom");
    st.HorizontalAlignment = QStringLiteral("Left");
    st.FontName = QStringLiteral("Arial");
    st.FontSize = 12;
    st.FontBold = st.FontItalic = st.FontUnderline = st.WrapText = true;
    st.BorderLeft = st.BorderBottom = true;
    st.BorderWidth = 1;
    st.HasBackColor = true;
    st.BackColor = 0xff;
    st.Format = QStringLiteral("0");
    QCOMPARE(st.Key(def), QStringLiteral("BIUW0;Arial12#000000;LB1Left;#0000FF;0"));

    // A font name ending in a digit keeps its size apart.
    ExcelExporterStyle a, b;
    a.FontName = QStringLiteral("Arial1");
    a.FontSize = 2;
    b.FontName = QStringLiteral("Arial");
    b.FontSize = 12;
    QVERIFY(a.Key(def) != b.Key(def));
    QCOMPARE(ExcelExporterStyle::ColorToString(0xab00cd), QStringLiteral("#AB00CD"));
}

void TstExcelExporter::merges() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    ExcelExporterSheet& sheet = wb.Sheet(1);
    ExcelExporterRow& r1 = sheet.AppendRow();
    for (int c = 1; c <= 6; ++c)
        r1.Cell(c).Text = QString::number(c);
    r1.Cell(2).MergeAcross = 2; // hides 3 and 4
    r1.Cell(6).MergeDown = 1;   // hides 6 of the next row
    ExcelExporterRow& r2 = sheet.AppendRow();
    for (int c = 1; c <= 6; ++c)
        r2.Cell(c).Text = QStringLiteral("b%1").arg(c);
    ExcelExporterRow& r3 = sheet.AppendRow();
    r3.Cell(1).MergeDown = 1;
    r3.Cell(1).Text = QStringLiteral("down");
    ExcelExporterRow& r4 = sheet.AppendRow();
    r4.Cell(1).Text = QStringLiteral("hidden");
    r4.Cell(2).Text = QStringLiteral("after");

    const Saved s = save(wb);
    const QList<QDomElement> rows = elementsByTag(s.root(), QStringLiteral("Row"));
    const auto cells = [](const QDomElement& row) {
        QStringList out;
        for (QDomElement c = row.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            QString t = c.text();
            if (c.hasAttribute(QStringLiteral("ss:Index")))
                t += u'@' + c.attribute(QStringLiteral("ss:Index"));
            out << t;
        }
        return out;
    };
    QCOMPARE(cells(rows[0]), QStringList({"1", "2", "5@5", "6"}));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Cell"))[1].attribute(QStringLiteral("ss:MergeAcross")), QStringLiteral("2"));
    QCOMPARE(cells(rows[1]), QStringList({"b1", "b2", "b3", "b4", "b5"}));
    QCOMPARE(cells(rows[2]), QStringList({"down"}));
    QCOMPARE(cells(rows[3]), QStringList({"after@2"}));
}

void TstExcelExporter::expandedCounts() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    ExcelExporterSheet& sheet = wb.Sheet(1);
    sheet.Column(2);
    sheet.AppendRow().Cell(5).Text = QStringLiteral("wide"); // more cells than columns
    const Saved s = save(wb);
    const QDomElement table = elementsByTag(s.root(), QStringLiteral("Table"))[0];
    QCOMPARE(table.attribute(QStringLiteral("ss:ExpandedColumnCount")), QStringLiteral("5"));
    QCOMPARE(table.attribute(QStringLiteral("ss:ExpandedRowCount")), QStringLiteral("1"));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Column")).size(), 2);

    // Counts reach as far as numbered rows and merges do, or the file is refused.
    ExcelExporterWorkbook wb2 = fixedWorkbook();
    ExcelExporterSheet& sheet2 = wb2.Sheet(1);
    sheet2.AppendRow().Index = 4;
    ExcelExporterCell& c = sheet2.Row(1).Cell(2);
    c.MergeAcross = 3;
    c.MergeDown = 2;
    const Saved s2 = save(wb2);
    const QDomElement table2 = elementsByTag(s2.root(), QStringLiteral("Table"))[0];
    QCOMPARE(table2.attribute(QStringLiteral("ss:ExpandedColumnCount")), QStringLiteral("5"));
    QCOMPARE(table2.attribute(QStringLiteral("ss:ExpandedRowCount")), QStringLiteral("6"));
}

void TstExcelExporter::rowNumbersAndHeights() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    ExcelExporterSheet& sheet = wb.Sheet(1);
    sheet.AppendRow();                     // 1
    sheet.AppendRow().Index = 5;           // 5
    sheet.AppendRow().Height = 30;         // 6
    ExcelExporterRow& fit = sheet.AppendRow(); // 7
    fit.Height = 30;
    fit.AutoFitHeight = true;
    const Saved s = save(wb);
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Row"), 0), QStringList({"ss:Index=1", "ss:AutoFitHeight=1"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Row"), 1), QStringList({"ss:Index=5", "ss:AutoFitHeight=1"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Row"), 2),
             QStringList({"ss:Index=6", "ss:AutoFitHeight=0", "ss:Height=30"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("Row"), 3), QStringList({"ss:Index=7", "ss:AutoFitHeight=1"}));
    QCOMPARE(sheet.Row(3).Index, 6); // numbers are stored back
    sheet.Row(6).Height = 12;        // a row never appended: made, not a crash
    QCOMPARE(sheet.Rows(), 6);
}

void TstExcelExporter::worksheetOptions() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    wb.Sheet(1).SelectedRow = 4;
    wb.Sheet(1).SelectedColumn = 2;
    ExcelExporterSheet& busy = wb.Sheet(2);
    busy.FitToPage = true;
    busy.PrintScale = 80;
    busy.PrintFitWidth = 2;
    busy.PageSetupLandscape = true;
    busy.HeaderLeft = QStringLiteral("Left");
    busy.HeaderRight = ExcelExporterSheet::PageNumberMacro + QStringLiteral(" of ") + ExcelExporterSheet::PageCountMacro;
    busy.FooterCenter = ExcelExporterSheet::SheetNameMacro;
    busy.PageLayoutView = true;

    const Saved s = save(wb);
    const QList<QDomElement> options = elementsByTag(s.root(), QStringLiteral("WorksheetOptions"));
    QCOMPARE(options[0].attribute(QStringLiteral("xmlns")), QStringLiteral("urn:schemas-microsoft-com:office:excel"));
    QCOMPARE(childNames(options[0]),
             QStringList({"Print", "PageLayoutZoom", "Selected", "Panes", "ProtectObjects", "ProtectScenarios"}));
    QCOMPARE(childNames(options[0].firstChildElement(QStringLiteral("Print"))),
             QStringList({"ValidPrinterInfo", "HorizontalResolution", "VerticalResolution"}));
    QCOMPARE(path(options[0], {"Print", "HorizontalResolution"}).text(), QStringLiteral("-4"));
    QCOMPARE(options[0].firstChildElement(QStringLiteral("PageLayoutZoom")).text(), QStringLiteral("100"));
    const QDomElement pane = path(options[0], {"Panes", "Pane"});
    QCOMPARE(childNames(pane), QStringList({"Number", "ActiveRow", "ActiveCol"}));
    QCOMPARE(pane.firstChildElement(QStringLiteral("Number")).text(), QStringLiteral("3"));
    QCOMPARE(pane.firstChildElement(QStringLiteral("ActiveRow")).text(), QStringLiteral("4"));
    QCOMPARE(pane.firstChildElement(QStringLiteral("ActiveCol")).text(), QStringLiteral("2"));
    QCOMPARE(options[0].firstChildElement(QStringLiteral("ProtectScenarios")).text(), QStringLiteral("False"));

    QCOMPARE(childNames(options[1]), QStringList({"FitToPage", "PageSetup", "Print", "ShowPageLayoutZoom",
                                                  "PageLayoutZoom", "Selected", "Panes", "ProtectObjects",
                                                  "ProtectScenarios"}));
    const QDomElement setup = options[1].firstChildElement(QStringLiteral("PageSetup"));
    QCOMPARE(childNames(setup), QStringList({"Layout", "Header", "Footer"}));
    QCOMPARE(setup.firstChildElement(QStringLiteral("Layout")).attribute(QStringLiteral("x:Orientation")),
             QStringLiteral("Landscape"));
    QCOMPARE(setup.firstChildElement(QStringLiteral("Header")).attribute(QStringLiteral("x:Data")),
             QStringLiteral("&LLeft&R&P of &N"));
    QCOMPARE(setup.firstChildElement(QStringLiteral("Footer")).attribute(QStringLiteral("x:Data")),
             QStringLiteral("&C&A"));
    const QDomElement print = options[1].firstChildElement(QStringLiteral("Print"));
    QCOMPARE(childNames(print), QStringList({"FitWidth", "FitHeight", "Scale", "ValidPrinterInfo",
                                             "HorizontalResolution", "VerticalResolution"}));
    QCOMPARE(print.firstChildElement(QStringLiteral("FitWidth")).text(), QStringLiteral("2"));
    QCOMPARE(print.firstChildElement(QStringLiteral("FitHeight")).text(), QStringLiteral("1"));
    QCOMPARE(print.firstChildElement(QStringLiteral("Scale")).text(), QStringLiteral("80"));
}

void TstExcelExporter::printTitles_data() {
    QTest::addColumn<QString>("sheetName");
    QTest::addColumn<QList<int>>("columns"); // first, last (empty: not set)
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("refersTo"); // empty: no Names element
    QTest::newRow("none") << "Sheet1" << QList<int>{} << QList<int>{} << "";
    QTest::newRow("column 2 alone") << "Sheet1" << QList<int>{2, 2} << QList<int>{} << "=Sheet1!C2";
    QTest::newRow("rows 1 to 3") << "Sheet1" << QList<int>{} << QList<int>{1, 3} << "=Sheet1!R1:R3";
    QTest::newRow("both, columns first") << "Sheet1" << QList<int>{1, 2} << QList<int>{1, 1}
                                         << "=Sheet1!C1:C2,Sheet1!R1";
    QTest::newRow("bad calls ignored") << "Sheet1" << QList<int>{0, 2} << QList<int>{3, 2} << "";
    QTest::newRow("name with a blank is quoted") << "Sheet 1" << QList<int>{} << QList<int>{1, 1} << "='Sheet 1'!R1";
    QTest::newRow("quote doubled") << "Bob's" << QList<int>{} << QList<int>{2, 2} << "='Bob''s'!R2";
}

void TstExcelExporter::printTitles() {
    QFETCH(QString, sheetName);
    QFETCH(QList<int>, columns);
    QFETCH(QList<int>, rows);
    QFETCH(QString, refersTo);
    ExcelExporterWorkbook wb = fixedWorkbook();
    ExcelExporterSheet& sheet = wb.Sheet(1);
    sheet.Name = sheetName;
    if (!columns.isEmpty())
        sheet.SetColumnsToRepeatAtLeft(columns[0], columns[1]);
    if (!rows.isEmpty())
        sheet.SetRowsToRepeatAtTop(rows[0], rows[1]);
    const Saved s = save(wb);
    const QDomElement worksheet = elementsByTag(s.root(), QStringLiteral("Worksheet"))[0];
    if (refersTo.isEmpty()) {
        QCOMPARE(childNames(worksheet), QStringList({"Table", "WorksheetOptions"}));
        return;
    }
    QCOMPARE(childNames(worksheet), QStringList({"Names", "Table", "WorksheetOptions"}));
    QCOMPARE(attributesInOrder(s.xml, QStringLiteral("NamedRange")),
             QStringList({"ss:Name=Print_Titles", "ss:RefersTo=" + refersTo}));
}

void TstExcelExporter::numberTest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::newRow("12") << "12" << true;
    QTest::newRow("-3") << "-3" << true;
    QTest::newRow("1.5") << "1.5" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("0.25") << "0.25" << true;
    QTest::newRow("0.000001") << "0.000001" << true;
    QTest::newRow("07") << "07" << false;
    QTest::newRow("1.50") << "1.50" << false;
    QTest::newRow("A1") << "A1" << false;
    QTest::newRow("12a") << "12a" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("-0") << "-0" << false;
    QTest::newRow("1.") << "1." << false;
    QTest::newRow(".5") << ".5" << false;
    QTest::newRow("+5") << "+5" << false;
    QTest::newRow("1e5") << "1e5" << false;
    QTest::newRow("leading blank") << " 5" << false;
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662") << false;
    QTest::newRow("15 significant digits") << "123456789012345" << true;
    QTest::newRow("16 significant digits") << "1234567890123456" << false; // a spreadsheet would drop one
    QTest::newRow("16 digits, 15 significant") << "0.123456789012345" << true;
    QTest::newRow("15 significant around the point") << "12345678901234.5" << true;
    QTest::newRow("16 significant around the point") << "1234567890.123456" << false;
    QTest::newRow("big but exact") << "100000000000000000000" << true;
}

void TstExcelExporter::numberTest() {
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(ExcelExporterCell::isPlainNumber(text), number);
}

void TstExcelExporter::numberCellsFallBackToText() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    ExcelExporterRow& row = wb.Sheet(1).AppendRow();
    row.Cell(1).Text = QStringLiteral("1.50");
    row.Cell(1).DataType = QStringLiteral("Number");
    row.Cell(2).Text = QStringLiteral("12");
    row.Cell(2).DataType = QStringLiteral("Number");
    const Saved s = save(wb);
    const QList<QDomElement> data = elementsByTag(s.root(), QStringLiteral("Data"));
    QCOMPARE(data[0].attribute(QStringLiteral("ss:Type")), QStringLiteral("String"));
    QCOMPARE(data[0].text(), QStringLiteral("1.50"));
    QCOMPARE(data[1].attribute(QStringLiteral("ss:Type")), QStringLiteral("Number"));
    QCOMPARE(row.Cell(1).DataType, QStringLiteral("String")); // stored back
}

void TstExcelExporter::forbiddenCharactersDropped() {
    ExcelExporterWorkbook wb = fixedWorkbook();
    wb.Author = QStringLiteral("A\x01nn");
    ExcelExporterSheet& sheet = wb.Sheet(1);
    sheet.Name = QStringLiteral("Sh\x1b" "eet");
    ExcelExporterRow& row = sheet.AppendRow();
    QString bad = QStringLiteral("a\x00" "b\x0b" "c\tdé");
    bad += QChar(0xd800);                 // unpaired high surrogate
    bad += QStringLiteral("e");
    bad += QChar(0xdc00);                 // unpaired low surrogate
    bad += QChar(0xfffe);
    bad += QChar(0xffff);
    bad += QString::fromUtf8("\xf0\x9f\x8e\xac"); // a paired surrogate (emoji) stays
    row.Cell(1).Text = bad;
    row.Cell(2).Style->FontName = QStringLiteral("Ver\x02" "dana");

    const Saved s = save(wb); // parsing it at all is the point
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Data"))[0].text(),
             QStringLiteral("abc\tdée") + QString::fromUtf8("\xf0\x9f\x8e\xac"));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Author"))[0].text(), QStringLiteral("Ann"));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Worksheet"))[0].attribute(QStringLiteral("ss:Name")), QStringLiteral("Sheet"));
    QCOMPARE(elementsByTag(s.root(), QStringLiteral("Font"))[2].attribute(QStringLiteral("ss:FontName")), QStringLiteral("Verdana"));
    QCOMPARE(ExcelXmlElement::xmlSafe(QStringLiteral("clean")), QStringLiteral("clean"));
}

void TstExcelExporter::saveFailures() {
    QTemporaryDir dir;
    ExcelExporterWorkbook wb = fixedWorkbook();
    wb.Sheet(1).AppendRow().Cell(1).Text = QStringLiteral("x");
    QString error;
    QVERIFY(!wb.Save(dir.filePath(QStringLiteral("missing/out.xls")), &error));
    QVERIFY(error.contains(QStringLiteral("missing/out.xls")));
    error.clear();
    QVERIFY(!wb.Save(dir.path(), &error)); // a folder where the file should be
    QVERIFY(!error.isEmpty());

    RefusingDevice device;
    device.open(QIODevice::WriteOnly);
    error.clear();
    QVERIFY(!wb.Save(device, &error));
    QVERIFY(!error.isEmpty());

    // A good save replaces an earlier file completely.
    const QString file = dir.filePath(QStringLiteral("out.xls"));
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray("STALE").repeated(20000));
    old.close();
    QVERIFY(wb.Save(file, &error));
    QFile back(file);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QVERIFY(!back.readAll().contains("STALE"));
}

QTEST_GUILESS_MAIN(TstExcelExporter)
#include "tst_excelexporter.moc"
