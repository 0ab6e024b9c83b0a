#include "grid/StyleGrid.h"

#include <QSignalSpy>
#include <QTest>

class TstStyleGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsAndTexts();
    void moveRow_data();
    void moveRow();
    void lockedChangesAreBatched();
    void unlockedChangesNotifyPerCell();
    void selectionIsSynchronous();
    void selectionVanishesWithLastRow();
    void columnWidthLimits();
    void sharedStyleAndDefaults();
    void textsShortAndLong();
};

namespace {
QStringList column1(const StyleGrid& g) {
    QStringList out;
    for (int y = 1; y <= g.Rows(); ++y)
        out.append(g.CellText(1, y));
    return out;
}
void fill(StyleGrid& g, int n) {
    for (int i = 1; i <= n; ++i)
        g.AppendRow(QString::number(i));
}
} // namespace

void TstStyleGrid::rowsAndTexts() {
    StyleGrid g(12);
    fill(g, 3);
    g.InsertRow(2, QStringLiteral("new"));
    QCOMPARE(column1(g), (QStringList{"1", "new", "2", "3"}));
    g.RemoveRow(1);
    g.SwapRows(1, 3);
    QCOMPARE(column1(g), (QStringList{"3", "2", "new"}));
    g.setCellText(12, 3, QStringLiteral("b"));
    QCOMPARE(g.CellText(12, 3), QStringLiteral("b"));
    // Outside the grid: reads are empty, writes are ignored.
    g.setCellText(13, 1, QStringLiteral("x"));
    g.setCellText(1, 0, QStringLiteral("x"));
    QCOMPARE(g.CellText(13, 1), QString());
    QCOMPARE(g.CellText(1, 4), QString());
    g.RemoveRow(0);
    g.RemoveRow(4);
    QCOMPARE(g.Rows(), 3);
    g.setRows(0);
    QCOMPARE(g.Rows(), 0);
}

void TstStyleGrid::moveRow_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("down") << 2 << 5 << QStringList{"1", "3", "4", "5", "2", "6"};
    QTest::newRow("up") << 5 << 2 << QStringList{"1", "5", "2", "3", "4", "6"};
    QTest::newRow("onto itself") << 3 << 3 << QStringList{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("outside") << 0 << 3 << QStringList{"1", "2", "3", "4", "5", "6"};
}

void TstStyleGrid::moveRow() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, order);
    StyleGrid g(12);
    fill(g, 6);
    g.MoveRow(from, to);
    QCOMPARE(column1(g), order);
}

void TstStyleGrid::lockedChangesAreBatched() {
    StyleGrid g(12);
    fill(g, 100);
    QSignalSpy data(&g, &StyleGrid::dataChanged);
    QSignalSpy inserted(&g, &StyleGrid::rowsInserted);
    QSignalSpy reset(&g, &StyleGrid::modelReset);
    g.LockDrawing(true);
    for (int y = 1; y <= 100; ++y)
        for (int x = 1; x <= 12; ++x)
            g.setCellText(x, y, QStringLiteral("t"));
    g.LockDrawing(true); // nested: only the outermost unlock notifies
    g.setRowHeight(7, 40);
    g.LockDrawing(false);
    QCOMPARE(data.count(), 0);
    g.LockDrawing(false);
    QCOMPARE(data.count(), 1);
    const auto args = data.takeFirst();
    QCOMPARE(args[0].toModelIndex(), g.index(0, 0));
    QCOMPARE(args[1].toModelIndex(), g.index(99, 11));

    // Structural changes while locked become one reset at the end.
    g.LockDrawing(true);
    for (int i = 0; i < 50; ++i)
        g.AppendRow();
    g.RemoveRow(3);
    g.setCellText(1, 1, QStringLiteral("changed"));
    g.LockDrawing(false);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(data.count(), 0);
    QCOMPARE(g.Rows(), 149);
    QCOMPARE(g.rowCount(), 149);
    QCOMPARE(g.data(g.index(0, 0)).toString(), QStringLiteral("changed"));
    g.LockDrawing(false); // an unbalanced unlock is harmless
    QVERIFY(!g.isDrawingLocked());
}

void TstStyleGrid::unlockedChangesNotifyPerCell() {
    StyleGrid g(12);
    fill(g, 3);
    QSignalSpy data(&g, &StyleGrid::dataChanged);
    QSignalSpy inserted(&g, &StyleGrid::rowsInserted);
    g.setCellText(2, 2, QStringLiteral("a"));
    g.setCellText(2, 2, QStringLiteral("a")); // unchanged: no notification
    g.InsertRow(1);
    QCOMPARE(data.count(), 1);
    QCOMPARE(inserted.count(), 1);
}

