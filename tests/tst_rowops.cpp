#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>

namespace C = RundownColumns;

class TstRowOps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void currentCellTable_data();
    void currentCellTable();
    void addedRowLook();
    void deleteLastThenAdd();
    void timingAfterDelete_data();
    void timingAfterDelete();
    void timingAfterShift_data();
    void timingAfterShift();
    void pendingTimeEditSurvives_data();
    void pendingTimeEditSurvives();
    void insertBelowRow();
    void insertBreakOnBlankRow();
    void insertIgnoresUnknownKinds_data();
    void insertIgnoresUnknownKinds();
    void insertLineFields();
    void insertMenu();
    void autopageSwitch();
    void numberingOffLeavesPages();
    void dragRow_data();
    void dragRow();
    void dragRowRenumbersAndTimes();
};

namespace {
// Rows whose Slug cells hold the given texts (all other cells empty, PG included).
void addSlugs(DocFixture& f, const QStringList& slugs) {
    QStringList rows;
    for (const QString& s : slugs)
        rows.append(u'|' + s);
    f.addRows(rows);
}

// Selects a cell as a click does; row 0 leaves the window with no current row.
void selectRow(DocFixture& f, int column, int row) {
    if (row > 0)
        f.grid().Selection().Set(column, row);
}

void run(RundownDocument& doc, const QString& op) {
    if (op == u"add")
        doc.myadd();
    else if (op == u"delete")
        doc.mydeleterow();
    else if (op == u"up")
        doc.shiftup();
    else if (op == u"down")
        doc.shiftdown();
    else if (op == u"insert")
        doc.myinsert(3); // Commercial
    else
        QFAIL("unknown operation");
}
} // namespace

// Every situation of the current-cell table: the rows afterwards and the current cell afterwards.
void TstRowOps::currentCellTable_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("row"); // current row before; 0 = none
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("curX");
    QTest::addColumn<int>("curY");
    const QStringList five{"r1", "r2", "r3", "r4", "r5"};
    const int x = C::Video; // the current column the operations keep

    QTest::newRow("add, empty") << "add" << QStringList{} << 0 << QStringList{""} << int(C::Slug) << 1;
    QTest::newRow("add, no current row") << "add" << QStringList{"r1", "r2"} << 0 << QStringList{"r1", "r2", ""}
                                         << int(C::Slug) << 3;
    QTest::newRow("add, row 3 of 5") << "add" << five << 3 << QStringList{"r1", "r2", "r3", "", "r4", "r5"} << x << 4;
    QTest::newRow("add, last row") << "add" << five << 5 << QStringList{"r1", "r2", "r3", "r4", "r5", ""} << x << 6;

    QTest::newRow("delete, empty") << "delete" << QStringList{} << 0 << QStringList{} << 0 << 0;
    QTest::newRow("delete, one row current") << "delete" << QStringList{"r1"} << 1 << QStringList{} << 0 << 0;
    QTest::newRow("delete, one row none current") << "delete" << QStringList{"r1"} << 0 << QStringList{} << 0 << 0;
    QTest::newRow("delete, no current row") << "delete" << five << 0 << QStringList{"r1", "r2", "r3", "r4"} << 0 << 0;
    QTest::newRow("delete, row 3") << "delete" << five << 3 << QStringList{"r1", "r2", "r4", "r5"} << x << 3;
    QTest::newRow("delete, last row") << "delete" << five << 5 << QStringList{"r1", "r2", "r3", "r4"} << x << 4;
    QTest::newRow("delete, first of two") << "delete" << QStringList{"r1", "r2"} << 1 << QStringList{"r2"} << x << 1;

    QTest::newRow("up, first row") << "up" << five << 1 << five << x << 1;
    QTest::newRow("up, no current row") << "up" << five << 0 << five << 0 << 0;
    QTest::newRow("up, row 3") << "up" << five << 3 << QStringList{"r1", "r3", "r2", "r4", "r5"} << x << 2;
    QTest::newRow("up, row 2") << "up" << five << 2 << QStringList{"r2", "r1", "r3", "r4", "r5"} << x << 1;

    QTest::newRow("down, no current row") << "down" << five << 0 << five << 0 << 0;
    QTest::newRow("down, last row") << "down" << five << 5 << five << x << 5;
    QTest::newRow("down, row 2 of 3") << "down" << QStringList{"r1", "r2", "r3"} << 2 << QStringList{"r1", "r3", "r2"}
                                      << x << 3;

    QTest::newRow("insert, no current row") << "insert" << five << 0 << five << 0 << 0;
    QTest::newRow("insert, row not blank")
        << "insert" << QStringList{"r1", "r2", "r3"} << 2 << QStringList{"r1", "r2", "Commercial", "r3"} << x << 3;
    QTest::newRow("insert, blank row") << "insert" << QStringList{"r1", "", "r3"} << 2
                                       << QStringList{"r1", "Commercial", "r3"} << x << 2;
}

