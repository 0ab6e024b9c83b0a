#include "files/DocumentFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray kWidths = "50\t145\t20\t20\t65\t65\t65\t60\t60\t60\t3\t60\r";

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
    return path;
}

// Every cell text, row by row, cells joined by "|".
QStringList gridRows(const StyleGrid& g) {
    QStringList rows;
    for (int y = 1; y <= g.Rows(); ++y) {
        QStringList cells;
        for (int x = 1; x <= g.Cols(); ++x)
            cells.append(g.CellText(x, y));
        rows.append(cells.join(u'|'));
    }
    return rows;
}

QByteArray sampleBytes() { return readAll(QStringLiteral(KESTREL_TEST_DATA "/sample.rdk")); }
} // namespace

class TstDocumentFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheFormatByteForByte();
    void textsThatWouldSplitARowAreWrittenAsSpaces();
    void readsTheSampleAndRecomputesTiming();
    void roundTripKeepsTextsAndWidths();
    void lineEndsReadAlike_data();
    void lineEndsReadAlike();
    void rowCount_data();
    void rowCount();
    void breakRowsInAnyCase_data();
    void breakRowsInAnyCase();
    void skippedAndTrackerLooks();
    void lenientContent_data();
    void lenientContent();
    void hugeInputStaysBounded();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
};

void TstDocumentFile::writesTheFormatByteForByte() {
    DocFixture f;
    f.addRows({QStringLiteral("A1|Open|n|N|Ann|VO|SOT|GFX|1:00|1:00 ||59:00"), QStringLiteral("Break|Block B"),
               QStringLiteral("B1|Gone|||||||0:30||*SKIP|"), QStringLiteral("B2|Wetter für München")});
    const QString path = f.dir.filePath(QStringLiteral("out.rdk"));
    QVERIFY(f.doc->savetable(path));
    const QByteArray expected = QByteArray("640\t423\r") + kWidths +
                                "A1\tOpen\tn\tN\tAnn\tVO\tSOT\tGFX\t1:00\t1:00 \t\t59:00\t\r"
                                "Break\tBlock B\t\t\t\t\t\t\t\t\t\t\t\r"
                                "B1\tGone\t\t\t\t\t\t\t0:30\t\t*SKIP\t\t\r"
                                "B2\tWetter f\xc3\xbcr M\xc3\xbcnchen\t\t\t\t\t\t\t\t\t\t\t\r";
    QCOMPARE(readAll(path), expected);

    // Saving again writes the same bytes; a rundown without rows is the two size lines only.
    QVERIFY(f.doc->savetable(path));
    QCOMPARE(readAll(path), expected);
    f.grid().setRows(0);
    QVERIFY(f.doc->savetable(path));
    QCOMPARE(readAll(path), QByteArray("640\t423\r") + kWidths);
}

void TstDocumentFile::textsThatWouldSplitARowAreWrittenAsSpaces() {
    DocFixture f;
    f.addRows({QStringLiteral("1|tab\there|line\rend|lf\nend|crlf\r\nend")});
    const QString path = f.dir.filePath(QStringLiteral("out.rdk"));
    QVERIFY(f.doc->savetable(path));
    QVERIFY(readAll(path).endsWith("1\ttab here\tline end\tlf end\tcrlf  end\t\t\t\t\t\t\t\t\r"));
    DocFixture g;
    QVERIFY(g.doc->opentable(path));
    QCOMPARE(g.grid().Rows(), 1);
    QCOMPARE(g.grid().CellText(2, 1), QStringLiteral("tab here"));
    QCOMPARE(g.grid().CellText(5, 1), QStringLiteral("crlf  end"));
}

