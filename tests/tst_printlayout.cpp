#include "grid/StyleGrid.h"
#include "output/PrintLayout.h"
#include "seams/PrintSurface.h"

#include <QTest>

namespace {

// Records every call. Text heights are deterministic: a line holds wrap / charWidth characters (one
// line when not wrapped) and is fontSize + 5 high, one less than the pitch, so a text of n lines needs
// exactly n - 1 extra slots.
class RecordingSurface : public PrintSurface {
public:
    enum Type { Font, Text, Line, Rect, Page };
    struct Op {
        Type type;
        int page;
        int grey; // pen colour as one channel (the layout only uses greys); -1 when it was not a grey
        bool bold;
        QString text;
        int x = 0, y = 0, w = 0, h = 0; // a line runs from (x, y) to (w, h)
    };
    QList<Op> ops;
    int charWidth = 5;

    void setFont(const QString& name, int size) override {
        m_size = size;
        ops.append({Font, m_page, m_grey, m_bold, name, size});
    }
    void setBold(bool bold) override { m_bold = bold; }
    void setPenColor(int r, int g, int b) override { m_grey = (r == g && g == b) ? r : -1; }
    void drawText(const QString& text, int x, int y, int wrap) override {
        ops.append({Text, m_page, m_grey, m_bold, text, x, y, wrap});
    }
    int textHeight(const QString& text, int wrap) override {
        const qsizetype perLine = wrap > 0 ? std::max(1, wrap / charWidth) : std::numeric_limits<int>::max();
        const qsizetype lines = std::max<qsizetype>(1, (text.size() + perLine - 1) / perLine);
        return int(lines) * (m_size + 5);
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        ops.append({Line, m_page, m_grey, m_bold, QString(), x1, y1, x2, y2});
    }
    void fillRect(int x, int y, int w, int h) override { ops.append({Rect, m_page, m_grey, m_bold, QString(), x, y, w, h}); }
    void nextPage() override {
        ++m_page;
        ops.append({Page, m_page, m_grey, m_bold, QString()});
    }

    int pages() const { return m_page; }
    QList<Op> of(Type t, int page = 0) const {
        QList<Op> out;
        for (const Op& op : ops)
            if (op.type == t && (page == 0 || op.page == page))
                out.append(op);
        return out;
    }
    // The text ops of one baseline on a page.
    QList<Op> textsAt(int page, int y) const {
        QList<Op> out;
        for (const Op& op : of(Text, page))
            if (op.y == y)
                out.append(op);
        return out;
    }
    const Op* findText(const QString& text) const {
        for (const Op& op : ops)
            if (op.type == Text && op.text == text)
                return &op;
        return nullptr;
    }

private:
    int m_page = 1;
    int m_size = 0;
    int m_grey = 0;
    bool m_bold = false;
};

// Appends rows given as "col1|col2|...|col12" (missing fields empty).
void addRows(StyleGrid& g, const QStringList& rows) {
    for (const QString& line : rows) {
        const QStringList f = line.split(u'|');
        g.AppendRow(f.value(0));
        for (int x = 2; x <= g.Cols(); ++x)
            g.setCellText(x, g.Rows(), f.value(x - 1));
    }
}

QString story(int i) { return QStringLiteral("%1|Story %1|n|n|Ann|VO|SOT|OTS|1:00|%1:00 ||").arg(i); }

PrintJob letterJob() {
    PrintJob job;
    job.width = 576;
    job.height = 734;
    job.fontSize = 10;
    job.documentName = QStringLiteral("late.rdk");
    job.shortTime = QStringLiteral("18:25");
    job.totalTime = QStringLiteral("28:30");
    return job;
}

constexpr int y(int k) { return k * 16 + 50; } // baselines at font size 10

} // namespace

class TstPrintLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnEdges_data();
    void columnEdges();
    void linesPerPage_data();
    void linesPerPage();
    void pageFurniture();
    void emptyRundownPrintsNothing();
    void pageBreaksBetweenRowsOnly_data();
    void pageBreaksBetweenRowsOnly();
    void wrappedRowTakesSeveralSlots();
    void rowStartedInLastSlotRunsOn();
    void breakBar();
    void skippedRowsAndGreyCarryOver();
    void boldOnlyForTrtAndNoMarkerColumn();
    void jobsThatCannotPrint_data();
    void jobsThatCannotPrint();
};

void TstPrintLayout::columnEdges_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("edges");
    QTest::newRow("576") << 576 << QList<int>{1, 40, 208, 228, 248, 317, 358, 399, 440, 485, 530, 531, 576};
    QTest::newRow("612") << 612 << QList<int>{1, 40, 226, 246, 266, 344, 388, 432, 476, 521, 566, 567, 612};
    QTest::newRow("landscape 734") << 734 << QList<int>{1, 40, 287, 307, 327, 435, 489, 543, 597, 642, 687, 688, 734};
}

void TstPrintLayout::columnEdges() {
    QFETCH(int, width);
    QFETCH(QList<int>, edges);
    const PrintLayout::Edges e = PrintLayout::columnEdges(width);
    QCOMPARE(QList<int>(e.begin(), e.end()), edges);
}

void TstPrintLayout::linesPerPage_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("lines");
    QTest::newRow("letter at 10") << 734 << 10 << 42;
    QTest::newRow("letter at 12") << 734 << 12 << 38;
    QTest::newRow("exactly one line") << 66 << 10 << 1;
    QTest::newRow("one unit short") << 65 << 10 << 0;
    QTest::newRow("above the header") << 20 << 10 << 0;
    QTest::newRow("font size 0") << 734 << 0 << 0;
    QTest::newRow("negative font size") << 734 << -6 << 0;
    QTest::newRow("huge page") << std::numeric_limits<int>::max() << 1 << int((qint64(INT_MAX) - 50) / 7);
}

void TstPrintLayout::linesPerPage() {
    QFETCH(int, height);
    QFETCH(int, fontSize);
    QFETCH(int, lines);
    QCOMPARE(PrintLayout::linesPerPage(height, fontSize), lines);
}

void TstPrintLayout::pageFurniture() {
    StyleGrid g;
    addRows(g, {story(1), story(2)});
    RecordingSurface s;
    const PrintOutcome out = PrintLayout(g, letterJob()).print(s);
    QVERIFY(out.ok);
    QCOMPARE(out.pages, 1);
    QCOMPARE(s.of(RecordingSurface::Font).size(), 1);
    QCOMPARE(s.of(RecordingSurface::Font).first().text, QStringLiteral("Arial"));
    QCOMPARE(s.of(RecordingSurface::Font).first().x, 10);

    const RecordingSurface::Op& title = s.of(RecordingSurface::Text).first();
    QCOMPARE(title.text, QStringLiteral("Rundown   late.rdk @ 18:25 Page 1  Total Time: 28:30"));
    QCOMPARE(title.x, 10);
    QCOMPARE(title.y, 10);
    QCOMPARE(title.w, 0);
    QVERIFY(!title.bold);

    const QList<RecordingSurface::Op> labels = s.textsAt(1, 48);
    QCOMPARE(labels.size(), 12);
    const PrintLayout::Edges e = PrintLayout::columnEdges(576);
    for (int j = 1; j <= 12; ++j) {
        QCOMPARE(labels[j - 1].text, PrintLayout::labels()[j - 1]);
        QCOMPARE(labels[j - 1].x, e[size_t(j - 1)] + 5);
        QCOMPARE(labels[j - 1].w, e[size_t(j)] - e[size_t(j - 1)] - 10);
        QVERIFY(!labels[j - 1].bold);
    }
    QCOMPARE(labels[10].text, QStringLiteral(" "));
    QCOMPARE(labels[7].text, QStringLiteral("GFX"));

    // Header rule, a rule under each row, then 14 column rules down to the last row's rule.
    const QList<RecordingSurface::Op> lines = s.of(RecordingSurface::Line);
    QCOMPARE(lines.size(), 1 + 2 + 14);
    auto same = [](const RecordingSurface::Op& op, int x1, int y1, int x2, int y2) {
        return op.x == x1 && op.y == y1 && op.w == x2 && op.h == y2;
    };
    QVERIFY(same(lines[0], 1, 53, 576, 53));
    QVERIFY(same(lines[1], 1, y(1) + 3, 576, y(1) + 3));
    QVERIFY(same(lines[2], 1, y(2) + 3, 576, y(2) + 3));
    QVERIFY(same(lines[3], 1, 53, 1, y(2) + 3));
    for (int j = 1; j <= 12; ++j)
        QVERIFY(same(lines[3 + j], e[size_t(j - 1)], 53, e[size_t(j - 1)], y(2) + 3));
    QVERIFY(same(lines[16], 576, 53, 576, y(2) + 3));

    // The cells of row 2 on slot 2, each at its column's left edge + 5, wrapped to the column.
    const QList<RecordingSurface::Op> cells = s.textsAt(1, y(2));
    QCOMPARE(cells.size(), 11);
    QCOMPARE(cells[1].text, QStringLiteral("Story 2"));
    QCOMPARE(cells[1].x, 45);
    QCOMPARE(cells[1].w, 158);
    QCOMPARE(cells[10].text, QString()); // Back, empty, still drawn at its place
    QCOMPARE(cells[10].x, 536);

    // A rundown never saved: "Rundown   " runs straight into " @ ".
    PrintJob unsaved = letterJob();
    unsaved.documentName.clear();
    QCOMPARE(PrintLayout(g, unsaved).titleText(3), QStringLiteral("Rundown    @ 18:25 Page 3  Total Time: 28:30"));
}