void TstRowOps::currentCellTable() {
    QFETCH(QString, op);
    QFETCH(QStringList, before);
    QFETCH(int, row);
    QFETCH(QStringList, after);
    QFETCH(int, curX);
    QFETCH(int, curY);
    DocFixture f;
    f.doc->autopage = false; // keeps PG empty, so a row with an empty Slug stays blank for the insert
    addSlugs(f, before);
    selectRow(f, C::Video, row);
    f.doc->saveflag = true;

    run(*f.doc, op);

    QCOMPARE(f.column(C::Slug), after);
    QCOMPARE(f.doc->currentx, curX);
    QCOMPARE(f.doc->currenty, curY);
    // The grid's selection and the current cell agree.
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), curY);
    QVERIFY(!f.grid().isDrawingLocked());
    QVERIFY(f.doc->saveflag); // no row operation touches the saved flag
}

void TstRowOps::addedRowLook() {
    DocFixture f;
    f.addTimedRows({"1:00"});
    const QString total = f.doc->TotalTime();
    f.grid().setCellText(C::S, 1, QStringLiteral("w"));
    QSignalSpy totals(f.doc.get(), &RundownDocument::TotalTimeChanged);
    f.doc->myaddrow();
    StyleGrid& g = f.grid();
    QCOMPARE(g.Rows(), 2);
    QCOMPARE(g.CellText(C::S, 1), QStringLiteral("w")); // the current row is left alone
    QCOMPARE(g.CellText(C::S, 2), QStringLiteral("n"));
    QCOMPARE(g.CellText(C::V, 2), QStringLiteral("n"));
    QCOMPARE(g.cellStyle(C::S, 2), f.globals.mycolors[0]); // red
    QCOMPARE(g.cellStyle(C::V, 2), f.globals.mycolors[0]);
    QCOMPARE(g.cellStyle(C::TRT, 2), f.globals.mystyle);
    QCOMPARE(g.cellStyle(C::Back, 2), f.globals.mystyle);
    QCOMPARE(g.cellStyle(C::Marker, 2), f.doc->blackstyle);
    QCOMPARE(g.cellTopIndent(C::Time, 2), 3);
    QCOMPARE(g.cellRightIndent(C::Back, 2), 10);
    QCOMPARE(f.column(C::PG), (QStringList{"A1", "A3"}));
    QCOMPARE(f.doc->TotalTime(), total);
    QCOMPARE(totals.count(), 0);
}

// The grid reports the vanished selection when its last row goes, so Add starts a new rundown at row 1.
void TstRowOps::deleteLastThenAdd() {
    DocFixture f;
    f.addTimedRows({"2:00"});
    f.grid().Selection().Set(C::Time, 1);
    f.doc->mydeleterow();
    QCOMPARE(f.grid().Rows(), 0);
    QCOMPARE(f.doc->currentx, 0);
    QCOMPARE(f.doc->currenty, 0);
    f.doc->myadd();
    QCOMPARE(f.grid().Rows(), 1);
    QCOMPARE(f.doc->currentx, int(C::Slug));
    QCOMPARE(f.doc->currenty, 1);
    QCOMPARE(f.grid().CellText(C::S, 1), QStringLiteral("n"));
}

