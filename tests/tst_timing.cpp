#include "support/TestSupport.h"
#include "timing/TimeText.h"
#include "timing/Timing.h"

#include <QSignalSpy>
#include <QTest>

// The timing engine through the document: TRT, Back, the total and partial recomputation.
class TstTiming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recompute_data();
    void recompute();
    void emptyRundownWritesNothing();
    void partialEqualsFull();
    void partialStartsFromTrtAbove();
    void drawingLockedOnce();
    void overUnderVerdict_data();
    void overUnderVerdict();
};

void TstTiming::recompute_data() {
    // Rows as "PG|Time|marker"; expected TRT and Back per row, and the total.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("showSeconds");
    QTest::addColumn<QStringList>("trt");
    QTest::addColumn<QStringList>("back");
    QTest::addColumn<QString>("total");
    QTest::newRow("three rows") << QStringList{"|1:30|", "|2:00|", "|0:45|"} << 3600
                                << QStringList{"1:30 ", "3:30 ", "4:15 "} << QStringList{"55:45", "57:15", "59:15"}
                                << "4:15";
    QTest::newRow("middle skipped") << QStringList{"|1:30|", "|2:00|*SKIP", "|0:45|"} << 3600
                                    << QStringList{"1:30 ", "", "2:15 "} << QStringList{"57:45", "", "59:15"} << "2:15";
    QTest::newRow("skip marker any case") << QStringList{"|1:00|*skip", "|1:00|"} << 3600 << QStringList{"", "1:00 "}
                                          << QStringList{"", "59:00"} << "1:00";
    QTest::newRow("invalid time") << QStringList{"|1:00|", "|5|", "|1:00|"} << 3600
                                  << QStringList{"1:00 ", "X:XX", "2:00 "} << QStringList{"58:00", "X:XX", "59:00"}
                                  << "2:00";
    QTest::newRow("break between") << QStringList{"|1:00|", "Break||", "|1:00|"} << 3600
                                   << QStringList{"1:00 ", "", "2:00 "} << QStringList{"58:00", "", "59:00"} << "2:00";
    QTest::newRow("over an hour, early back time")
        << QStringList{"|60:00|", "|2:30|"} << 3600 << QStringList{"1:00:00 ", "1:02:30 "}
        << QStringList{"-2:30", "57:30"} << "1:02:30";
    QTest::newRow("25 hours wraps") << QStringList{"|1500:00|"} << 3600 << QStringList{"1:00:00 "}
                                    << QStringList{"0:00"} << "1:00:00";
    QTest::newRow("twelve-hour show") << QStringList{"|5:00|", "|5:00|"} << 12 * 3600
                                      << QStringList{"5:00 ", "10:00 "} << QStringList{"?50:00", "?55:00"} << "10:00";
    QTest::newRow("zero is timed") << QStringList{"|0:00|"} << 3600 << QStringList{"0:00 "} << QStringList{"1:00:00"}
                                   << "0:00";
    QTest::newRow("absurd numbers do not wrap")
        << QStringList{"|99999999999999999999:00|", "|-99999999999999999999:00|"} << 3600
        << QStringList{TimeText::display(2147483647LL * 60) + u' ', TimeText::display(-60) + u' '}
        << QStringList{TimeText::backTime(3600 + 60), TimeText::backTime(3600 + 2147483648LL * 60)}
        << TimeText::display(-60);
}

void TstTiming::recompute() {
    QFETCH(QStringList, rows);
    QFETCH(int, showSeconds);
    QFETCH(QStringList, trt);
    QFETCH(QStringList, back);
    QFETCH(QString, total);
    DocFixture f;
    f.globals.showseconds = showSeconds;
    QStringList lines;
    for (const QString& r : rows) {
        const QStringList p = r.split(u'|');
        lines.append(QStringLiteral("%1||||||||%2||%3|").arg(p[0], p[1], p[2]));
    }
    f.addRows(lines);
    f.doc->timeedit = 3;
    f.doc->additup(1);
    QCOMPARE(f.column(10), trt);
    QCOMPARE(f.column(12), back);
    QCOMPARE(f.doc->TotalTime(), total);
    QCOMPARE(f.doc->timeedit, 0);
}