void TstStyleGrid::selectionIsSynchronous() {
    StyleGrid g(12);
    fill(g, 3);
    QList<QPoint> seen;
    connect(&g, &StyleGrid::selectionChanged, this,
            [&] { seen.append(QPoint(g.Selection().FirstSelectedColumn(), g.Selection().FirstSelectedRow())); });
    g.Selection().Set(2, 3);
    QCOMPARE(seen, QList<QPoint>{QPoint(2, 3)});
    g.MoveSelectionDown(); // on the last row: stays
    QCOMPARE(seen.size(), 1);
    g.Selection().Set(5, 1);
    g.MoveSelectionDown();
    QCOMPARE(seen.last(), QPoint(5, 2));
    g.Selection().Set(13, 1); // outside: nothing selected
    QCOMPARE(seen.last(), QPoint(0, 0));
    g.MoveSelectionDown(); // nothing selected: nothing happens
    QCOMPARE(seen.last(), QPoint(0, 0));
}

void TstStyleGrid::selectionVanishesWithLastRow() {
    StyleGrid g(12);
    fill(g, 2);
    g.Selection().Set(3, 2);
    QSignalSpy sel(&g, &StyleGrid::selectionChanged);
    g.RemoveRow(2); // the selected row went; the selection stays within the rows, silently
    QCOMPARE(sel.count(), 0);
    QCOMPARE(g.Selection().FirstSelectedRow(), 1);
    g.RemoveRow(1);
    QCOMPARE(sel.count(), 1);
    QCOMPARE(g.Selection().FirstSelectedRow(), 0);
    QCOMPARE(g.Selection().FirstSelectedColumn(), 0);
}

void TstStyleGrid::columnWidthLimits() {
    StyleGrid g(12);
    g.setColumnMinWidth(2, 45);
    g.setColumnWidth(2, 10);
    QCOMPARE(g.ColumnWidth(2), 45);
    g.setColumnWidth(2, 2000000000);
    QCOMPARE(g.ColumnWidth(2), StyleGrid::kMaxColumnWidth);
    QSignalSpy widths(&g, &StyleGrid::columnWidthsChanged);
    g.LockDrawing(true);
    g.setColumnWidth(1, 70);
    g.setColumnWidth(3, 70);
    g.LockDrawing(false);
    QCOMPARE(widths.count(), 1);
}

void TstStyleGrid::sharedStyleAndDefaults() {
    StyleGrid g(12);
    fill(g, 2);
    auto shared = g.GetDefaultStyle()->copy();
    g.setCellStyle(1, 1, shared);
    g.setCellStyle(2, 2, shared);
    shared->TextColor = gridRgb(1, 2, 3);
    QCOMPARE(g.effectiveStyle(2, 2)->TextColor, gridRgb(1, 2, 3));
    QCOMPARE(g.effectiveStyle(1, 1).get(), g.effectiveStyle(2, 2).get());
    QCOMPARE(g.effectiveStyle(3, 1).get(), g.GetDefaultStyle().get());
    // Indents and alignment fall back to the column.
    g.Column(4).defaultCell.leftIndent = 5;
    g.setColumnAlignment(4, GridAlign::Right);
    QCOMPARE(g.cellLeftIndent(4, 1), 5);
    g.setCellIndents(4, 1, 7, -1, -1);
    QCOMPARE(g.cellLeftIndent(4, 1), 7);
    QCOMPARE(g.effectiveAlignment(4, 2), GridAlign::Right);
    g.setCellAlignment(4, 2, GridAlign::Center);
    QCOMPARE(g.effectiveAlignment(4, 2), GridAlign::Center);
    // Spans never reach past the last column.
    g.setCellColSpan(2, 1, 50);
    QCOMPARE(g.CellColSpan(2, 1), 11);
}

void TstStyleGrid::textsShortAndLong() {
    // Texts on both sides of the inline size survive every way rows move and are rewritten.
    const QStringList texts{"", "n", "1:02:03 ", "12345678901", "123456789012", "a much longer slug text",
                            QString(5000, u'x'), QStringLiteral("caf\u00e9 \U0001F600")};
    StyleGrid g(3);
    for (const QString& t : texts) {
        g.AppendRow(t);
        g.setCellText(2, g.Rows(), t);
        g.setCellTextView(3, g.Rows(), t);
    }
    g.SwapRows(1, 7);
    g.MoveRow(2, 6);
    g.MoveRow(6, 2);
    g.SwapRows(1, 7);
    g.InsertRow(1);
    g.RemoveRow(1);
    for (int y = 1; y <= g.Rows(); ++y)
        for (int x = 1; x <= 3; ++x)
            QCOMPARE(g.CellText(x, y), texts[y - 1]);
    for (int y = 1; y <= g.Rows(); ++y) {
        g.setCellText(1, y, texts[(y + 3) % texts.size()]); // long over short, short over long
        QCOMPARE(g.cellTextView(1, y), texts[(y + 3) % texts.size()]);
    }
    GridText a(QStringLiteral("short")), b(QString(40, u'y'));
    GridText c(a), d(std::move(b));
    a.swap(d);
    QCOMPARE(a.view(), QString(40, u'y'));
    QCOMPARE(d.view(), QStringLiteral("short"));
    c = a;
    QCOMPARE(c.toString(), QString(40, u'y'));
    c = GridText();
    QVERIFY(c.isEmpty());
}

QTEST_GUILESS_MAIN(TstStyleGrid)
#include "tst_stylegrid.moc"