// The total and the back times never show a deleted row's time.
void TstRowOps::timingAfterDelete_data() {
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("trt");
    QTest::addColumn<QStringList>("back");
    QTest::addColumn<QString>("total");
    const QStringList five{"1:00", "2:00", "3:00", "4:00", "5:00"};
    QTest::newRow("row 3") << five << 3 << QStringList{"1:00 ", "3:00 ", "7:00 ", "12:00 "}
                           << QStringList{"48:00", "49:00", "51:00", "55:00"} << "12:00";
    QTest::newRow("last row current") << five << 5 << QStringList{"1:00 ", "3:00 ", "6:00 ", "10:00 "}
                                      << QStringList{"50:00", "51:00", "53:00", "56:00"} << "10:00";
    QTest::newRow("no current row") << five << 0 << QStringList{"1:00 ", "3:00 ", "6:00 ", "10:00 "}
                                    << QStringList{"50:00", "51:00", "53:00", "56:00"} << "10:00";
    QTest::newRow("only row") << QStringList{"7:00"} << 1 << QStringList{} << QStringList{} << "0:00";
    QTest::newRow("only row, none current") << QStringList{"7:00"} << 0 << QStringList{} << QStringList{} << "0:00";
}

void TstRowOps::timingAfterDelete() {
    QFETCH(QStringList, times);
    QFETCH(int, row);
    QFETCH(QStringList, trt);
    QFETCH(QStringList, back);
    QFETCH(QString, total);
    DocFixture f;
    f.addTimedRows(times);
    selectRow(f, C::Slug, row);
    f.doc->mydeleterow();
    QCOMPARE(f.column(C::TRT), trt);
    QCOMPARE(f.column(C::Back), back);
    QCOMPARE(f.doc->TotalTime(), total);
}

void TstRowOps::timingAfterShift_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("trt");
    QTest::addColumn<QStringList>("back");
    QTest::newRow("up to row 1") << "up" << 2 << QStringList{"2:00 ", "3:00 ", "6:00 "}
                                 << QStringList{"54:00", "56:00", "57:00"};
    QTest::newRow("up to row 2") << "up" << 3 << QStringList{"1:00 ", "4:00 ", "6:00 "}
                                 << QStringList{"54:00", "55:00", "58:00"};
    QTest::newRow("down to last") << "down" << 2 << QStringList{"1:00 ", "4:00 ", "6:00 "}
                                  << QStringList{"54:00", "55:00", "58:00"};
    QTest::newRow("down from first") << "down" << 1 << QStringList{"2:00 ", "3:00 ", "6:00 "}
                                     << QStringList{"54:00", "56:00", "57:00"};
}

void TstRowOps::timingAfterShift() {
    QFETCH(QString, op);
    QFETCH(int, row);
    QFETCH(QStringList, trt);
    QFETCH(QStringList, back);
    DocFixture f;
    f.addTimedRows({"1:00", "2:00", "3:00"});
    f.grid().Selection().Set(C::Slug, row);
    run(*f.doc, op);
    QCOMPARE(f.column(C::TRT), trt);
    QCOMPARE(f.column(C::Back), back);
    QCOMPARE(f.column(C::PG), (QStringList{"A1", "A3", "A5"}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("6:00"));
}

// A Time edited higher up and not yet recomputed (the editor left by a click on a toolbar button) is
// taken into the recomputation that the operation makes.
void TstRowOps::pendingTimeEditSurvives_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("trt");
    QTest::newRow("delete") << "delete" << QStringList{"1:00 ", "11:00 ", "14:00 ", "19:00 "};
    QTest::newRow("insert") << "insert" << QStringList{"1:00 ", "11:00 ", "14:00 ", "18:00 ", "20:05 ", "25:05 "};
    QTest::newRow("insert on blank") << "insertblank" << QStringList{"1:00 ", "11:00 ", "14:00 ", "16:05 ", "21:05 "};
    QTest::newRow("up") << "up" << QStringList{"1:00 ", "11:00 ", "15:00 ", "18:00 ", "23:00 "};
    QTest::newRow("down") << "down" << QStringList{"1:00 ", "11:00 ", "14:00 ", "19:00 ", "23:00 "};
}