void TstPrintLayout::emptyRundownPrintsNothing() {
    StyleGrid g;
    RecordingSurface s;
    const PrintOutcome out = PrintLayout(g, letterJob()).print(s);
    QVERIFY(out.ok);
    QCOMPARE(out.pages, 0);
    QVERIFY(s.ops.isEmpty());
}

void TstPrintLayout::pageBreaksBetweenRowsOnly_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("rowsOnLastPage");
    QTest::newRow("one row") << 1 << 1 << 1;
    QTest::newRow("exactly N rows") << 42 << 1 << 42;
    QTest::newRow("N + 1 rows") << 43 << 2 << 1;
    QTest::newRow("3N rows") << 126 << 3 << 42;
    QTest::newRow("3N + 5 rows") << 131 << 4 << 5;
}

void TstPrintLayout::pageBreaksBetweenRowsOnly() {
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(int, rowsOnLastPage);
    StyleGrid g;
    QStringList r;
    for (int i = 1; i <= rows; ++i)
        r << story(i);
    addRows(g, r);
    RecordingSurface s;
    const PrintOutcome out = PrintLayout(g, letterJob()).print(s);
    QVERIFY(out.ok);
    QCOMPARE(out.pages, pages);
    QCOMPARE(s.pages(), pages);
    QCOMPARE(s.of(RecordingSurface::Page).size(), pages - 1);
    // Every page has its title with its number; the last page's rows fill slots 1..rowsOnLastPage.
    for (int p = 1; p <= pages; ++p)
        QCOMPARE(s.textsAt(p, 10).value(0).text,
                 QStringLiteral("Rundown   late.rdk @ 18:25 Page %1  Total Time: 28:30").arg(p));
    const int firstOnLast = (pages - 1) * 42 + 1;
    QCOMPARE(s.textsAt(pages, y(1)).value(0).text, QString::number(firstOnLast));
    QCOMPARE(s.textsAt(pages, y(rowsOnLastPage)).value(0).text, QString::number(rows));
    QVERIFY(s.textsAt(pages, y(rowsOnLastPage + 1)).isEmpty());
    // Nothing is drawn on a page after its column rules.
    QCOMPARE(s.of(RecordingSurface::Line, pages).last().y, 53);
    QCOMPARE(s.of(RecordingSurface::Line, pages).last().h, y(rowsOnLastPage) + 3);
}

