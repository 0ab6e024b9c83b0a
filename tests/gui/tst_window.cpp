#include "support/TestSupport.h"
#include "ui/GuiDialogs.h"
#include "ui/StyleGridView.h"
#include "ui/Window1.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace C = RundownColumns;

// A rundown window opened as the program opens one, with test seams and a temporary preferences folder.
struct WindowFixture {
    QTemporaryDir dir;
    FixedClock clock;
    ScriptedDialogs dialogs;
    FixedTextMeasurer measurer;
    Globals globals;
    EasyPrefs prefs{dir.path()};
    std::unique_ptr<Window1> window;

    WindowFixture() {
        globals.prefsFolder = dir.path();
        globals.dialogs = &dialogs;
        window = std::make_unique<Window1>(globals, prefs, Window1::Seams{&clock, &dialogs, &measurer});
    }
    RundownDocument& doc() { return window->document(); }
    StyleGrid& grid() { return doc().rundown(); }
    StyleGridView* view() { return window->rundownView(); }

    // Rows given as "col1|col2|...|col12", styled as a document reader styles them.
    void addRows(const QStringList& rows) { addRowsAsRead(doc(), rows); }

    // The sample rundown: an item with trackers n/w, a break, a skipped item, two timed items.
    void addSample() {
        addRows({"A1|Top story|n|w|Ann|VO|SOT|OTS|1:30|||",
                 "Break|Commercial 1||||||||||",
                 "A2|Skipped story|a|d|Bob||||||*SKIP|",
                 "B1|Weather|p|n|Cy|PKG|||2:00|||",
                 "B2|Kicker|e|||||FS|0:45|||",
                 "B3|A long slug that wraps to a second line|n|n|||||||"});
        grid().setRowHeight(6, 38);
        doc().additup(1);
    }

    QImage shot() {
        window->show();
        QCoreApplication::processEvents();
        view()->syncSpans();
        QImage img = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // KESTREL_SHOT names a folder where the pictures are kept for a person to look at.
        const QString out = qEnvironmentVariable("KESTREL_SHOT");
        if (!out.isEmpty())
            img.save(QStringLiteral("%1/%2.png").arg(out, QString::fromLatin1(QTest::currentTestFunction())));
        return img;
    }

    // Window coordinates of a point inside cell (x, y).
    QPoint inCell(int x, int y, int dx, int dy) {
        const QRect r = view()->cellRect(x, y);
        return view()->viewport()->mapTo(window.get(), r.topLeft() + QPoint(dx, dy));
    }
    QPoint cellCentre(int x, int y) {
        return view()->viewport()->mapTo(window.get(), view()->cellRect(x, y).center());
    }
};

class TstWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensAsAnEmptyRundown();
    void looksOfTheRundown();
    void skippedTextIsGrey();
    void spansFollowTheGrid();
    void widthsAndHeightsFollowTheGrid();
    void clickSelectsTheCell();
    void clickOnTrackerStepsItAndKeepsTheCurrentCell();
    void arrowKeysMoveTheSelection_data();
    void arrowKeysMoveTheSelection();
    void selectionFromCodeShows();
    void rowOperationsKeepTheScrollPlace();
    void labelsFollowTheDocument();
    void missingFontFallsBack();
    void dialogsAnswerWithTheButtonPressed_data();
    void dialogsAnswerWithTheButtonPressed();
    void saveDialogSuffix_data();
    void saveDialogSuffix();
};

void TstWindow::opensAsAnEmptyRundown() {
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(f.window->size(), QSize(640, 423));
    QCOMPARE(f.window->minimumWidth(), 640);
    QCOMPARE(f.window->total_lbl()->text(), QStringLiteral("Total:"));
    QCOMPARE(f.window->overunder()->text(), QString());
    QVERIFY(f.view()->verticalHeader()->isHidden());
    const QStringList headers{"PG", "Slug", "S", "V", "Writer", "Video", "Audio", "Graphics", "Time", "TRT", "", "Back"};
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(f.view()->model()->headerData(x - 1, Qt::Horizontal).toString(), headers[x - 1]);
    QCOMPARE(f.doc().currentx, 0);
    QCOMPARE(f.doc().currenty, 0);
}

