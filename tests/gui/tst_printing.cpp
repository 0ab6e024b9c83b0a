#include "support/TestSupport.h"
#include "ui/PainterPrintSurface.h"
#include "ui/Printing.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// Pages of a PDF: pdfinfo when there is one, else the page objects counted in the file.
int pdfPages(const QString& path) {
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        QProcess p;
        p.start(pdfinfo, {path});
        p.waitForFinished();
        const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// A realistic rundown: stories, a break every 10 rows, a skipped row every 7, now and then a long slug.
QStringList rundownRows(int n) {
    QStringList rows;
    for (int i = 1; i <= n; ++i) {
        if (i % 10 == 0) {
            rows << QStringLiteral("Break");
            continue;
        }
        const QString slug = i % 6 == 0 ? QStringLiteral("Council votes on the harbour plan after a night of protests "
                                                         "outside the town hall, live from the square")
                                        : QStringLiteral("Story %1").arg(i);
        rows << QStringLiteral("%1|%2|n|d|Ann|VO/SOT|Nat|OTS|1:%3||%4|")
                    .arg(i)
                    .arg(slug)
                    .arg(i % 60, 2, 10, QChar(u'0'))
                    .arg(i % 7 == 0 ? QStringLiteral("*SKIP") : QString());
    }
    return rows;
}

// Answers the page-setup and print dialogs in advance; a confirmed print goes into a PDF file.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    bool confirmPageSetup = true;
    QPageLayout pageSetupChoice;
    bool confirmPrint = true;
    QString pdfPath;
    int pageSetups = 0;
    int prints = 0;

    bool pageSetup(QPrinter& printer) override {
        ++pageSetups;
        if (confirmPageSetup && pageSetupChoice.isValid())
            printer.setPageLayout(pageSetupChoice);
        return confirmPageSetup;
    }
    bool print(QPrinter& printer) override {
        ++prints;
        if (!confirmPrint)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }
};

QPageLayout a5Landscape() {
    return QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(36, 36, 36, 36));
}

int expectedPages(int singleLineRows, const QPageLayout& layout, int fontSize) {
    const int n = PrintLayout::linesPerPage(Printing::printableSize(layout).height(), fontSize);
    return (singleLineRows + n - 1) / n;
}

} // namespace

class TstPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void realSurfaceMeasuresLines();
    void pdfOfDefaultPage();
    void pdfWithPageSetup();
    void pdfFailures();
    void pageSetupTextRoundTrips_data();
    void pageSetupTextRoundTrips();
    void pageSetupTextReadLeniently();
    void printsetupAndPrintme();
    void cli();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TstPrinting::realSurfaceMeasuresLines() {
    // One line must fit one pitch and a wrapped text must count its lines, or the slots go wrong.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    PainterPrintSurface s(painter, writer);
    s.setFont(QStringLiteral("Arial"), 10);
    const int one = s.textHeight(QStringLiteral("Story"), 158);
    QVERIFY2(one > 10 && one < 16, qPrintable(QString::number(one)));
    QCOMPARE(s.textHeight(QString(), 158), one);
    const QString words = QStringLiteral("Council votes on the harbour plan after a night of protests outside");
    const int wrapped = s.textHeight(words, 158);
    // Further lines follow one pitch (16) apart, so n lines need exactly n - 1 extra slots.
    QCOMPARE(wrapped % 16, one);
    QCOMPARE(wrapped / 16, 1);
    QVERIFY(s.textHeight(words, 60) / 16 >= 3);
    QCOMPARE(s.textHeight(words, 0), one); // 0: no wrapping
    // A word longer than the column breaks inside rather than running over the next column.
    QVERIFY(s.textHeight(QString(60, u'W'), 29) > one);
    // Drawing first and measuring after gives the same height (the layout is reused).
    s.drawText(words, 45, 66, 158);
    QCOMPARE(s.textHeight(words, 158), wrapped);
    s.setBold(true);
    QVERIFY(s.textHeight(QStringLiteral("1:00:00 "), 35) < 16);
    painter.end();
}