void TstPrintLayout::wrappedRowTakesSeveralSlots() {
    StyleGrid g;
    // Slug wraps to 158 units = 31 characters a line; 70 characters take three lines.
    addRows(g, {story(1), QStringLiteral("2|") + QString(70, u'w') + QStringLiteral("|||||||1:00"), story(3)});
    RecordingSurface s;
    QVERIFY(PrintLayout(g, letterJob()).print(s).ok);
    QCOMPARE(s.textsAt(1, y(2)).value(1).text.size(), 70);
    QCOMPARE(s.textsAt(1, y(2)).value(1).w, 158);
    // Row 2 takes slots 2..4: its rule is under slot 4 and row 3 starts three pitches lower, in slot 5.
    QVERIFY(s.textsAt(1, y(3)).isEmpty());
    QVERIFY(s.textsAt(1, y(4)).isEmpty());
    QCOMPARE(s.textsAt(1, y(5)).value(0).text, QStringLiteral("3"));
    QList<int> rules;
    for (const auto& op : s.of(RecordingSurface::Line))
        if (op.x == 1 && op.w == 576 && op.y == op.h)
            rules << op.y;
    QCOMPARE(rules, (QList<int>{53, y(1) + 3, y(4) + 3, y(5) + 3}));
}

void TstPrintLayout::rowStartedInLastSlotRunsOn() {
    StyleGrid g;
    QStringList r;
    for (int i = 1; i <= 41; ++i)
        r << story(i);
    r << QStringLiteral("42|") + QString(70, u'w'); // three lines, starting in slot 42 of 42
    r << story(43);
    addRows(g, r);
    RecordingSurface s;
    const PrintOutcome out = PrintLayout(g, letterJob()).print(s);
    QCOMPARE(out.pages, 2);
    QCOMPARE(s.textsAt(1, y(42)).value(0).text, QStringLiteral("42"));
    // Its rule and the column rules run below slot 42 on the same page.
    const QList<RecordingSurface::Op> lines1 = s.of(RecordingSurface::Line, 1);
    QCOMPARE(lines1.last().h, y(44) + 3);
    QVERIFY(y(44) + 3 > 734);
    QCOMPARE(s.textsAt(2, y(1)).value(0).text, QStringLiteral("43"));
}

void TstPrintLayout::breakBar() {
    StyleGrid g;
    addRows(g, {story(1), QStringLiteral("Break|B block|||||||||*SKIP|"), QStringLiteral("bReAk"), story(4)});
    RecordingSurface s;
    QVERIFY(PrintLayout(g, letterJob()).print(s).ok);
    // Two grey bars one pitch high from y(k) - 15, each one slot; a skipped break is still a break.
    const QList<RecordingSurface::Op> bars = s.of(RecordingSurface::Rect);
    QCOMPARE(bars.size(), 2);
    QCOMPARE(bars[0].grey, 127);
    QCOMPARE(bars[0].x, 1);
    QCOMPARE(bars[0].y, y(2) - 15);
    QCOMPARE(bars[0].w, 575);
    QCOMPARE(bars[0].h, 16);
    QCOMPARE(bars[1].y, y(3) - 15);
    // No text of the break rows; the rules under them are black again.
    QVERIFY(s.textsAt(1, y(2)).isEmpty());
    QVERIFY(!s.findText(QStringLiteral("B block")));
    for (const auto& op : s.of(RecordingSurface::Line))
        QCOMPARE(op.grey, 0);
    QCOMPARE(s.textsAt(1, y(4)).value(0).text, QStringLiteral("4"));
}