void TstWindow::looksOfTheRundown() {
    WindowFixture f;
    f.addSample();
    const QImage img = f.shot();
    const QRgb darkGrey = qRgb(100, 100, 100);

    // The break row (2) is one dark grey bar from column 1 to column 11; its Back cell is ordinary.
    for (int x : {1, 2})
        QCOMPARE(img.pixel(f.inCell(x, 2, 3, 3)), darkGrey);
    const QRect bar = f.view()->cellRect(2, 2);
    QCOMPARE(bar.right() + 1, f.view()->cellRect(12, 2).left());
    for (int col : {3, 4, 7, 10, 11}) {
        const QRect colRect(f.view()->columnViewportPosition(col - 1), bar.top(), f.view()->columnWidth(col - 1),
                            bar.height());
        const QPoint p = f.view()->viewport()->mapTo(f.window.get(), colRect.topLeft() + QPoint(1, 3));
        QCOMPARE(img.pixel(p), darkGrey);
    }
    QCOMPARE(img.pixel(f.inCell(12, 2, 3, 3)), qRgb(255, 255, 255));

    // Trackers: "n" red, "w" yellow, "d" green, "e" blue; the text of a red cell is drawn over it.
    QCOMPARE(img.pixel(f.inCell(C::S, 1, 1, 1)), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(f.inCell(C::V, 1, 1, 1)), qRgb(255, 255, 0));
    QCOMPARE(img.pixel(f.inCell(C::S, 5, 1, 1)), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(f.inCell(C::V, 4, 1, 1)), qRgb(255, 0, 0));
    // Grid lines in their own colour at the right edge of a white cell.
    const QRect slug = f.view()->cellRect(C::Slug, 1);
    QCOMPARE(img.pixel(f.view()->viewport()->mapTo(f.window.get(), QPoint(slug.right(), slug.top() + 5))),
             qRgb(180, 180, 180));

    // Timed rows add up, and the window shows the total.
    QCOMPARE(f.grid().CellText(C::TRT, 5), QStringLiteral("4:15 "));
    QCOMPARE(f.window->TotalTime()->text(), QStringLiteral("4:15"));
    // Some dark text is painted where the total sits.
    const QRect totalRect(f.window->TotalTime()->mapTo(f.window.get(), QPoint(0, 0)), f.window->TotalTime()->size());
    bool dark = false;
    for (int y = totalRect.top(); y <= totalRect.bottom() && !dark; ++y)
        for (int x = totalRect.left(); x <= totalRect.right() && !dark; ++x)
            dark = qGray(img.pixel(x, y)) < 80;
    QVERIFY2(dark, "the total time is drawn");
    // The Total label sits left of the total, the over/under left of both, all right of the middle.
    QVERIFY(f.window->total_lbl()->geometry().right() < f.window->TotalTime()->geometry().left());
    QVERIFY(f.window->overunder()->geometry().right() < f.window->total_lbl()->geometry().left());
}

void TstWindow::skippedTextIsGrey() {
    WindowFixture f;
    f.addSample();
    const QImage img = f.shot();
    auto inkOf = [&](int x, int y) {
        const QRect r = f.view()->cellRect(x, y).adjusted(1, 1, -2, -2);
        int darkest = 255;
        for (int py = r.top(); py <= r.bottom(); ++py)
            for (int px = r.left(); px <= r.right(); ++px)
                darkest = std::min(darkest, qGray(img.pixel(f.view()->viewport()->mapTo(f.window.get(), QPoint(px, py)))));
        return darkest;
    };
    QVERIFY2(inkOf(C::Slug, 1) < 60, "an item's text is black");
    const int skipped = inkOf(C::Slug, 3);
    QVERIFY2(skipped < 230, "the skipped row's text is drawn");
    QVERIFY2(skipped > 120, qPrintable(QStringLiteral("the skipped row's text is grey, not black (%1)").arg(skipped)));

    // A long slug in a taller row wraps: ink in the lower half of its cell too.
    const QRect tall = f.view()->cellRect(C::Slug, 6);
    QCOMPARE(tall.height(), 38);
    int lowInk = 255;
    for (int py = tall.center().y() + 2; py < tall.bottom() - 1; ++py)
        for (int px = tall.left() + 1; px < tall.right() - 1; ++px)
            lowInk = std::min(lowInk, qGray(img.pixel(f.view()->viewport()->mapTo(f.window.get(), QPoint(px, py)))));
    QVERIFY2(lowInk < 100, "the second line is drawn");
}

