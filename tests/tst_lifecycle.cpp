#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using Button = Dialogs::Button;

namespace {
const QRegularExpression kSaveLog(QStringLiteral("^Kestrel Rundown Error: savtebale .+$"));
} // namespace

class TstLifecycle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedSaveChangesNothingAndSaysWhy_data();
    void failedSaveChangesNothingAndSaysWhy();
    void failedWriteKeepsThePreviousDocument();
    void saveAsThenSave();
    void saveAsCancelledOrFailed();
    void suggestedName_data();
    void suggestedName();
    void closePrompt_data();
    void closePrompt();
    void openingAsksAgainSavingDoesNot();
    void rowHeights();
};

void TstLifecycle::failedSaveChangesNothingAndSaysWhy_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("stage");
    QTest::newRow("missing folder") << "nofolder/x.rdk" << "Creating Text File";
    QTest::newRow("a folder in the way") << "folder.rdk" << "";
}

void TstLifecycle::failedSaveChangesNothingAndSaysWhy() {
    QFETCH(QString, target);
    QFETCH(QString, stage);
    DocFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("folder.rdk")));
    f.addTimedRows({QStringLiteral("1:00")});
    const QString path = f.dir.filePath(target);
    if (stage.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, kSaveLog);
    else
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Kestrel Rundown Error: savtebale ") + stage));
    QVERIFY(!f.doc->savetable(path));
    QVERIFY(!f.doc->saveflag);
    QCOMPARE(f.doc->title(), QStringLiteral("Kestrel Rundown"));
    QCOMPARE(f.prefs->GetPrefString(QStringLiteral("Recent File"), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(f.dialogs.informed.size(), 1);
    QVERIFY2(f.dialogs.informed[0].contains(QFileInfo(path).fileName()), qPrintable(f.dialogs.informed[0]));
    QCOMPARE(f.doc->lastError(), QString(f.dialogs.informed[0]).replace(u'\n', u' '));
    QCOMPARE(f.grid().Rows(), 1);
    QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("folder.rdk"))).isDir());
}

void TstLifecycle::failedWriteKeepsThePreviousDocument() {
    // A write that runs out of room half-way (here: the file size limit) must leave the old file whole.
    DocFixture f;
    const QString path = f.dir.filePath(QStringLiteral("show.rdk"));
    f.addTimedRows({QStringLiteral("1:00")});
    QVERIFY(f.doc->savetable(path));
    const QByteArray before = readAll(path);
    QStringList times;
    for (int i = 0; i < 3000; ++i)
        times.append(QStringLiteral("0:10"));
    f.addTimedRows(times);
    f.doc->saveflag = false;

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QTest::ignoreMessage(QtWarningMsg, kSaveLog);
    const bool saved = f.doc->savetable(path);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);

    QVERIFY(!saved);
    QCOMPARE(readAll(path), before);
    QVERIFY(!f.doc->saveflag);
    QCOMPARE(f.dialogs.informed.size(), 1);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("show.rdk")});
}

void TstLifecycle::saveAsThenSave() {
    DocFixture f;
    f.addTimedRows({QStringLiteral("1:00")});
    const QString path = f.dir.filePath(QStringLiteral("Evening.rdk"));
    f.dialogs.savePaths = {path};
    QVERIFY(f.doc->save()); // no file yet: Save As
    QCOMPARE(f.dialogs.suggested, QStringList{QStringLiteral("3-7-2026")});
    QCOMPARE(f.doc->currentfilename, path);
    QCOMPARE(f.doc->title(), QStringLiteral("Kestrel Rundown: Evening.rdk"));
    QCOMPARE(f.prefs->GetPrefString(QStringLiteral("recent file"), QString()), path);
    QVERIFY(f.doc->saveflag);

    // Save now writes to that file without asking.
    f.grid().setCellText(2, 1, QStringLiteral("Changed"));
    QVERIFY(f.doc->save());
    QCOMPARE(f.dialogs.suggested.size(), 1);
    QVERIFY(readAll(path).contains("\tChanged\t"));
}

void TstLifecycle::saveAsCancelledOrFailed() {
    DocFixture f;
    const QString first = f.dir.filePath(QStringLiteral("first.rdk"));
    f.dialogs.savePaths = {first};
    QVERIFY(f.doc->Saveas());
    f.doc->saveflag = false;

    QVERIFY(!f.doc->Saveas()); // cancelled: nothing changes
    QCOMPARE(f.doc->currentfilename, first);
    QVERIFY(!f.doc->saveflag);

    // A failed Save As keeps the window on its old file, so title and Save still agree.
    f.dialogs.savePaths = {f.dir.filePath(QStringLiteral("missing/second.rdk"))};
    QTest::ignoreMessage(QtWarningMsg, "Kestrel Rundown Error: savtebale Creating Text File");
    QVERIFY(!f.doc->Saveas());
    QCOMPARE(f.doc->currentfilename, first);
    QCOMPARE(f.doc->title(), QStringLiteral("Kestrel Rundown: first.rdk"));
    QVERIFY(!f.doc->saveflag);
}