void TstPrintLayout::skippedRowsAndGreyCarryOver() {
    StyleGrid g;
    QStringList r;
    for (int i = 1; i <= 41; ++i)
        r << story(i);
    r << QStringLiteral("42|Dropped|||||||1:00||*skip|"); // last row of page 1, skipped
    r << story(43);
    for (int i = 44; i <= 84; ++i)
        r << story(i);
    r << QStringLiteral("Break"); // last row of page 2 is a break: black again
    r << story(86);
    addRows(g, r);
    RecordingSurface s;
    QCOMPARE(PrintLayout(g, letterJob()).print(s).pages, 3);

    // The skipped row's cells and its rule are grey (170).
    for (const auto& op : s.textsAt(1, y(42)))
        QCOMPARE(op.grey, 170);
    for (const auto& op : s.textsAt(1, y(41)))
        QCOMPARE(op.grey, 0);
    const QList<RecordingSurface::Op> lines1 = s.of(RecordingSurface::Line, 1);
    QCOMPARE(lines1.first().grey, 0); // page 1's header rule: black
    // Rule under row 42 and the 14 column rules: grey.
    for (qsizetype i = lines1.size() - 15; i < lines1.size(); ++i)
        QCOMPARE(lines1[i].grey, 170);

    // Page 2's title, labels and header rule carry the grey over; row 43 is black.
    QCOMPARE(s.textsAt(2, 10).value(0).grey, 170);
    for (const auto& op : s.textsAt(2, 48))
        QCOMPARE(op.grey, 170);
    QCOMPARE(s.of(RecordingSurface::Line, 2).first().grey, 170);
    QCOMPARE(s.textsAt(2, y(1)).value(0).grey, 0);
    QCOMPARE(s.of(RecordingSurface::Line, 2).last().grey, 0);

    // After a break at the foot of page 2, page 3 is black.
    QCOMPARE(s.textsAt(3, 10).value(0).grey, 0);
    QCOMPARE(s.of(RecordingSurface::Line, 3).first().grey, 0);
}

void TstPrintLayout::boldOnlyForTrtAndNoMarkerColumn() {
    StyleGrid g;
    addRows(g, {QStringLiteral("1|Slug|n|d|Ann|VO|SOT|OTS|1:00|1:00 |MARK|59:00"),
                QStringLiteral("2|Slug|n|d|Ann|VO|SOT|OTS|1:00|2:00 |*SKIP|58:00")});
    RecordingSurface s;
    QVERIFY(PrintLayout(g, letterJob()).print(s).ok);
    QVERIFY(!s.findText(QStringLiteral("MARK")));
    QVERIFY(!s.findText(QStringLiteral("*SKIP")));
    for (const auto& op : s.of(RecordingSurface::Text)) {
        const bool trt = op.text.endsWith(u' ') && op.text.contains(u':');
        QCOMPARE(op.bold, trt);
    }
    const QList<RecordingSurface::Op> row1 = s.textsAt(1, y(1));
    QCOMPARE(row1.size(), 11);
    QCOMPARE(row1[9].text, QStringLiteral("1:00 "));
    QVERIFY(row1[9].bold);
    QCOMPARE(row1[10].text, QStringLiteral("59:00"));
    QCOMPARE(row1[10].x, 531 + 5); // Back starts at x12
}

void TstPrintLayout::jobsThatCannotPrint_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("page one unit too short") << 65 << 576 << 10;
    QTest::newRow("font too big for the page") << 734 << 576 << 700;
    QTest::newRow("font size 0") << 734 << 576 << 0;
    QTest::newRow("no width") << 734 << 0 << 10;
}

void TstPrintLayout::jobsThatCannotPrint() {
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(int, fontSize);
    StyleGrid g;
    addRows(g, {story(1)});
    PrintJob job = letterJob();
    job.height = height;
    job.width = width;
    job.fontSize = fontSize;
    RecordingSurface s;
    const PrintOutcome out = PrintLayout(g, job).print(s);
    QVERIFY(!out.ok);
    QVERIFY(!out.error.isEmpty());
    QCOMPARE(out.pages, 0);
    QVERIFY(s.ops.isEmpty());
}

QTEST_GUILESS_MAIN(TstPrintLayout)
#include "tst_printlayout.moc"