void TstWindow::spansFollowTheGrid() {
    WindowFixture f;
    f.addSample();
    f.view()->syncSpans();
    QCOMPARE(f.view()->columnSpan(1, 1), 10);
    QCOMPARE(f.view()->columnSpan(0, 1), 1);

    // A row inserted above moves the break down; the bar goes with it.
    f.grid().InsertRow(1);
    f.view()->syncSpans();
    QCOMPARE(f.view()->columnSpan(2, 1), 10);
    QCOMPARE(f.view()->columnSpan(1, 1), 1);

    // Undone span, and swapped rows, with drawing locked.
    f.grid().LockDrawing(true);
    f.grid().setCellColSpan(2, 3, 1);
    f.grid().setCellColSpan(2, 5, 10);
    f.grid().LockDrawing(false);
    f.view()->syncSpans();
    QCOMPARE(f.view()->columnSpan(2, 1), 1);
    QCOMPARE(f.view()->columnSpan(4, 1), 10);

    // Removing rows and a reset leave no stale bar behind.
    f.grid().RemoveRow(1);
    f.view()->syncSpans();
    QCOMPARE(f.view()->columnSpan(3, 1), 10);
    QCOMPARE(f.view()->columnSpan(4, 1), 1);
    f.grid().setRows(0);
    f.view()->syncSpans();
    f.grid().setRows(6);
    f.view()->syncSpans();
    for (int r = 0; r < 6; ++r)
        QCOMPARE(f.view()->columnSpan(r, 1), 1);
}

void TstWindow::widthsAndHeightsFollowTheGrid() {
    WindowFixture f;
    f.addSample();
    const int widths[12] = {50, 145, 20, 20, 65, 65, 65, 60, 60, 60, 3, 60};
    for (int x = 1; x <= 12; ++x)
        QCOMPARE(f.view()->columnWidth(x - 1), widths[x - 1]);
    f.grid().setColumnWidth(C::Slug, 200);
    QCOMPARE(f.view()->columnWidth(1), 200);
    QCOMPARE(f.view()->rowHeight(0), 22);
    f.grid().setRowHeight(2, 40);
    QCOMPARE(f.view()->rowHeight(1), 40);
    // Heights set while drawing is locked arrive at the unlock.
    f.grid().LockDrawing(true);
    f.grid().setRowHeight(4, 55);
    f.grid().LockDrawing(false);
    QCOMPARE(f.view()->rowHeight(3), 55);
}

void TstWindow::clickSelectsTheCell() {
    WindowFixture f;
    f.addSample();
    f.shot();
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, f.view()->cellRect(C::Writer, 4).center());
    QCOMPARE(f.grid().Selection().FirstSelectedColumn(), C::Writer);
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 4);
    QCOMPARE(f.doc().currentx, C::Writer);
    QCOMPARE(f.doc().currenty, 4);
    // The selected cell shows in the selection colour.
    const QImage img = f.shot();
    QCOMPARE(img.pixel(f.inCell(C::Writer, 4, 2, 2)), qRgb(255, 255, 0));
    // A click on the break bar selects its spanning cell, column 2.
    const QRect bar = f.view()->cellRect(2, 2);
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, QPoint(bar.left() + bar.width() * 3 / 4, bar.center().y()));
    QCOMPARE(f.doc().currentx, 2);
    QCOMPARE(f.doc().currenty, 2);
    // Below the last row nothing changes.
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, QPoint(100, f.view()->viewport()->height() - 3));
    QCOMPARE(f.doc().currenty, 2);
}

void TstWindow::clickOnTrackerStepsItAndKeepsTheCurrentCell() {
    WindowFixture f;
    f.addSample();
    f.shot();
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, f.view()->cellRect(C::Slug, 4).center());
    const QPoint s = f.view()->cellRect(C::S, 1).center();
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        // A quick second click arrives as a double click: it steps the tracker again.
        if (i == 1)
            QTest::mouseDClick(f.view()->viewport(), Qt::LeftButton, {}, s);
        else
            QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, s);
        seen << f.grid().CellText(C::S, 1);
    }
    QCOMPARE(seen, QStringList({"w", "e", "a"}));
    QCOMPARE(f.doc().currentx, C::Slug);
    QCOMPARE(f.doc().currenty, 4);
    QCOMPARE(f.grid().Selection().FirstSelectedColumn(), C::Slug);
    QCOMPARE(f.grid().Selection().FirstSelectedRow(), 4);
    const QImage img = f.shot();
    QCOMPARE(img.pixel(f.inCell(C::S, 1, 1, 1)), qRgb(0, 255, 0)); // "a" is green
    QCOMPARE(img.pixel(f.inCell(C::Slug, 4, 2, 2)), qRgb(255, 255, 0));
}