void TstRowOps::pendingTimeEditSurvives() {
    QFETCH(QString, op);
    QFETCH(QStringList, trt);
    DocFixture f;
    f.addTimedRows({"1:00", "2:00", "3:00", "4:00", "5:00"});
    f.grid().Selection().Set(C::Slug, 4);
    if (op == u"insertblank")
        op = QStringLiteral("insert"); // row 4 is blank: the insert overwrites it and selects nothing
    else
        f.grid().setCellText(C::Slug, 4, QStringLiteral("four"));
    f.grid().setCellText(C::Time, 2, QStringLiteral("10:00"));
    f.doc->timeedit = 2;
    run(*f.doc, op);
    QCOMPARE(f.column(C::TRT), trt);
    QCOMPARE(f.doc->timeedit, 0);
}

void TstRowOps::insertBelowRow() {
    DocFixture f;
    f.addTimedRows({"1:00", "2:00"});
    f.grid().Selection().Set(C::Slug, 1);
    f.doc->myadd();     // row 2: S and V "n", so not blank
    f.doc->myinsert(3); // Commercial below it
    StyleGrid& g = f.grid();
    QCOMPARE(g.Rows(), 4);
    QCOMPARE(f.doc->currenty, 3);
    const QStringList expected{"A5", "Commercial", "", "", "", "", "", "", "2:05", "3:05 ", "", "55:55"};
    for (int x = 1; x <= g.Cols(); ++x) {
        QCOMPARE(g.CellText(x, 3), expected.at(x - 1));
        if (x > 1)
            QCOMPARE(g.cellStyle(x, 3), f.globals.mystyle); // the marker cell too: it shows white
    }
    QCOMPARE(g.CellColSpan(C::Slug, 3), 1);
    QCOMPARE(f.column(C::PG), (QStringList{"A1", "A3", "A5", "A7"}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("5:05"));
}

void TstRowOps::insertBreakOnBlankRow() {
    DocFixture f;
    f.addRows({"|one|||||||1:00", "", "|three|||||||2:00"});
    f.grid().setCellText(C::Audio, 2, QStringLiteral("old"));
    f.grid().setCellText(C::Time, 2, QStringLiteral("9:00"));
    f.doc->additup(1);
    f.grid().Selection().Set(C::Video, 2);
    f.doc->myinsert(0);
    StyleGrid& g = f.grid();
    QCOMPARE(g.Rows(), 3);
    QCOMPARE(f.doc->currentx, int(C::Video));
    QCOMPARE(f.doc->currenty, 2);
    QCOMPARE(g.CellText(C::PG, 2), QStringLiteral("Break"));
    for (int x = 2; x <= g.Cols(); ++x)
        QCOMPARE(g.CellText(x, 2), QString());
    QCOMPARE(g.cellStyle(C::PG, 2), f.globals.breakstyle);
    QCOMPARE(g.cellStyle(C::Slug, 2), f.globals.breakstyle);
    QCOMPARE(g.CellColSpan(C::Slug, 2), 10);
    QCOMPARE(g.cellStyle(C::Back, 2), f.globals.mystyle);
    QCOMPARE(f.column(C::PG), (QStringList{"A1", "Break", "B1"}));
    QCOMPARE(f.doc->TotalTime(), QStringLiteral("3:00")); // the overwritten 9:00 no longer counts
}

void TstRowOps::insertIgnoresUnknownKinds_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("1") << 1;
    QTest::newRow("-1") << -1;
    QTest::newRow("13") << 13;
    QTest::newRow("huge") << 2147483647;
    QTest::newRow("lowest") << int(-2147483647 - 1);
}

