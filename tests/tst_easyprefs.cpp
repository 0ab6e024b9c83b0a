#include "files/EasyPrefs.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Button = Dialogs::Button;

namespace {
const QString kName = QStringLiteral("KestrelRundownprefs");

} // namespace

class TstEasyPrefs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesAnEmptyFileInTheConfigFolder();
    void reading_data();
    void reading();
    void writingKeepsOrderAndDuplicates();
    void valuesCannotBreakThePairs();
    void resetOffer_data();
    void resetOffer();
    void unusableFiles_data();
    void unusableFiles();
    void failedWriteSaysWhy();
    void loadprefsFillsTheSettings();
};

void TstEasyPrefs::firstStartCreatesAnEmptyFileInTheConfigFolder() {
    QTemporaryDir home;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    const QString config = home.filePath(QStringLiteral("not/yet/there"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    EasyPrefs prefs;
    qputenv("XDG_CONFIG_HOME", old);
    QCOMPARE(prefs.folder(), config);

    // A tool that only reads leaves no file behind.
    QVERIFY(prefs.readPrefFile(kName));
    QVERIFY(!QFileInfo::exists(prefs.prefFile()));

    ScriptedDialogs dialogs;
    prefs.InitPrefFile(kName, &dialogs);
    QCOMPARE(prefs.prefFile(), config + QStringLiteral("/KestrelRundownprefs"));
    QCOMPARE(readAll(prefs.prefFile()), QByteArray());
    QVERIFY(dialogs.informed.isEmpty());
    QCOMPARE(prefs.GetPrefNumber(QStringLiteral("ShowSeconds"), 3600), 3600);
    QCOMPARE(prefs.GetPrefString(QStringLiteral("FontName"), QStringLiteral("Lucida Grande")), QStringLiteral("Lucida Grande"));
    QCOMPARE(prefs.GetPrefBoolean(QStringLiteral("AutoPage"), true), true);
    QVERIFY(prefs.prefNames().isEmpty()); // reading a key never adds it
}

void TstEasyPrefs::reading_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("boolean");
    QTest::newRow("key in other case") << QByteArray("Printfontsize\r12\r") << "PrintFontsize" << "12" << 12 << false;
    QTest::newRow("first match wins") << QByteArray("a\r1\rA\r2\r") << "a" << "1" << 1 << false;
    QTest::newRow("12abc") << QByteArray("n\r12abc\r") << "n" << "12abc" << 12 << false;
    QTest::newRow("abc") << QByteArray("n\rabc\r") << "n" << "abc" << 0 << false;
    QTest::newRow("huge number saturates") << QByteArray("n\r99999999999\r") << "n" << "99999999999" << 2147483647 << false;
    QTest::newRow("TRUE") << QByteArray("b\rTRUE\r") << "b" << "TRUE" << 0 << true;
    QTest::newRow("yes is false") << QByteArray("b\ryes\r") << "b" << "yes" << 0 << false;
    QTest::newRow("odd number of lines") << QByteArray("x\r1\rlast") << "last" << "" << 0 << false;
    QTest::newRow("LF ends") << QByteArray("x\n1\ny\ntrue\n") << "y" << "true" << 0 << true;
    QTest::newRow("CR LF ends") << QByteArray("x\r\n1\r\ny\r\n7\r\n") << "Y" << "7" << 7 << false;
    QTest::newRow("byte-order marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfn\r5\r") << "n" << "5" << 5 << false;
    QTest::newRow("invalid UTF-8") << QByteArray("f\r\xff" "font\r") << "F" << QString::fromUtf8("\xef\xbf\xbd" "font") << 0 << false;
}

void TstEasyPrefs::reading() {
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, boolean);
    QTemporaryDir dir;
    writeFile(dir.filePath(kName), file);
    EasyPrefs prefs(dir.path());
    ScriptedDialogs dialogs;
    prefs.InitPrefFile(kName, &dialogs);
    QVERIFY(dialogs.informed.isEmpty());
    QCOMPARE(prefs.GetPrefString(key, QStringLiteral("default")), text);
    QCOMPARE(prefs.GetPrefNumber(key, -1), number);
    QCOMPARE(prefs.GetPrefBoolean(key, !boolean), boolean);
}

void TstEasyPrefs::writingKeepsOrderAndDuplicates() {
    QTemporaryDir dir;
    writeFile(dir.filePath(kName), "FontName\nCourier\nshowseconds\n1800\nFONTNAME\nTimes\n");
    EasyPrefs prefs(dir.path());
    prefs.InitPrefFile(kName);
    prefs.SetPrefString(QStringLiteral("fontname"), QStringLiteral("Helvetica"));
    prefs.SetPrefNumber(QStringLiteral("ShowSeconds"), -30);
    prefs.SetPrefBoolean(QStringLiteral("AutoPage"), false);
    prefs.SetPrefFolderItem(QStringLiteral("Recent File"), QStringLiteral("/shows/late.rdk"));
    // Nothing reaches the disk before WritePrefsFile.
    QCOMPARE(readAll(prefs.prefFile()), QByteArray("FontName\nCourier\nshowseconds\n1800\nFONTNAME\nTimes\n"));
    QVERIFY(prefs.WritePrefsFile());
    QCOMPARE(readAll(prefs.prefFile()), QByteArray("FontName\rHelvetica\rshowseconds\r-30\rFONTNAME\rTimes\r"
                                                   "AutoPage\rfalse\rRecent File\r/shows/late.rdk\r"));
    prefs.SetPrefFolderItem(QStringLiteral("recent file"), QString()); // a null file deletes the key
    prefs.DeletePref(QStringLiteral("fontname"));
    QVERIFY(prefs.WritePrefsFile());
    QCOMPARE(readAll(prefs.prefFile()), QByteArray("showseconds\r-30\rFONTNAME\rTimes\rAutoPage\rfalse\r"));
}