void TstWindow::arrowKeysMoveTheSelection_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("down") << QPoint(C::Slug, 1) << int(Qt::Key_Down) << QPoint(C::Slug, 2);
    QTest::newRow("up at the top stays") << QPoint(C::Slug, 1) << int(Qt::Key_Up) << QPoint(C::Slug, 1);
    QTest::newRow("down at the bottom stays") << QPoint(C::Time, 6) << int(Qt::Key_Down) << QPoint(C::Time, 6);
    QTest::newRow("down onto the bar") << QPoint(C::Writer, 1) << int(Qt::Key_Down) << QPoint(C::Slug, 2);
    QTest::newRow("right over the bar") << QPoint(C::Slug, 2) << int(Qt::Key_Right) << QPoint(C::Back, 2);
    QTest::newRow("left off the Back cell") << QPoint(C::Back, 2) << int(Qt::Key_Left) << QPoint(C::Slug, 2);
    QTest::newRow("right at the edge stays") << QPoint(C::Back, 1) << int(Qt::Key_Right) << QPoint(C::Back, 1);
    QTest::newRow("nothing selected") << QPoint(0, 0) << int(Qt::Key_Down) << QPoint(1, 1);
    QTest::newRow("ctrl+end") << QPoint(C::Slug, 1) << (int(Qt::Key_End) | int(Qt::ControlModifier)) << QPoint(C::Slug, 6);
    // Onto a tracker: it steps, and the selection returns to the current cell.
    QTest::newRow("right onto S") << QPoint(C::Slug, 4) << int(Qt::Key_Right) << QPoint(C::Slug, 4);
}