void TstRowOps::insertIgnoresUnknownKinds() {
    QFETCH(int, kind);
    DocFixture f;
    f.addTimedRows({"1:00", "2:00"});
    f.grid().Selection().Set(C::Slug, 1);
    f.doc->myinsert(kind);
    QCOMPARE(f.grid().Rows(), 2);
    QCOMPARE(f.doc->currenty, 1);
    QCOMPARE(f.column(C::PG), (QStringList{"", ""}));
    QVERIFY(!f.grid().isDrawingLocked());
}

void TstRowOps::insertLineFields() {
    DocFixture f;
    f.globals.inter[10] = QStringLiteral("Long,s,S1,V1,w,vid,aud,gfx,1:00,trt,mark,back,extra,more");
    f.globals.inter[9] = QStringLiteral("Short,only slug");
    f.addRows({"A1|x"});
    f.grid().Selection().Set(C::Slug, 1);
    f.doc->myinsert(12);
    // Columns 10 and 12 belong to the timing engine, which rewrites them from the row's Time.
    const QStringList longRow{"A3", "s", "S1", "V1", "w", "vid", "aud", "gfx", "1:00", "1:00 ", "mark", "59:00"};
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(f.grid().CellText(x, 2), longRow.at(x - 1));

    f.doc->myinsert(11);
    QCOMPARE(f.grid().Rows(), 3);
    QCOMPARE(f.grid().CellText(C::Slug, 3), QStringLiteral("only slug"));
    for (int x = 3; x <= 12; ++x)
        QCOMPARE(f.grid().CellText(x, 3), QString());
    // A line whose field 1 is "Break" writes it into column 1 even when it is not the break kind.
    f.globals.inter[8] = QStringLiteral("break,named");
    f.doc->myinsert(10);
    QCOMPARE(f.grid().CellText(C::PG, 4), QStringLiteral("Break"));
    QCOMPARE(f.grid().CellText(C::Slug, 4), QStringLiteral("named"));
}

void TstRowOps::insertMenu() {
    DocFixture f;
    using Items = QVector<InsertMenuItem>;
    QCOMPARE(
        f.doc->insertMenu(),
        (Items{
            {"Break", "0"}, {"Open", "2"}, {"Commercial", "3"}, {"Disclaimer", "4"}, {"Tease", "5"}, {"Bump", "6"}}));

    // An empty slot leaves no item, and the later items keep slot + 2 as their tags.
    f.globals.inter[3].clear();
    f.globals.inter[10] = QStringLiteral("Weather,Weather,,,,,,,3:00");
    f.globals.inter[7] = QStringLiteral(",nameless");
    QSignalSpy rebuilt(f.doc.get(), &RundownDocument::insertMenuChanged);
    Q_EMIT f.globals.interChanged();
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(f.doc->insertMenu(), (Items{{"Break", "0"},
                                         {"Open", "2"},
                                         {"Commercial", "3"},
                                         {"Disclaimer", "4"},
                                         {"Bump", "6"},
                                         {"Weather", "12"}}));
    f.addRows({"|x"});
    f.grid().Selection().Set(C::Slug, 1);
    f.doc->myinsert(f.doc->insertMenu().at(4).tag.toInt());
    QCOMPARE(f.grid().CellText(C::Slug, 2), QStringLiteral("Bump"));

    // The defaults fill slots 0..4 only.
    f.globals.inter[6] = QStringLiteral("Mine,m");
    f.globals.inter[0] = QStringLiteral("Changed,c");
    f.doc->initinters();
    QCOMPARE(f.globals.inter[0], QStringLiteral("Open,Open,,,,VTR,SOT,,:15"));
    QCOMPARE(f.globals.inter[6], QStringLiteral("Mine,m"));
}