void TstDocumentFile::readsTheSampleAndRecomputesTiming() {
    DocFixture f;
    QSignalSpy sizes(f.doc.get(), &RundownDocument::windowSizeChanged);
    QVERIFY(f.doc->opentable(QStringLiteral(KESTREL_TEST_DATA "/sample.rdk")));
    const StyleGrid& g = f.grid();
    QCOMPARE(g.Rows(), 5);
    QCOMPARE(f.column(2), (QStringList{"Open", "Lead story", "Break One", "Skipped story", QString::fromUtf8("Weather été")}));
    // The stored TRT "9:99 " and Back "1:00:00" of row 2 are not relied on.
    QCOMPARE(f.column(10), (QStringList{"0:30 ", "2:45 ", "", "", "5:50 "}));
    QCOMPARE(f.column(12), (QStringList{"54:10", "54:40", "", "", "56:55"}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("5:50"));
    QCOMPARE(f.doc->title(), QStringLiteral("Kestrel Rundown: sample.rdk"));
    QCOMPARE(f.doc->currentfilename, QStringLiteral(KESTREL_TEST_DATA "/sample.rdk"));
    QVERIFY(!f.doc->saveflag);
    QVERIFY(!f.doc->nowopening);
    QVERIFY(!g.isDrawingLocked());
    // The stored 700 × 480, then one pixel wider to lay the window out again.
    QCOMPARE(sizes.size(), 2);
    QCOMPARE(sizes.last(), (QList<QVariant>{701, 480}));
    QCOMPARE(f.doc->windowWidth, 701);
    for (int y = 1; y <= g.Rows(); ++y)
        for (int x : {9, 10, 12}) {
            QCOMPARE(g.cellRightIndent(x, y), 3);
            QCOMPARE(g.cellTopIndent(x, y), 3);
        }
}

void TstDocumentFile::roundTripKeepsTextsAndWidths() {
    DocFixture f;
    const QByteArray sample = sampleBytes();
    const QString in = writeFile(f.dir, QStringLiteral("in.rdk"), sample);
    QVERIFY(f.doc->opentable(in));
    f.grid().setColumnWidth(2, 222);
    const QString out = f.dir.filePath(QStringLiteral("out.rdk"));
    QVERIFY(f.doc->savetable(out));
    const QByteArray first = readAll(out);
    QVERIFY(f.doc->savetable(out));
    QCOMPARE(readAll(out), first);

    // Only the width grew by one, the changed column and the recomputed TRT and Back differ.
    QVERIFY(first.startsWith("701\t480\r50\t222\t20\t"));
    DocFixture g;
    QVERIFY(g.doc->opentable(out));
    QCOMPARE(gridRows(g.grid()), gridRows(f.grid()));
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(g.grid().ColumnWidth(x), f.grid().ColumnWidth(x));
    const QString again = f.dir.filePath(QStringLiteral("again.rdk"));
    QVERIFY(g.doc->savetable(again));
    QCOMPARE(readAll(again).mid(readAll(again).indexOf('\r')), first.mid(first.indexOf('\r')));
}

void TstDocumentFile::lineEndsReadAlike_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR LF") << QByteArray("\r\n");
}

void TstDocumentFile::lineEndsReadAlike() {
    QFETCH(QByteArray, lineEnd);
    DocFixture cr, other;
    QVERIFY(cr.doc->opentable(writeFile(cr.dir, QStringLiteral("cr.rdk"), sampleBytes())));
    QByteArray bytes = sampleBytes();
    bytes.replace('\r', lineEnd);
    QVERIFY(other.doc->opentable(writeFile(other.dir, QStringLiteral("other.rdk"), bytes)));
    QCOMPARE(gridRows(other.grid()), gridRows(cr.grid()));
    QCOMPARE(other.doc->windowHeight, 480);
    QCOMPARE(other.grid().ColumnWidth(12), 60);
}

void TstDocumentFile::rowCount_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    const QString empty = QStringLiteral("|||||||||||");
    const QByteArray head = QByteArray("640\t423\r") + kWidths;
    QTest::newRow("no rows reads one empty row") << head << QStringList{empty};
    QTest::newRow("no line end after the widths") << QByteArray("640\t423\r50") << QStringList{empty};
    QTest::newRow("empty file") << QByteArray() << QStringList{empty};
    QTest::newRow("last row without line end") << (head + "1\tA\r2\tB") << QStringList{"1|A||||||||||", "2|B||||||||||"};
    QTest::newRow("stray empty line is an empty row")
        << (head + "1\tA\r\r2\tB\r") << QStringList{"1|A||||||||||", empty, "2|B||||||||||"};
}

void TstDocumentFile::rowCount() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    DocFixture f;
    QVERIFY(f.doc->opentable(writeFile(f.dir, QStringLiteral("d.rdk"), bytes)));
    QCOMPARE(gridRows(f.grid()), rows);
}