void TstPrinting::pdfOfDefaultPage() {
    DocFixture f;
    QStringList rows;
    for (int i = 1; i <= 100; ++i)
        rows << QStringLiteral("%1|Story %1|n|n|Ann||||1:00").arg(i);
    f.addRows(rows);
    f.doc->additup(1);
    const QString out = path(QStringLiteral("default.pdf"));
    const PrintOutcome r = Printing::printToPdf(*f.doc, out, QString(), 10, f.clock.now());
    QVERIFY2(r.ok, qPrintable(r.error));
    const int pages = expectedPages(100, Printing::defaultPageLayout(), 10);
    QVERIFY(pages >= 2);
    QCOMPARE(r.pages, pages);
    QCOMPARE(pdfPages(out), pages);

    // An empty rundown still gives the file asked for: one blank page.
    DocFixture empty;
    const QString blank = path(QStringLiteral("empty.pdf"));
    const PrintOutcome e = Printing::printToPdf(*empty.doc, blank, QString(), 10, empty.clock.now());
    QVERIFY(e.ok);
    QCOMPARE(e.pages, 0);
    QCOMPARE(pdfPages(blank), 1);
}

void TstPrinting::pdfWithPageSetup() {
    DocFixture f;
    f.addRows(rundownRows(120));
    f.doc->additup(1);
    const QString out = path(QStringLiteral("a5.pdf"));
    const QString setup = Printing::pageLayoutText(a5Landscape());
    const PrintOutcome r = Printing::printToPdf(*f.doc, out, setup, 10, f.clock.now());
    QVERIFY2(r.ok, qPrintable(r.error));
    // A5 landscape with half-inch margins: 523 x 348, 18 lines a page; wrapped slugs take more.
    QCOMPARE(Printing::printableSize(a5Landscape()), QSize(523, 348));
    QVERIFY(r.pages > expectedPages(120, a5Landscape(), 10));
    QCOMPARE(pdfPages(out), r.pages);
    // A larger font gives fewer lines a page and so more pages.
    const PrintOutcome big = Printing::printToPdf(*f.doc, path(QStringLiteral("big.pdf")), setup, 14, f.clock.now());
    QVERIFY(big.pages > r.pages);
}

void TstPrinting::pdfFailures() {
    DocFixture f;
    f.addRows(rundownRows(5));
    // A page too short for one line: nothing written, an existing file kept, the reason given.
    const QString out = path(QStringLiteral("kept.pdf"));
    {
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const QString shortPage = QStringLiteral("page=A6;orientation=landscape;margins=10,120,10,120");
    PrintOutcome r = Printing::printToPdf(*f.doc, out, shortPage, 10, f.clock.now());
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("too short")));
    QFile kept(out);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));

    // Unwritable places: under a missing folder, and a folder where the file should be.
    r = Printing::printToPdf(*f.doc, path(QStringLiteral("missing/out.pdf")), QString(), 10, f.clock.now());
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("Cannot write")));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.pdf")));
    r = Printing::printToPdf(*f.doc, path(QStringLiteral("folder.pdf")), QString(), 10, f.clock.now());
    QVERIFY(!r.ok);
}

void TstPrinting::pageSetupTextRoundTrips_data() {
    QTest::addColumn<QPageLayout>("layout");
    QTest::newRow("letter portrait") << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                                    QMarginsF(18, 18, 18, 40));
    QTest::newRow("A5 landscape") << a5Landscape();
    QTest::newRow("A4 no margins") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    QTest::newRow("custom size, fractional margins")
        << QPageLayout(QPageSize(QSizeF(300.5, 500), QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Landscape, QMarginsF(12.25, 10, 7.5, 9));
}

void TstPrinting::pageSetupTextRoundTrips() {
    QFETCH(QPageLayout, layout);
    const QString text = Printing::pageLayoutText(layout);
    const QPageLayout back = Printing::pageLayoutFromText(text, QPageLayout());
    QVERIFY2(back.isValid(), qPrintable(text));
    QCOMPARE(back.pageSize().id(), layout.pageSize().id());
    QCOMPARE(back.pageSize().size(QPageSize::Point), layout.pageSize().size(QPageSize::Point));
    QCOMPARE(back.orientation(), layout.orientation());
    QCOMPARE(back.margins(QPageLayout::Point), layout.margins(QPageLayout::Point));
    QCOMPARE(Printing::printableSize(back), Printing::printableSize(layout));
    QCOMPARE(Printing::pageLayoutText(back), text);
}