void TstRowOps::autopageSwitch() {
    DocFixture f;
    QSignalSpy spy(f.doc.get(), &RundownDocument::autopageChanged);
    QVERIFY(f.doc->autopage);
    QCOMPARE(f.doc->autoPageMenuText(), QStringLiteral("Turn Autopage Off"));
    f.doc->MenuAutoPage();
    QVERIFY(!f.doc->autopage);
    QCOMPARE(f.doc->autoPageMenuText(), QStringLiteral("Turn Autopage On"));
    QVERIFY(!f.prefs->GetPrefBoolean(QStringLiteral("AutoPage"), true));
    f.doc->MenuAutoPage();
    QVERIFY(f.doc->autopage);
    QVERIFY(f.prefs->GetPrefBoolean(QStringLiteral("AutoPage"), false));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
    // Memory only: the file is written when the preferences window is confirmed or the program quits.
    QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("KestrelRundownprefs"))));
}

void TstRowOps::numberingOffLeavesPages() {
    DocFixture f;
    f.addRows({"x|a", "7|b", "|c", "q|d"});
    f.doc->switchautopage(false);
    f.grid().Selection().Set(C::Slug, 2);
    f.doc->myadd();
    f.doc->shiftup();
    f.doc->shiftdown();
    f.doc->myinsert(2);
    f.doc->mydeleterow();
    f.doc->DragRow(1, 4);
    const QStringList pg = f.column(C::PG);
    QVERIFY(pg.contains("x") && pg.contains("7") && pg.contains("q"));
    for (const QString& t : pg)
        QVERIFY2(t.isEmpty() || t == u"x" || t == u"7" || t == u"q", qPrintable(t));
    // Switching it on renumbers only at the next change.
    f.doc->switchautopage(true);
    QCOMPARE(f.column(C::PG), pg);
    f.doc->shiftup();
    QVERIFY(f.column(C::PG) != pg);
}

void TstRowOps::dragRow_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("curY"); // 0: nothing happened, the current cell stays (Video, 3)
    const QStringList six{"r1", "r2", "r3", "r4", "r5", "r6"};
    QTest::newRow("2 onto 5") << 2 << 5 << QStringList{"r1", "r3", "r4", "r5", "r2", "r6"} << 5;
    QTest::newRow("5 onto 2") << 5 << 2 << QStringList{"r1", "r5", "r2", "r3", "r4", "r6"} << 2;
    QTest::newRow("first to last") << 1 << 6 << QStringList{"r2", "r3", "r4", "r5", "r6", "r1"} << 6;
    QTest::newRow("onto itself") << 4 << 4 << six << 4;
    QTest::newRow("below the rows") << 2 << 7 << six << 0;
    QTest::newRow("on the header") << 2 << 0 << six << 0;
    QTest::newRow("from nowhere") << -1 << 3 << six << 0;
    QTest::newRow("from beyond") << 9 << 3 << six << 0;
}

void TstRowOps::dragRow() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, after);
    QFETCH(int, curY);
    DocFixture f;
    addSlugs(f, {"r1", "r2", "r3", "r4", "r5", "r6"});
    f.grid().Selection().Set(C::Video, 3);
    f.doc->DragRow(from, to);
    QCOMPARE(f.column(C::Slug), after);
    QCOMPARE(f.doc->currentx, curY ? int(C::PG) : int(C::Video));
    QCOMPARE(f.doc->currenty, curY ? curY : 3);
    QVERIFY(!f.grid().isDrawingLocked());
}

void TstRowOps::dragRowRenumbersAndTimes() {
    DocFixture f;
    f.addRows({"A1|one|||||||1:00", "A3|two|||||||2:00", "A4|three|||||||3:00", "A5|four|||||||4:00"});
    f.doc->additup(1);
    f.doc->DragRow(4, 2);
    QCOMPARE(f.column(C::Slug), (QStringList{"one", "four", "two", "three"}));
    QCOMPARE(f.column(C::PG), (QStringList{"A1", "A3", "A5", "A6"}));
    QCOMPARE(f.column(C::TRT), (QStringList{"1:00 ", "5:00 ", "7:00 ", "10:00 "}));
    QCOMPARE(f.column(C::Back), (QStringList{"50:00", "51:00", "55:00", "57:00"}));
}

QTEST_GUILESS_MAIN(TstRowOps)
#include "tst_rowops.moc"
