#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Runs "kestrel-rundown-cli export" with its own configuration folder.
CliRun runExport(const QStringList& args, const QString& configHome) {
    return runCli(QStringList{QStringLiteral("export")} + args, configHome);
}

} // namespace

class TstCliExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportsTheRundown();
    void failures_data();
    void failures();
};

void TstCliExport::exportsTheRundown() {
    QTemporaryDir dir;
    // The sample with a plain page number in its first row.
    QByteArray rdk = readAll(kSampleRundown);
    QVERIFY(rdk.contains("\rA1\tOpen"));
    rdk.replace("\rA1\tOpen", "\r7\tOpen");
    const QString file = dir.filePath(QStringLiteral("show.rdk"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(rdk) == rdk.size());
    f.close();
    const QString out = dir.filePath(QStringLiteral("Test.xls"));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const CliRun r = runExport({file, out}, dir.path());
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray());

    QDomDocument doc;
    QVERIFY(doc.setContent(readAll(out)));
    const QDomElement root = doc.documentElement();
    QCOMPARE(elementsByTag(root, QStringLiteral("Author"))[0].text(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(elementsByTag(root, QStringLiteral("LastAuthor"))[0].text(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(elementsByTag(root, QStringLiteral("Company"))[0].text(), QStringLiteral("Orrin Software"));
    const QString created = elementsByTag(root, QStringLiteral("Created"))[0].text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")).match(created).hasMatch(),
             qPrintable(created));
    const QDateTime stamped = QDateTime::fromString(created.chopped(1), Qt::ISODate); // local fields
    QVERIFY(stamped >= before.addSecs(-1) && stamped <= QDateTime::currentDateTime().addSecs(1));
    QCOMPARE(elementsByTag(root, QStringLiteral("Worksheet"))[0].attribute(QStringLiteral("ss:Name")), QStringLiteral("Sheet1"));
    QCOMPARE(elementsByTag(root, QStringLiteral("ShowPageLayoutZoom")).size(), 1);

    // The column widths stored in the document.
    QStringList widths;
    for (const QDomElement& c : elementsByTag(root, QStringLiteral("Column")))
        widths << c.attribute(QStringLiteral("ss:Width"));
    QCOMPARE(widths, QStringList({"50", "145", "20", "20", "65", "65", "65", "60", "60", "60", "3", "60"}));

    // Header and the five rows, in order, with their page cells typed.
    const QList<QDomElement> rows = elementsByTag(root, QStringLiteral("Row"));
    QCOMPARE(rows.size(), 6);
    QCOMPARE(elementsByTag(root, QStringLiteral("Table"))[0].attribute(QStringLiteral("ss:ExpandedRowCount")), QStringLiteral("6"));
    QStringList pages, types;
    for (const QDomElement& row : rows) {
        const QDomElement data = row.firstChildElement(QStringLiteral("Cell")).firstChildElement(QStringLiteral("Data"));
        pages << data.text();
        types << data.attribute(QStringLiteral("ss:Type"));
    }
    QCOMPARE(pages, QStringList({"PG", "7", "A2", "Break", "B1", "B2"}));
    QCOMPARE(types, QStringList({"String", "Number", "String", "String", "String", "String"}));

    // The break row: its slug merged to the marker column, the back time at column 12.
    const QList<QDomElement> breakCells = elementsByTag(rows[3], QStringLiteral("Cell"));
    QCOMPARE(breakCells.size(), 3);
    QCOMPARE(breakCells[1].attribute(QStringLiteral("ss:MergeAcross")), QStringLiteral("9"));
    QCOMPARE(breakCells[1].text(), QStringLiteral("Break One"));
    QCOMPARE(breakCells[2].attribute(QStringLiteral("ss:Index")), QStringLiteral("12"));

    // Times as Open recomputes them, the weather row's text in UTF-8.
    const QList<QDomElement> last = elementsByTag(rows[5], QStringLiteral("Data"));
    QCOMPARE(last[1].text(), QString::fromUtf8("Weather \xc3\xa9t\xc3\xa9"));
    QCOMPARE(last[9].text(), QStringLiteral("5:50 "));
}

void TstCliExport::failures_data() {
    QTest::addColumn<QStringList>("args"); // {in} and {out} are put in place
    QTest::addColumn<int>("status");
    QTest::newRow("no arguments") << QStringList{} << 2;
    QTest::newRow("one argument") << QStringList{"{in}"} << 2;
    QTest::newRow("three arguments") << QStringList{"{in}", "{out}", "more"} << 2;
    QTest::newRow("an option") << QStringList{"--fast", "{in}"} << 2;
    QTest::newRow("missing file") << QStringList{"{dir}/none.rdk", "{out}"} << 1;
    QTest::newRow("a folder as the file") << QStringList{"{dir}", "{out}"} << 1;
    QTest::newRow("output under a missing folder") << QStringList{"{in}", "{dir}/gone/Test.xls"} << 1;
    QTest::newRow("a folder as the output") << QStringList{"{in}", "{dir}"} << 1;
}

void TstCliExport::failures() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Test.xls"));
    // An earlier export that a failed one must leave alone.
    QFile earlier(out);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    for (QString& a : args) {
        a.replace(QLatin1String("{in}"), kSampleRundown);
        a.replace(QLatin1String("{out}"), out);
        a.replace(QLatin1String("{dir}"), dir.path());
    }
    const CliRun r = runExport(args, dir.path());
    QCOMPARE(r.status, status);
    if (status == 2) {
        QVERIFY(r.err.startsWith("usage:"));
    } else {
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("kestrel-rundown-cli: "));
    }
    QCOMPARE(readAll(out), QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(TstCliExport)
#include "tst_cli_export.moc"
