#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>

// The rundown on its grid: set-up, styles, trackers, the current cell, skipping and Time Me.
class TstRundownDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnSetUp();
    void stylesAndNewRows();
    void setcellstateLooks_data();
    void setcellstateLooks();
    void trackerStepping_data();
    void trackerStepping();
    void pendingTimeEditRunsOnSelection();
    void skipAndUnskip();
    void skipBreakRowAndNoSelection();
    void skipLabelFollowsSelection();
    void timeMe();
    void preferencesLoaded();
};

void TstRundownDocument::columnSetUp() {
    DocFixture f;
    const StyleGrid& g = f.grid();
    const QStringList headers{"PG", "Slug", "S", "V", "Writer", "Video", "Audio", "Graphics", "Time", "TRT", "", "Back"};
    const QList<int> widths{50, 145, 20, 20, 65, 65, 65, 60, 60, 60, 3, 60};
    const QList<int> minimums{50, 45, 10, 10, 30, 30, 30, 30, 45, 45, 0, 45};
    const QList<int> align{1, 0, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1};
    QCOMPARE(g.Cols(), 12);
    QCOMPARE(g.Rows(), 0);
    for (int x = 1; x <= 12; ++x) {
        QCOMPARE(g.Column(x).header.text, headers[x - 1]);
        QCOMPARE(g.ColumnWidth(x), widths[x - 1]);
        QCOMPARE(g.Column(x).minWidth, minimums[x - 1]);
        QCOMPARE(g.Column(x).alignment, align[x - 1]);
        QCOMPARE(g.Column(x).defaultCell.leftIndent, qint16(5));
        QCOMPARE(g.Column(x).defaultCell.rightIndent, qint16(10));
    }
    QCOMPARE(g.SelectionColor, gridRgb(255, 255, 0));
    QVERIFY(f.doc->rundownok);
    QCOMPARE(f.doc->currentx, 0);
    QCOMPARE(f.doc->currenty, 0);
    QVERIFY(f.doc->autopage);
    QVERIFY(!f.doc->saveflag);
}

void TstRundownDocument::stylesAndNewRows() {
    DocFixture f;
    const Globals& gl = f.globals;
    QCOMPARE(gl.skipstyle->TextColor, gridRgb(170, 170, 170));
    QVERIFY(!gl.skipstyle->HasBackColor);
    QCOMPARE(gl.breakstyle->BackColor, gridRgb(100, 100, 100));
    QCOMPARE(f.doc->blackstyle->BackColor, gridRgb(0, 0, 0));
    QCOMPARE(gl.mystyle->BackColor, gridRgb(255, 255, 255));
    QCOMPARE(gl.mystyle->FontName, QStringLiteral("Lucida Grande"));
    // Each opening builds new objects; cells styled earlier keep theirs.
    const StyleGridStylePtr old = gl.mystyle;
    f.doc->buildstyles();
    QVERIFY(gl.mystyle != old);

    StyleGrid& g = f.grid();
    g.AppendRow();
    f.doc->initrow(1);
    for (int x : {3, 4}) {
        QCOMPARE(g.CellText(x, 1), QStringLiteral("n"));
        QCOMPARE(g.effectiveStyle(x, 1)->BackColor, gridRgb(255, 0, 0));
    }
    for (int x : {9, 10, 12}) {
        QCOMPARE(g.cellRightIndent(x, 1), 10);
        QCOMPARE(g.cellTopIndent(x, 1), 3);
    }
}

void TstRundownDocument::setcellstateLooks_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("slot"); // -1: mystyle
    QTest::newRow("n") << "n" << 0;
    QTest::newRow("N any case") << "N" << 0;
    QTest::newRow("a") << "a" << 1;
    QTest::newRow("p") << "p" << 2;
    QTest::newRow("d") << "d" << 3;
    QTest::newRow("w") << "w" << 4;
    QTest::newRow("e") << "E" << 5;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("other letter") << "x" << -1;
    QTest::newRow("two letters") << "nn" << -1;
}

void TstRundownDocument::setcellstateLooks() {
    QFETCH(QString, state);
    QFETCH(int, slot);
    DocFixture f;
    f.grid().AppendRow();
    f.grid().setCellText(3, 1, QStringLiteral("keep"));
    f.doc->setcellstate(3, 1, state, false); // text untouched
    QCOMPARE(f.grid().CellText(3, 1), QStringLiteral("keep"));
    const StyleGridStylePtr expected = slot < 0 ? f.globals.mystyle : f.globals.mycolors[size_t(slot)];
    QCOMPARE(f.grid().cellStyle(3, 1).get(), expected.get());
    f.doc->setcellstate(4, 1, state, true);
    QCOMPARE(f.grid().CellText(4, 1), state);
}

void TstRundownDocument::trackerStepping_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("script cycle") << 3 << "" << QStringList{"n", "w", "e", "a", "p", ""};
    QTest::newRow("video cycle") << 4 << "d" << QStringList{"", "n", "d"};
    QTest::newRow("capital N") << 3 << "N" << QStringList{"w"};
    QTest::newRow("w stays in video") << 4 << "w" << QStringList{"w", "w"};
    QTest::newRow("unknown stays") << 3 << "zz" << QStringList{"zz"};
}

void TstRundownDocument::trackerStepping() {
    QFETCH(int, column);
    QFETCH(QString, start);
    QFETCH(QStringList, steps);
    DocFixture f;
    f.addRows({"|a|||", "|b|" + start + "|" + start + "|"});
    f.grid().Selection().Set(6, 1);
    for (const QString& expected : steps) {
        f.grid().Selection().Set(column, 2);
        QCOMPARE(f.grid().CellText(column, 2), expected);
        // The current cell stays where it was, and so does the selection.
        QCOMPARE(f.doc->currentx, 6);
        QCOMPARE(f.doc->currenty, 1);
        QCOMPARE(f.grid().Selection().FirstSelectedColumn(), 6);
    }
    QCOMPARE(f.grid().cellStyle(column, 2).get(), f.doc->styleForState(steps.last()).get());
}