void TstTiming::emptyRundownWritesNothing() {
    DocFixture f;
    QSignalSpy changes(&f.grid(), &StyleGrid::dataChanged);
    f.doc->additup(1);
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("0:00"));
    QCOMPARE(changes.count(), 0);
}

void TstTiming::partialEqualsFull() {
    // Recomputing from any row after an edit there gives what a full recomputation gives.
    DocFixture f;
    f.addTimedRows({"1:00", "", "abc", "10:00", "59:00", "0:30", "", "3:15"});
    for (int first = 0; first <= f.grid().Rows() + 1; ++first) {
        if (first >= 1 && first <= f.grid().Rows())
            f.grid().setCellText(9, first, QStringLiteral("%1:07").arg(first));
        f.doc->additup(first);
        const QStringList trt = f.column(10), back = f.column(12);
        const QString total = f.doc->TotalTime();
        f.doc->additup(1);
        QCOMPARE(f.column(10), trt);
        QCOMPARE(f.column(12), back);
        QCOMPARE(f.doc->TotalTime(), total);
    }
}

void TstTiming::partialStartsFromTrtAbove() {
    DocFixture f;
    f.addRows({"||||||||1:00", "||||||||", "||||||||1:00"});
    f.grid().setCellText(10, 1, QStringLiteral("1:10:00 "));
    QCOMPARE(f.doc->findstarttime(3, 10), QStringLiteral("1:10:00 "));
    f.doc->additup(3);
    QCOMPARE(f.grid().CellText(10, 3), QStringLiteral("1:11:00 "));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("1:11:00"));
    // "X:XX" above is passed over; nothing above gives "0:00".
    f.grid().setCellText(10, 1, QStringLiteral("x:xx"));
    QCOMPARE(f.doc->findstarttime(3, 10), QStringLiteral("0:00"));
    QCOMPARE(f.doc->findstarttime(1, 10), QStringLiteral("0:00"));
}

void TstTiming::drawingLockedOnce() {
    // A recomputation of many rows reaches a view as a handful of notifications, not one per cell.
    DocFixture f;
    QStringList times;
    for (int i = 0; i < 2000; ++i)
        times.append(QStringLiteral("0:%1").arg(i % 60));
    f.addTimedRows(times);
    f.grid().setCellText(9, 1, QStringLiteral("9:00"));
    QSignalSpy changes(&f.grid(), &StyleGrid::dataChanged);
    f.doc->additup(1);
    QCOMPARE(changes.count(), 1);
    QVERIFY(!f.grid().isDrawingLocked());
}

void TstTiming::overUnderVerdict_data() {
    QTest::addColumn<QString>("back");
    QTest::addColumn<int>("clock");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("light") << "12:30" << 12 * 60 << "LIGHT BY -0:30";
    QTest::newRow("heavy") << "12:30" << 13 * 60 + 5 << "HEAVY BY +0:35";
    QTest::newRow("exact") << "59:59" << 3599 << "EXACTLY ON TIME!!!!";
    QTest::newRow("zero back, ten past") << "0:00" << 10 << "HEAVY BY +0:10";
    QTest::newRow("hour not looked at") << "0:00" << 59 * 60 + 50 << "HEAVY BY +59:50";
    QTest::newRow("early back time") << "-2:30" << 0 << "HEAVY BY +2:30";
    QTest::newRow("X:XX reads as zero") << "X:XX" << 0 << "EXACTLY ON TIME!!!!";
    QTest::newRow("no back time") << "" << 100 << "";
}

void TstTiming::overUnderVerdict() {
    QFETCH(QString, back);
    QFETCH(int, clock);
    QFETCH(QString, verdict);
    QCOMPARE(Timing::overUnder(back, clock), verdict);
}

QTEST_GUILESS_MAIN(TstTiming)
#include "tst_timing.moc"