void TstWindow::arrowKeysMoveTheSelection() {
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    WindowFixture f;
    f.addSample();
    f.shot();
    f.grid().Selection().Set(from.x(), from.y());
    const QString sBefore = f.grid().CellText(C::S, 4);
    f.view()->setFocus();
    QTest::keyClick(f.view(), Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(QPoint(f.grid().Selection().FirstSelectedColumn(), f.grid().Selection().FirstSelectedRow()), to);
    if (QTest::currentDataTag() == QByteArray("right onto S")) {
        QCOMPARE(sBefore, QStringLiteral("p"));
        QCOMPARE(f.grid().CellText(C::S, 4), QString());
    }
}

void TstWindow::selectionFromCodeShows() {
    WindowFixture f;
    f.addSample();
    f.shot();
    f.grid().Selection().Set(C::Audio, 4);
    QCOMPARE(f.view()->currentIndex(), f.grid().index(3, C::Audio - 1));
    QImage img = f.shot();
    QCOMPARE(img.pixel(f.inCell(C::Audio, 4, 2, 2)), qRgb(255, 255, 0));
    // Selected in the middle of a locked batch that inserts a row, as row operations do.
    f.grid().LockDrawing(true);
    f.grid().InsertRow(1);
    f.grid().Selection().Set(C::Video, 5);
    f.grid().LockDrawing(false);
    img = f.shot();
    QCOMPARE(f.view()->currentIndex(), f.grid().index(4, C::Video - 1));
    QCOMPARE(img.pixel(f.inCell(C::Video, 5, 2, 2)), qRgb(255, 255, 0));
    QVERIFY(img.pixel(f.inCell(C::Audio, 4, 2, 2)) != qRgb(255, 255, 0));
    // Deleting the last row leaves no selection: nothing is painted yellow any more.
    f.grid().setRows(0);
    img = f.shot();
    QVERIFY(!f.view()->selectionModel()->hasSelection());
    const QRect vp(f.view()->viewport()->mapTo(f.window.get(), QPoint(0, 0)), f.view()->viewport()->size());
    for (int y = vp.top(); y < vp.bottom(); y += 3)
        for (int x = vp.left(); x < vp.right(); x += 3)
            QVERIFY(img.pixel(x, y) != qRgb(255, 255, 0));
}

void TstWindow::rowOperationsKeepTheScrollPlace() {
    // A producer working deep in a long rundown must not be thrown back to the top by an Add or a
    // Delete (they change rows under LockDrawing, which the view sees as a model reset).
    WindowFixture f;
    QStringList rows;
    for (int i = 1; i <= 400; ++i)
        rows.append(QStringLiteral("|Story %1||||||||1:00").arg(i));
    f.addRows(rows);
    f.shot();
    f.grid().Selection().Set(C::Slug, 300);
    QCoreApplication::processEvents();
    QScrollBar* bar = f.view()->verticalScrollBar();
    const int before = bar->value();
    QVERIFY(before > 0);
    f.doc().myaddrow();
    QCoreApplication::processEvents();
    QCOMPARE(f.doc().currenty, 301);
    QVERIFY2(std::abs(bar->value() - before) < 3 * 22, qPrintable(QString::number(bar->value())));
    QVERIFY(f.view()->viewport()->rect().intersects(f.view()->visualRect(f.grid().index(300, C::Slug - 1))));
    f.doc().mydeleterow();
    QCoreApplication::processEvents();
    QVERIFY2(std::abs(bar->value() - before) < 3 * 22, qPrintable(QString::number(bar->value())));
}

void TstWindow::labelsFollowTheDocument() {
    WindowFixture f;
    f.addSample();
    // Time Me at 12:00:00 on row 1, whose Back time is 55:45 of the hour: light.
    f.grid().Selection().Set(C::Slug, 1);
    f.doc().timeoverunder();
    QVERIFY(!f.window->overunder()->text().isEmpty());
    QCOMPARE(f.window->overunder()->text(), f.doc().overunder());
    f.grid().setCellText(C::Time, 4, QStringLiteral("10:00"));
    f.doc().additup(4);
    QCOMPARE(f.window->TotalTime()->text(), QStringLiteral("12:15"));
}

void TstWindow::missingFontFallsBack() {
    WindowFixture f;
    StyleGridStyle style;
    style.FontName = QStringLiteral("No Such Font Anywhere");
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QCOMPARE(f.view()->fontFor(style).family(), general);
    // Names compare without regard to case.
    const QString installed = QFontDatabase::families().value(0);
    QVERIFY(!installed.isEmpty());
    style.FontName = installed.toUpper();
    QCOMPARE(f.view()->fontFor(style).family(), installed);
    // An unnamed style takes the grid's start-up font ("Lucida Grande" by default, not on this machine).
    style.FontName.clear();
    style.FontSize = 20;
    style.FontBold = true;
    const QFont font = f.view()->fontFor(style);
    QCOMPARE(font.pixelSize(), 20);
    QVERIFY(font.bold());
    if (!QFontDatabase::hasFamily(f.grid().StartupMacFont))
        QCOMPARE(font.family(), general);
}

void TstWindow::dialogsAnswerWithTheButtonPressed_data() {
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("action") << "Save" << int(Dialogs::Button::Action);
    QTest::newRow("alternate") << "Don't Save" << int(Dialogs::Button::Alternate);
    QTest::newRow("cancel") << "Cancel" << int(Dialogs::Button::Cancel);
    QTest::newRow("escape") << "" << int(Dialogs::Button::Cancel);
}

void TstWindow::dialogsAnswerWithTheButtonPressed() {
    QFETCH(QString, press);
    QFETCH(int, answer);
    QWidget parent;
    parent.show();
    GuiDialogs dialogs(&parent);
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
    });
    const Dialogs::Button b = dialogs.ask("Save changes?", "Your changes will be lost.", "Save", "Don't Save", "Cancel");
    QCOMPARE(int(b), answer);
    captions.sort();
    QCOMPARE(captions, QStringList({"Cancel", "Don't Save", "Save"}));
}

void TstWindow::saveDialogSuffix_data() {
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("rundown") << QStringList{"Rundown documents (*.rdk)", "All files (*)"} << "rdk";
    QTest::newRow("workbook") << QStringList{"Spreadsheet (*.xls *.xml)"} << "xls";
    QTest::newRow("any") << QStringList{"All files (*)"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TstWindow::saveDialogSuffix() {
    QFETCH(QStringList, filters);
    QFETCH(QString, suffix);
    QCOMPARE(GuiDialogs::defaultSuffix(filters), suffix);
}

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