void TstRundownDocument::pendingTimeEditRunsOnSelection() {
    DocFixture f;
    f.addTimedRows({"1:00", "1:00"});
    f.grid().setCellText(9, 2, QStringLiteral("5:00"));
    f.doc->timeedit = 2;
    f.grid().Selection().Set(2, 1);
    QCOMPARE(f.doc->timeedit, 0);
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("6:00"));
    QCOMPARE(f.grid().CellText(12, 1), QStringLiteral("54:00"));
}

void TstRundownDocument::skipAndUnskip() {
    DocFixture f;
    f.addTimedRows({"1:30", "2:00", "0:45"});
    const QStringList trt = f.column(10), back = f.column(12);
    f.grid().Selection().Set(2, 2);
    f.doc->doskip();
    QCOMPARE(f.grid().CellText(11, 2), QStringLiteral("*SKIP"));
    QCOMPARE(f.column(10), (QStringList{"1:30 ", "", "2:15 "}));
    QCOMPARE(f.column(12), (QStringList{"57:45", "", "59:15"}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("2:15"));
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(f.grid().cellStyle(x, 2).get(), f.globals.skipstyle.get());
    QVERIFY(!f.doc->canSkip());
    QCOMPARE(f.doc->skipCaption(), QStringLiteral("UnSkip"));

    f.doc->doskip();
    QCOMPARE(f.column(10), trt);
    QCOMPARE(f.column(12), back);
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("4:15"));
    QCOMPARE(f.grid().CellText(11, 2), QString());
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(f.grid().cellStyle(x, 2).get(), f.globals.mystyle.get());
    QCOMPARE(f.doc->skipCaption(), QStringLiteral("Skip"));
}

void TstRundownDocument::skipBreakRowAndNoSelection() {
    DocFixture f;
    f.addRows({"Break", "||||||||1:00"});
    f.doc->doskip(); // nothing selected: nothing happens
    QCOMPARE(f.grid().CellText(11, 1), QString());
    f.grid().Selection().Set(1, 1);
    f.doc->doskip();
    QCOMPARE(f.grid().cellStyle(2, 1).get(), f.globals.skipstyle.get());
    f.doc->doskip();
    QCOMPARE(f.grid().cellStyle(2, 1).get(), f.globals.mystyle.get()); // the bar does not come back
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("1:00"));
}

void TstRundownDocument::skipLabelFollowsSelection() {
    DocFixture f;
    f.addRows({"||||||||1:00||*SKIP", "||||||||1:00"});
    QSignalSpy label(f.doc.get(), &RundownDocument::skipLabelChanged);
    f.grid().Selection().Set(2, 1);
    QVERIFY(!f.doc->canSkip());
    f.grid().Selection().Set(2, 2);
    QVERIFY(f.doc->canSkip());
    QCOMPARE(label.count(), 2);
}

void TstRundownDocument::timeMe() {
    DocFixture f;
    f.addTimedRows({"1:30", "", "2:00"});
    f.addRows({"Break"});
    f.clock.set(QDateTime(QDate(2026, 3, 7), QTime(9, 56, 0)));
    // Nothing selected: neither the label nor the selection changes.
    f.doc->timeoverunder();
    QCOMPARE(f.doc->overunder(), QString());
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 0);

    f.grid().Selection().Set(2, 1); // back time 56:30
    f.doc->timeoverunder();
    QCOMPARE(f.doc->overunder(), QStringLiteral("LIGHT BY -0:30"));
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 2);
    QCOMPARE(f.doc->currenty, 2);
    f.doc->timeoverunder(); // row without a back time: label cleared, selection moves on
    QCOMPARE(f.doc->overunder(), QString());
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 3);
    f.clock.set(QDateTime(QDate(2026, 3, 7), QTime(23, 58, 5)));
    f.doc->timeoverunder(); // back time 58:00
    QCOMPARE(f.doc->overunder(), QStringLiteral("HEAVY BY +0:05"));
    f.doc->timeoverunder(); // the break row
    QCOMPARE(f.doc->overunder(), QString());
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 4);
    f.doc->timeoverunder(); // last row: stays
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 4);
}

void TstRundownDocument::preferencesLoaded() {
    DocFixture f;
    f.prefs->SetPrefString(QStringLiteral("printfontsize"), QStringLiteral("12abc"));
    f.prefs->SetPrefString(QStringLiteral("FONTNAME"), QStringLiteral("DejaVu Sans"));
    f.prefs->SetPrefNumber(QStringLiteral("ShowSeconds"), 1800);
    f.prefs->SetPrefString(QStringLiteral("AutoPage"), QStringLiteral("FALSE"));
    f.doc->loadprefs();
    QCOMPARE(f.globals.printfontsize, 12);
    QCOMPARE(f.globals.myfontname, QStringLiteral("DejaVu Sans"));
    QCOMPARE(f.globals.showseconds, 1800);
    QVERIFY(!f.doc->autopage);
    QCOMPARE(f.grid().StartupMacFont, QStringLiteral("DejaVu Sans"));
    f.doc->buildstyles();
    QCOMPARE(f.globals.mystyle->FontName, QStringLiteral("DejaVu Sans"));
}

QTEST_GUILESS_MAIN(TstRundownDocument)
#include "tst_rundowndocument.moc"