void TstEasyPrefs::valuesCannotBreakThePairs() {
    QTemporaryDir dir;
    EasyPrefs prefs(dir.path());
    prefs.InitPrefFile(kName);
    prefs.SetPrefString(QStringLiteral("Recent File"), QStringLiteral("/odd\nname\r.rdk"));
    prefs.SetPrefString(QStringLiteral("After"), QStringLiteral("tab\tkept"));
    QVERIFY(prefs.WritePrefsFile());
    EasyPrefs again(dir.path());
    again.InitPrefFile(kName);
    QCOMPARE(again.prefNames(), (QStringList{"Recent File", "After"}));
    QCOMPARE(again.prefItems(), (QStringList{"/odd name .rdk", "tab\tkept"}));
}

void TstEasyPrefs::resetOffer_data() {
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("value");
    QTest::newRow("not requested") << false << QList<Button>{} << 0 << "1800";
    QTest::newRow("Yes deletes") << true << QList<Button>{Button::Action} << 1 << "3600";
    QTest::newRow("No keeps") << true << QList<Button>{Button::Cancel} << 1 << "1800";
}

void TstEasyPrefs::resetOffer() {
    QFETCH(bool, requested);
    QFETCH(QList<Button>, answers);
    QFETCH(int, asked);
    QFETCH(QString, value);
    QTemporaryDir dir;
    writeFile(dir.filePath(kName), "ShowSeconds\r1800\r");
    EasyPrefs prefs(dir.path());
    ScriptedDialogs dialogs;
    dialogs.answers = answers;
    prefs.InitPrefFile(kName, &dialogs, requested);
    QCOMPARE(dialogs.asked.size(), asked);
    if (asked)
        QCOMPARE(dialogs.asked[0], QStringLiteral("Reset preferences to default?"));
    QVERIFY(dialogs.informed.isEmpty());
    QCOMPARE(prefs.GetPrefString(QStringLiteral("ShowSeconds"), QStringLiteral("3600")), value);
    QVERIFY(QFileInfo(prefs.prefFile()).isFile());
}

void TstEasyPrefs::unusableFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QStringList>("messages");
    const QString cannot = QStringLiteral("Cannot init prefs file");
    QTest::newRow("a folder where the file should be") << "folder" << false << QStringList{cannot};
    QTest::newRow("the folder cannot be made") << "file as folder" << false << QStringList{cannot};
    QTest::newRow("too large") << "large" << false << QStringList{cannot};
    QTest::newRow("reset cannot delete it")
        << "folder" << true
        << QStringList{QStringLiteral("Failed to delete preferences. Please check permissions for "), cannot};
}

void TstEasyPrefs::unusableFiles() {
    QFETCH(QString, kind);
    QFETCH(bool, reset);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    QString folder = dir.path();
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(folder).mkpath(kName + QStringLiteral("/inside")));
    } else if (kind == QLatin1String("file as folder")) {
        writeFile(dir.filePath(QStringLiteral("config")), "x");
        folder = dir.filePath(QStringLiteral("config/sub"));
    } else {
        QFile large(dir.filePath(kName));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(8 << 20));
    }
    EasyPrefs prefs(folder);
    ScriptedDialogs dialogs;
    dialogs.setNextAnswer(Button::Action);
    prefs.InitPrefFile(kName, &dialogs, reset);
    QCOMPARE(dialogs.informed.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(dialogs.informed[i].startsWith(messages[i]), qPrintable(dialogs.informed[i]));
    if (reset)
        QVERIFY(dialogs.informed[0].endsWith(QFileInfo(prefs.prefFile()).absoluteFilePath()));
    // The program runs on with the defaults.
    QVERIFY(prefs.prefNames().isEmpty());
    QCOMPARE(prefs.GetPrefNumber(QStringLiteral("ShowSeconds"), 3600), 3600);
}

void TstEasyPrefs::failedWriteSaysWhy() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("prefs"));
    EasyPrefs prefs(folder);
    prefs.InitPrefFile(kName);
    prefs.SetPrefNumber(QStringLiteral("ShowSeconds"), 1800);
    QVERIFY(prefs.WritePrefsFile());
    // The file's place is taken by a folder: the write fails, says why, and the folder stays.
    QVERIFY(QFile::remove(prefs.prefFile()) && QDir().mkpath(prefs.prefFile() + QStringLiteral("/x")));
    QString error;
    QVERIFY(!prefs.WritePrefsFile(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(prefs.prefFile()).isDir());

    EasyPrefs never(folder);
    QVERIFY(!never.WritePrefsFile(&error)); // InitPrefFile was never run
    QVERIFY(!error.isEmpty());
}

void TstEasyPrefs::loadprefsFillsTheSettings() {
    DocFixture f;
    f.prefs->readPrefText("printfontsize\r14\rFontName\rDejaVu Sans\rShowSeconds\r1800x\rAutoPage\rFalse\r");
    f.doc->loadprefs();
    QCOMPARE(f.globals.printfontsize, 14);
    QCOMPARE(f.globals.myfontname, QStringLiteral("DejaVu Sans"));
    QCOMPARE(f.globals.showseconds, 1800);
    QVERIFY(!f.doc->autopage);
}

QTEST_GUILESS_MAIN(TstEasyPrefs)
#include "tst_easyprefs.moc"