void TstDocumentFile::breakRowsInAnyCase_data() {
    QTest::addColumn<QString>("marker");
    QTest::newRow("Break") << "Break";
    QTest::newRow("break") << "break";
    QTest::newRow("BREAK") << "BREAK";
}

void TstDocumentFile::breakRowsInAnyCase() {
    QFETCH(QString, marker);
    DocFixture f;
    const QByteArray bytes = QByteArray("640\t423\r") + kWidths + marker.toUtf8() + "\tBlock\t\t\t\t\t\t\t\t\t\t\t\r";
    QVERIFY(f.doc->opentable(writeFile(f.dir, QStringLiteral("b.rdk"), bytes)));
    const StyleGrid& g = f.grid();
    QCOMPARE(g.cellStyle(1, 1), f.globals.breakstyle);
    QCOMPARE(g.cellStyle(2, 1), f.globals.breakstyle);
    QCOMPARE(g.CellColSpan(2, 1), 10);
    QCOMPARE(g.cellStyle(12, 1), f.globals.mystyle);
    QCOMPARE(g.CellColSpan(12, 1), 1);
}

void TstDocumentFile::skippedAndTrackerLooks() {
    DocFixture f;
    const QByteArray bytes = QByteArray("640\t423\r") + kWidths +
                             "1\tItem\tN\tw\t\t\t\t\t1:00\t\t\t\t\r"
                             "2\tSkipped\tn\tn\t\t\t\t\t2:00\t\t*skip\t\t\r"
                             "3\tItem\tx\t\t\t\t\t\t0:30\t\t\t\t\r";
    QVERIFY(f.doc->opentable(writeFile(f.dir, QStringLiteral("s.rdk"), bytes)));
    const StyleGrid& g = f.grid();
    // Trackers take their letter's colour, whatever its case and whether or not it is in the cycle.
    QCOMPARE(g.cellStyle(3, 1), f.globals.mycolors[0]);
    QCOMPARE(g.cellStyle(4, 1), f.globals.mycolors[4]);
    QCOMPARE(g.cellStyle(3, 3), f.globals.mystyle);
    // Item rows: column 1 keeps the default, the marker column is a plain cell, not the black bar.
    QVERIFY(!g.cellStyle(1, 1));
    QCOMPARE(g.cellStyle(11, 1), f.globals.mystyle);
    // A skipped row is grey in every cell, trackers included, and does not count.
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(g.cellStyle(x, 2), f.globals.skipstyle);
    QCOMPARE(f.column(10), (QStringList{"1:00 ", "", "1:30 "}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("1:30"));
}

void TstDocumentFile::lenientContent_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("window"); // after the one-pixel widening
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("rows");
    const QList<int> normal{50, 145, 20, 20, 65, 65, 65, 60, 60, 60, 3, 60};
    const QString empty = QStringLiteral("|||||||||||");

    QTest::newRow("missing and extra fields")
        << (QByteArray("640\t423\r") + kWidths + "1\tShort\r2\ta\tb\tc\td\te\tf\tg\th\ti\tj\tk\textra\tmore\r")
        << QSize(641, 423) << normal << QStringList{"1|Short||||||||||", "2|a|b|c|d|e|f|g|h||j|"};
    QTest::newRow("sizes that are no numbers")
        << (QByteArray("wide\ttall\rx\t\t7px\r1\r")) << QSize(641, 64)
        << QList<int>{50, 45, 10, 20, 65, 65, 65, 60, 60, 60, 3, 60} << QStringList{"1|||||||||||"};
    QTest::newRow("huge sizes are clamped")
        << (QByteArray("99999999999\t99999999999\r99999999999\t-5\r1\r")) << QSize(32000, 32000)
        << QList<int>{32000, 45, 20, 20, 65, 65, 65, 60, 60, 60, 3, 60} << QStringList{"1|||||||||||"};
    QByteArray manyWidths;
    for (int k = 0; k < 10000; ++k)
        manyWidths += (k ? "\t" : "") + QByteArray::number(40 + k % 7);
    QTest::newRow("10,000 widths, extra ones ignored")
        << (QByteArray("640\t423\r") + manyWidths + "\r1\r") << QSize(641, 423)
        << QList<int>{50, 45, 42, 43, 44, 45, 46, 40, 45, 45, 43, 45} << QStringList{"1|||||||||||"};
    QTest::newRow("invalid UTF-8 and a NUL byte")
        << (QByteArray("640\t423\r") + kWidths + QByteArray("1\t\xff\xfe ok\ta\0b\r", 12)) << QSize(641, 423)
        << normal << QStringList{QString::fromUtf8("1|\xef\xbf\xbd\xef\xbf\xbd ok|a") + QChar(0) + "b|||||||||"};
    QTest::newRow("byte-order mark") << (QByteArray("\xef\xbb\xbf" "700\t423\r") + kWidths + "1\r") << QSize(701, 423)
                                     << normal << QStringList{"1|||||||||||"};
}