void TstPrinting::pageSetupTextReadLeniently() {
    const QPageLayout base(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18));
    auto read = [&](const QString& t) { return Printing::pageLayoutFromText(t, base); };
    // Garbage keeps the base whole.
    for (const QString& t : {QString(), QStringLiteral("nonsense"), QStringLiteral("page=Z99;margins=a,b,c,d"),
                             QStringLiteral("size=-5x10;orientation=sideways;margins=1,2,3")}) {
        const QPageLayout l = read(t);
        QCOMPARE(l.pageSize().id(), QPageSize::Letter);
        QCOMPARE(l.orientation(), QPageLayout::Portrait);
        QCOMPARE(l.margins(QPageLayout::Point), QMarginsF(18, 18, 18, 18));
    }
    // Names in any case, blanks and line ends between items, unknown items skipped.
    const QPageLayout l = read(QStringLiteral(" PAGE = a4 \n colour=blue ; Orientation=LANDSCAPE\r\nmargins= 1, 2 ,3,4"));
    QCOMPARE(l.pageSize().id(), QPageSize::A4);
    QCOMPARE(l.orientation(), QPageLayout::Landscape);
    QCOMPARE(l.margins(QPageLayout::Point), QMarginsF(1, 2, 3, 4));
    // Margins wider than the page are refused; huge and infinite sizes too.
    QCOMPARE(read(QStringLiteral("margins=400,0,400,0")).margins(QPageLayout::Point), QMarginsF(18, 18, 18, 18));
    QCOMPARE(read(QStringLiteral("size=1e308x1e308")).pageSize().id(), QPageSize::Letter);
    QCOMPARE(read(QStringLiteral("size=infxnan")).pageSize().id(), QPageSize::Letter);
}

void TstPrinting::printsetupAndPrintme() {
    DocFixture f;
    f.addRows(rundownRows(30));
    f.doc->additup(1);
    ScriptedPrintDialogs pd;
    pd.pdfPath = path(QStringLiteral("printme.pdf"));

    // No page setup stored: the page-setup dialog comes first; cancelling it goes on with the default page.
    pd.confirmPageSetup = false;
    PrintOutcome r = Printing::printme(*f.doc, f.globals, pd, f.clock, &f.dialogs);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(pd.pageSetups, 1);
    QCOMPARE(pd.prints, 1);
    QVERIFY(f.globals.mypsettings.isEmpty());
    QCOMPARE(pdfPages(pd.pdfPath), r.pages);
    QVERIFY(r.pages >= 1);

    // Confirmed: stored, and used from then on without the page-setup dialog.
    pd.confirmPageSetup = true;
    pd.pageSetupChoice = a5Landscape();
    r = Printing::printme(*f.doc, f.globals, pd, f.clock, &f.dialogs);
    QCOMPARE(pd.pageSetups, 2);
    QCOMPARE(f.globals.mypsettings, Printing::pageLayoutText(a5Landscape()));
    const int a5Pages = r.pages;
    QFile::remove(pd.pdfPath);
    r = Printing::printme(*f.doc, f.globals, pd, f.clock, &f.dialogs);
    QCOMPARE(pd.pageSetups, 2);
    QCOMPARE(r.pages, a5Pages);
    QCOMPARE(pdfPages(pd.pdfPath), a5Pages);

    // Cancelling the print dialog prints nothing and says nothing.
    QFile::remove(pd.pdfPath);
    pd.confirmPrint = false;
    r = Printing::printme(*f.doc, f.globals, pd, f.clock, &f.dialogs);
    QVERIFY(r.ok);
    QCOMPARE(r.pages, 0);
    QVERIFY(!QFile::exists(pd.pdfPath));
    QVERIFY(f.dialogs.informed.isEmpty());

    // "Page Setup...": a cancel keeps the stored setup, a confirm replaces it.
    pd.confirmPageSetup = false;
    Printing::printsetup(f.globals, pd);
    QCOMPARE(f.globals.mypsettings, Printing::pageLayoutText(a5Landscape()));
    pd.confirmPageSetup = true;
    pd.pageSetupChoice = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20));
    Printing::printsetup(f.globals, pd);
    QCOMPARE(f.globals.mypsettings, Printing::pageLayoutText(pd.pageSetupChoice));

    // An empty rundown sends nothing to the printer, not even a blank sheet.
    DocFixture empty;
    r = Printing::printme(*empty.doc, f.globals, pd, empty.clock, &empty.dialogs);
    QVERIFY(r.ok);
    QCOMPARE(r.pages, 0);
    QVERIFY(!QFile::exists(pd.pdfPath));

    // A stored page too short for one line: nothing printed, the reason told.
    f.globals.mypsettings = QStringLiteral("page=A6;orientation=landscape;margins=10,120,10,120");
    pd.confirmPrint = true;
    r = Printing::printme(*f.doc, f.globals, pd, f.clock, &f.dialogs);
    QVERIFY(!r.ok);
    QVERIFY(!QFile::exists(pd.pdfPath));
    QCOMPARE(f.dialogs.informed.size(), 1);
    QVERIFY(f.dialogs.informed.first().startsWith(QStringLiteral("The rundown could not be printed.")));
}

