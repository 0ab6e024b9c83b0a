#include "support/CliRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kRows = "A1\tOpen\tn\tN\tAnn\tVO\tSOT\tOTS\t0:30\t0:30 \t\t%1\n"
                         "A2\tLead story\ta\td\tBob\tPKG\t\t\t2:15\t2:45 \t\t%2\n"
                         "Break\tBreak One\t\t\t\t\t\t\t\t\t\t\n"
                         "B1\tSkipped story\tw\tn\tAnn\t\t\t\t1:00\t\t*SKIP\t\n"
                         "B2\tWeather \xc3\xa9t\xc3\xa9\tp\t\tCid\t\t\t\t3:05\t5:50 \t\t%3\n"
                         "Total: 5:50\n";

QByteArray expected(const char* b1, const char* b2, const char* b3) {
    return QString::fromUtf8(kRows).arg(QLatin1String(b1), QLatin1String(b2), QLatin1String(b3)).toUtf8();
}
} // namespace

class TstCliShow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheRundown_data();
    void printsTheRundown();
    void renumbersOnlyWhenAsked();
    void failures_data();
    void failures();
};

void TstCliShow::printsTheRundown_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("default hour") << QStringList{"show", kSampleRundown} << QByteArray()
                                  << expected("54:10", "54:40", "56:55");
    QTest::newRow("show length from the preferences")
        << QStringList{"show", kSampleRundown} << QByteArray("showseconds\r1800\r") << expected("24:10", "24:40", "26:55");
    QTest::newRow("--show-length wins") << QStringList{"show", "--show-length", "600", kSampleRundown}
                                        << QByteArray("ShowSeconds\r1800\r") << expected("4:10", "4:40", "6:55");
}

void TstCliShow::printsTheRundown() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, prefs);
    QFETCH(QByteArray, out);
    QTemporaryDir config;
    if (!prefs.isEmpty()) {
        QFile f(config.filePath(QStringLiteral("KestrelRundownprefs")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(prefs) == prefs.size());
    }
    const CliRun r = runCli(args, config.path());
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, out);
    // Looking at a rundown leaves no settings file behind.
    QCOMPARE(QFileInfo::exists(config.filePath(QStringLiteral("KestrelRundownprefs"))), !prefs.isEmpty());
}

void TstCliShow::renumbersOnlyWhenAsked() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.rdk"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("640\t423\r50\t145\t20\t20\t65\t65\t65\t60\t60\t60\t3\t60\r"
            "\tOne\t\t\t\t\t\t\t1:00\t\t\t\t\rx\tTwo\r\tThree\rBreak\tB\r7\tFour\r2b\tFive\r");
    f.close();
    auto pages = [](const QByteArray& out) {
        QStringList first;
        for (const QByteArray& line : out.split('\n'))
            first.append(QString::fromUtf8(line.indexOf('\t') < 0 ? line : line.left(line.indexOf('\t'))));
        return first;
    };
    const CliRun asRead = runCli({QStringLiteral("show"), path}, dir.path());
    QCOMPARE(asRead.status, 0);
    QCOMPARE(pages(asRead.out), (QStringList{"", "x", "", "Break", "7", "2b", "Total: 1:00", ""}));
    const CliRun renumbered = runCli({QStringLiteral("show"), QStringLiteral("--renumber"), path}, dir.path());
    QCOMPARE(renumbered.status, 0);
    QCOMPARE(pages(renumbered.out), (QStringList{"A1", "A2", "A3", "Break", "B1", "B2", "Total: 1:00", ""}));
}

void TstCliShow::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("usageOnStdout");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << true;
    QTest::newRow("show --help") << QStringList{"show", "--help"} << 0 << true;
    QTest::newRow("missing file") << QStringList{"show", "/nonexistent/x.rdk"} << 1 << false;
    QTest::newRow("a folder") << QStringList{"show", QStringLiteral(KESTREL_TEST_DATA)} << 1 << false;
    QTest::newRow("no file") << QStringList{"show"} << 2 << false;
    QTest::newRow("two files") << QStringList{"show", kSampleRundown, kSampleRundown} << 2 << false;
    QTest::newRow("unknown option") << QStringList{"show", "--fast", kSampleRundown} << 2 << false;
    QTest::newRow("length not a number") << QStringList{"show", "--show-length", "1h", kSampleRundown} << 2 << false;
    QTest::newRow("length missing") << QStringList{"show", kSampleRundown, "--show-length"} << 2 << false;
}

void TstCliShow::failures() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(bool, usageOnStdout);
    QTemporaryDir config;
    const CliRun r = runCli(args, config.path());
    QCOMPARE(r.status, status);
    if (usageOnStdout) {
        QVERIFY(r.out.startsWith("usage: kestrel-rundown-cli show"));
        QVERIFY(r.err.isEmpty());
    } else if (status == 1) {
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("kestrel-rundown-cli: "), r.err.constData());
    } else {
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains("usage: kestrel-rundown-cli show"), r.err.constData());
    }
}

QTEST_GUILESS_MAIN(TstCliShow)
#include "tst_cli_show.moc"