void TstLifecycle::suggestedName_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("7 March") << QDate(2026, 3, 7) << "3-7-2026";
    QTest::newRow("25 December") << QDate(2026, 12, 25) << "12-25-2026";
    QTest::newRow("1 January") << QDate(2027, 1, 1) << "1-1-2027";
}

void TstLifecycle::suggestedName() {
    QFETCH(QDate, date);
    QFETCH(QString, name);
    DocFixture f;
    f.clock.set(QDateTime(date, QTime(23, 59)));
    QCOMPARE(f.doc->suggestedSaveName(), name);
}

void TstLifecycle::closePrompt_data() {
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<bool>("savePathGiven");
    QTest::addColumn<bool>("keptOpen");
    QTest::addColumn<bool>("written");
    QTest::newRow("Don't Save") << false << QList<Button>{Button::Alternate} << false << false << false;
    QTest::newRow("Cancel") << false << QList<Button>{Button::Cancel} << false << true << false;
    QTest::newRow("Save, no file, dialog cancelled") << false << QList<Button>{Button::Action} << false << true << false;
    QTest::newRow("Save, no file, file chosen") << false << QList<Button>{Button::Action} << true << false << true;
    QTest::newRow("Save to its file") << true << QList<Button>{Button::Action} << false << false << true;
}

void TstLifecycle::closePrompt() {
    QFETCH(bool, hasFile);
    QFETCH(QList<Button>, answers);
    QFETCH(bool, savePathGiven);
    QFETCH(bool, keptOpen);
    QFETCH(bool, written);
    DocFixture f;
    const QString path = f.dir.filePath(QStringLiteral("doc.rdk"));
    if (hasFile)
        f.doc->currentfilename = path;
    if (savePathGiven)
        f.dialogs.savePaths = {path};
    f.dialogs.answers = answers;
    f.globals.oktoquit = true;
    QCOMPARE(f.doc->Event_CancelClose(), keptOpen);
    QCOMPARE(f.dialogs.asked, QStringList{QStringLiteral("Do you want to save changes to this document before closing?")});
    QCOMPARE(f.globals.oktoquit, !keptOpen);
    QCOMPARE(f.doc->saveflag, !keptOpen);
    QCOMPARE(QFileInfo::exists(path), written);
}

void TstLifecycle::openingAsksAgainSavingDoesNot() {
    DocFixture f;
    const QString path = f.dir.filePath(QStringLiteral("doc.rdk"));
    f.doc->currentfilename = path;
    QVERIFY(f.doc->save());
    f.grid().AppendRow(QStringLiteral("edited after the save"));
    QVERIFY(!f.doc->Event_CancelClose()); // closes without asking
    QVERIFY(f.dialogs.asked.isEmpty());

    QVERIFY(f.doc->opentable(path)); // just opened: asks even without changes
    QVERIFY(!f.doc->saveflag);
    QVERIFY(f.doc->Event_CancelClose());
    QCOMPARE(f.dialogs.asked.size(), 1);
    QVERIFY(!f.globals.oktoquit);

    // Save in the prompt, but the write fails: the window stays open and the quit stops.
    QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    f.dialogs.setNextAnswer(Button::Action);
    QTest::ignoreMessage(QtWarningMsg, kSaveLog);
    QVERIFY(f.doc->Event_CancelClose());
    QVERIFY(!f.globals.oktoquit);
}

void TstLifecycle::rowHeights() {
    DocFixture f; // measures 15 pixels a line and 7 pixels a character
    StyleGrid& g = f.grid();
    QSignalSpy refresh(&g, &StyleGrid::refreshRequested);
    f.doc->resizerows(); // an empty rundown: nothing to set, but it repaints
    QCOMPARE(refresh.size(), 1);

    const QString words = QStringLiteral("A slug long enough to wrap onto three lines");
    f.addRows({QStringLiteral("1|") + words, QStringLiteral("2|short||||||||||") + words.repeated(5),
               QStringLiteral("Break|") + words});
    f.doc->resizerows();
    // Slug 145 pixels: 20 characters a line, 43 characters need 3 lines: 45 + 5.
    QCOMPARE(g.RowHeight(1), 50);
    // The Back column never makes a row taller.
    QCOMPARE(g.RowHeight(2), 22);
    // A break row's Slug is measured across columns 2 to 11 (563 pixels: one line).
    QCOMPARE(g.RowHeight(3), 22);

    g.setCellText(2, 1, QStringLiteral("short"));
    QCOMPARE(f.doc->findtallestcellheight(1), 22);
    g.setColumnWidth(2, 45);
    g.setCellText(2, 1, words);
    QCOMPARE(f.doc->findtallestcellheight(1), 15 * 8 + 5); // 6 characters a line

    // Without a measurer rows keep the default height.
    RundownDocument plain(f.globals, *f.prefs, f.clock);
    plain.Event_Open();
    plain.rundown().AppendRow(words.repeated(20));
    plain.resizerows();
    QCOMPARE(plain.rundown().RowHeight(1), 22);
}

QTEST_GUILESS_MAIN(TstLifecycle)
#include "tst_lifecycle.moc"