void TstDocumentFile::lenientContent() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, window);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, rows);
    DocFixture f;
    QVERIFY(f.doc->opentable(writeFile(f.dir, QStringLiteral("l.rdk"), bytes)));
    QCOMPARE(QSize(f.doc->windowWidth, f.doc->windowHeight), window);
    QList<int> got;
    for (int x = 1; x <= 12; ++x)
        got.append(f.grid().ColumnWidth(x));
    QCOMPARE(got, widths);
    // TRT and Back are recomputed: compare the other columns.
    QStringList stored;
    for (const QString& r : gridRows(f.grid())) {
        QStringList cells = r.split(u'|');
        cells[9] = cells[11] = QString();
        stored.append(cells.join(u'|'));
    }
    QCOMPARE(stored, rows);
}

void TstDocumentFile::hugeInputStaysBounded() {
    // A 50 MB line without any line end: the window line; the rundown gets its one empty row.
    const QByteArray line(50 << 20, '7');
    DocumentFile::Contents c;
    QVERIFY(DocumentFile::parse(line, 12, &c));
    QCOMPARE(c.windowWidth, DocumentFile::kMaxWindowSize);
    QCOMPARE(c.rowCount(), 1);

    // A megabyte-long Slug is kept whole, and measuring it does not stall the window.
    const QByteArray slug(2 << 20, 'w');
    DocFixture f;
    QVERIFY(DocumentFile::parse(QByteArray("640\t423\r") + kWidths + "1\t" + slug + "\r", 12, &c));
    DocumentFile::fillGrid(f.grid(), c, {f.globals.mystyle, f.globals.breakstyle, f.globals.skipstyle});
    f.doc->resizerows();
    QCOMPARE(f.grid().CellText(2, 1).size(), slug.size());
    QCOMPARE(f.grid().RowHeight(1), StyleGrid::kMaxColumnWidth);

    // More rows than a rundown can hold is refused with a reason, and the window keeps its rundown.
    QVERIFY(!DocumentFile::parse(QByteArray("640\r50\r") + QByteArray(DocumentFile::kMaxRows + 1, '\r'), 12, &c));
    QByteArray many = QByteArray("640\t423\r") + kWidths + QByteArray(DocumentFile::kMaxRows + 1, '\r');
    QVERIFY(!f.doc->opentable(writeFile(f.dir, QStringLiteral("many.rdk"), many)));
    QCOMPARE(f.grid().Rows(), 1);
    QVERIFY(f.dialogs.informed.last().contains(QStringLiteral("more than 200000 rows")));
}

void TstDocumentFile::unreadableFilesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.rdk" << "does not exist";
    QTest::newRow("folder") << "folder.rdk" << "folder";
    QTest::newRow("too large") << "large.rdk" << "too large";
}

void TstDocumentFile::unreadableFilesAreRefused() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    DocFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("folder.rdk")));
    {
        QFile large(f.dir.filePath(QStringLiteral("large.rdk"))); // sparse: no real disk use
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(DocumentFile::kMaxBytes + 1));
    }
    QVERIFY(!f.doc->opentable(f.dir.filePath(name)));
    QCOMPARE(f.grid().Rows(), 0);
    QCOMPARE(f.doc->title(), QStringLiteral("Kestrel Rundown"));
    QVERIFY(f.doc->currentfilename.isEmpty());
    QCOMPARE(f.dialogs.informed.size(), 1);
    QVERIFY2(f.dialogs.informed[0].contains(name) && f.dialogs.informed[0].contains(reason),
             qPrintable(f.dialogs.informed[0]));
}

QTEST_GUILESS_MAIN(TstDocumentFile)
#include "tst_documentfile.moc"
