#include "grid/StyleGrid.h"
#include "output/PageNumbering.h"

#include <QSignalSpy>
#include <QTest>

class TstPageNumbering : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void renumber_data();
    void renumber();
    void manyBlocks();
    void writesOnlyChangedCells();
};

namespace {
// A 12-column grid whose PG cells hold the given texts.
void fillPg(StyleGrid& g, const QStringList& pg) {
    for (const QString& t : pg)
        g.AppendRow(t);
}

QStringList pgColumn(const StyleGrid& g) {
    QStringList out;
    for (int y = 1; y <= g.Rows(); ++y)
        out.append(g.CellText(1, y));
    return out;
}
} // namespace

void TstPageNumbering::renumber_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("empty rundown") << QStringList{} << QStringList{};
    QTest::newRow("worked example") << QStringList{"", "", "x", "", "Break", "B8", "", "7"}
                                    << QStringList{"A1", "A3", "A4", "A5", "Break", "B0", "B1", "B3"};
    QTest::newRow("already numbered stays") << QStringList{"A1", "A3", "A5"} << QStringList{"A1", "A3", "A5"};
    QTest::newRow("moved third row to top") << QStringList{"A5", "A1", "A3"} << QStringList{"A1", "A3", "A5"};
    QTest::newRow("letter typed into second") << QStringList{"A1", "q", "A5"} << QStringList{"A1", "A2", "A3"};
    QTest::newRow("follow-ons share a number")
        << QStringList{"", "A2", "A4", "B"} << QStringList{"A1", "A2", "A2", "A2"};
    QTest::newRow("starts with a break") << QStringList{"Break", "", ""} << QStringList{"Break", "B1", "B3"};
    QTest::newRow("two breaks skip a letter")
        << QStringList{"", "Break", "Break", ""} << QStringList{"A1", "Break", "Break", "C1"};
    QTest::newRow("break compared without case")
        << QStringList{"", "BREAK", "", "break"} << QStringList{"A1", "BREAK", "B1", "break"};
    QTest::newRow("comma is a main page") << QStringList{"", "7,"} << QStringList{"A1", "A3"};
    QTest::newRow("even digit and other marks follow on")
        << QStringList{"", "12", "-", "A1"} << QStringList{"A1", "A2", "A2", "A3"};
    QTest::newRow("break text inside a longer text is no break")
        << QStringList{"Breaking", ""} << QStringList{"A0", "A1"};
}

void TstPageNumbering::renumber() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    StyleGrid g(12);
    fillPg(g, before);
    // A skipped row is numbered like any other: the marker column plays no part.
    if (g.Rows() > 0)
        g.setCellText(11, g.Rows(), QStringLiteral("*SKIP"));
    PageNumbering::renumber(g);
    QCOMPARE(pgColumn(g), after);
    // Renumbering its own result changes nothing.
    QCOMPARE(PageNumbering::renumber(g), 0);
    QCOMPARE(pgColumn(g), after);
}

void TstPageNumbering::manyBlocks() {
    // Blocks 1..16 are lettered A..P; from the 17th on the page is a bare number.
    StyleGrid g(12);
    QStringList pg;
    for (int block = 1; block <= 18; ++block) {
        if (block > 1)
            pg << QStringLiteral("Break");
        pg << QString() << QStringLiteral("x") << QString();
    }
    fillPg(g, pg);
    PageNumbering::renumber(g);
    const QStringList got = pgColumn(g);
    QCOMPARE(got.mid(0, 3), (QStringList{"A1", "A2", "A3"}));
    QCOMPARE(got.mid(15 * 4, 3), (QStringList{"P1", "P2", "P3"}));
    QCOMPARE(got.mid(16 * 4, 3), (QStringList{"1", "2", "3"}));
    QCOMPARE(got.mid(17 * 4, 3), (QStringList{"1", "2", "3"}));
}

void TstPageNumbering::writesOnlyChangedCells() {
    StyleGrid g(12);
    fillPg(g, {"A1", "", "A3", "Break", "B1"});
    g.setCellText(2, 2, QStringLiteral("slug"));
    QSignalSpy changed(&g, &StyleGrid::dataChanged);
    QCOMPARE(PageNumbering::renumber(g), 2); // row 2 becomes A3, row 3 becomes A5
    QCOMPARE(changed.count(), 2);
    for (const QList<QVariant>& args : changed) {
        const QModelIndex i = args.at(0).toModelIndex();
        QCOMPARE(i.column(), 0); // only the PG column is written
    }
    QCOMPARE(g.CellText(2, 2), QStringLiteral("slug"));
    QCOMPARE(pgColumn(g), (QStringList{"A1", "A3", "A5", "Break", "B1"}));
}

QTEST_GUILESS_MAIN(TstPageNumbering)
#include "tst_pagenumbering.moc"