void TstPrinting::cli() {
    // The tool reads the settings of a configuration folder of the test's own.
    const QString config = path(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(config));
    auto run = [&](const QStringList& args, QString* err = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KESTREL_CLI_PATH), QStringList{QStringLiteral("print")} + args);
        p.waitForFinished(30000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };
    const QString sample = QStringLiteral(KESTREL_TEST_DATA "/sample.rdk");
    const QString out = path(QStringLiteral("cli.pdf"));
    QString err;

    // Bad arguments: the usage, status 2.
    QCOMPARE(run({}, &err), 2);
    QVERIFY(err.contains(QStringLiteral("usage:")));
    QCOMPARE(run({sample}), 2);
    QCOMPARE(run({sample, out, QStringLiteral("third")}), 2);
    QCOMPARE(run({QStringLiteral("--font-size"), QStringLiteral("12abc"), sample, out}), 2);
    QCOMPARE(run({QStringLiteral("--font-size"), QStringLiteral("0"), sample, out}), 2);
    QCOMPARE(run({QStringLiteral("--colour"), sample, out}), 2);
    QVERIFY(!QFile::exists(out));

    // A sample rundown: one page, and no settings file left behind.
    QCOMPARE(run({sample, out}, &err), 0);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    QCOMPARE(pdfPages(out), 1);
    QVERIFY(QDir(config).isEmpty());
    QCOMPARE(run({QStringLiteral("--page-setup"), QStringLiteral("page=A6;margins=10,10,10,10"),
                  QStringLiteral("--font-size"), QStringLiteral("40"), sample, out}),
             0);
    QVERIFY(pdfPages(out) > 1);

    // The font size comes from the "PrintFontsize" preference: one too big for the page fails, the
    // option overrides it.
    {
        QFile prefs(QDir(config).filePath(QStringLiteral("KestrelRundownprefs")));
        QVERIFY(prefs.open(QIODevice::WriteOnly));
        prefs.write("Printfontsize\r900\r");
    }
    QFile::remove(out);
    QCOMPARE(run({sample, out}, &err), 1);
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(err.contains(QStringLiteral("too short")));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(run({QStringLiteral("--font-size"), QStringLiteral("10"), sample, out}), 0);
    QCOMPARE(pdfPages(out), 1);

    // Unreadable FILE and unwritable OUT: one line on stderr, status 1.
    QCOMPARE(run({path(QStringLiteral("missing.rdk")), path(QStringLiteral("never.pdf"))}, &err), 1);
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(path(QStringLiteral("never.pdf"))));
    QCOMPARE(run({QStringLiteral("--font-size"), QStringLiteral("10"), sample, path(QStringLiteral("no/such/dir.pdf"))}, &err), 1);
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(err.contains(QStringLiteral("Cannot write")));
}

QTEST_MAIN(TstPrinting)
#include "tst_printing.moc"
