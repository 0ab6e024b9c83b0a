#include "files/ListFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
ListFiles::Inserts numbered() {
    ListFiles::Inserts inter;
    for (int k = 0; k < ListFiles::kInsertSlots; ++k)
        inter[size_t(k)] = QStringLiteral("old%1").arg(k);
    return inter;
}
} // namespace

class TstListFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readingInserts_data();
    void readingInserts();
    void readingWriters_data();
    void readingWriters();
    void writtenFormats();
    void loadlistsAndTheWriterPopup();
    void writersFileSpellings();
    void savelistsFailures_data();
    void savelistsFailures();
    void unreadableListKeepsDefaults();
    void insertsEditor_data();
    void insertsEditor();
    void writersEditor();
};

void TstListFiles::readingInserts_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // the first slots after reading; the rest stay "oldN"
    QTest::newRow("empty file empties slot 0") << QByteArray() << QStringList{""};
    QTest::newRow("fewer lines keep the rest") << QByteArray("Commercial,Commercial,,,,,,,2:05\rTease,Tease,\r")
                                               << QStringList{"Commercial,Commercial,,,,,,,2:05", "Tease,Tease,"};
    QTest::newRow("empty lines are empty slots") << QByteArray("\n\nThird\n") << QStringList{"", "", "Third"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QByteArray many;
    QStringList eleven;
    for (int k = 0; k < 15; ++k) {
        many += "line" + QByteArray::number(k) + "\r";
        if (k < 11)
            eleven.append(QStringLiteral("line%1").arg(k));
    }
    QTest::newRow("more than 11 lines: extras ignored") << many << eleven;
}

void TstListFiles::readingInserts() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    ListFiles::Inserts inter = numbered();
    ListFiles::parseInserts(file, inter);
    for (int k = 0; k < ListFiles::kInsertSlots; ++k)
        QCOMPARE(inter[size_t(k)], k < expected.size() ? expected[k] : QStringLiteral("old%1").arg(k));
}

void TstListFiles::readingWriters_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("as written") << QByteArray("\rAnn\r Bob \r\r") << QStringList{"", "Ann", " Bob "};
    QTest::newRow("LF and empty lines between") << QByteArray("Ann\n\n\nCid") << QStringList{"", "Ann", "Cid"};
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf" "Ann\r") << QStringList{"", "Ann"};
    QTest::newRow("only empty lines: no writers") << QByteArray("\r\r\r") << QStringList{""};
}

void TstListFiles::readingWriters() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, list);
    QCOMPARE(ListFiles::parseWriters(file), list);
}

void TstListFiles::writtenFormats() {
    ListFiles::Inserts inter;
    inter[0] = QStringLiteral("Commercial,Commercial,,,,,,,2:05");
    inter[2] = QStringLiteral("Line\nbreak");
    QCOMPARE(ListFiles::encodeInserts(inter),
             QByteArray("Commercial,Commercial,,,,,,,2:05\r\rLine break\r\r\r\r\r\r\r\r\r"));
    QCOMPARE(ListFiles::encodeWriters({QString(), QStringLiteral("Ann"), QStringLiteral("B\u00e9a")}),
             QByteArray("\rAnn\rB\xc3\xa9" "a\r\r"));
}

void TstListFiles::loadlistsAndTheWriterPopup() {
    DocFixture f; // a first start: no list files
    QCOMPARE(f.globals.writerslist, (QStringList{"", "John Q. Writer"}));
    QCOMPARE(f.doc->writerpop(), (QStringList{"", "John Q. Writer"}));

    f.globals.inter[0] = QStringLiteral("Tease,Tease,,,,,,,0:10,");
    f.globals.writerslist = {QString(), QStringLiteral("Ann"), QStringLiteral("Bob")};
    QVERIFY(f.globals.savelists());
    QCOMPARE(readAll(f.dir.filePath(QStringLiteral("KRDwriters.ini"))), QByteArray("\rAnn\rBob\r\r"));
    QCOMPARE(readAll(f.dir.filePath(QStringLiteral("KRDinserts.ini"))).count('\r'), 11);

    f.globals.inter[0] = QStringLiteral("changed");
    QSignalSpy pop(f.doc.get(), &RundownDocument::writerpopChanged);
    f.globals.loadlists();
    QCOMPARE(f.globals.inter[0], QStringLiteral("Tease,Tease,,,,,,,0:10,"));
    QCOMPARE(f.doc->writerpop(), (QStringList{"", "Ann", "Bob"}));
    QCOMPARE(pop.size(), 1);
    QVERIFY(f.dialogs.informed.isEmpty());
}

void TstListFiles::writersFileSpellings() {
    QTemporaryDir dir;
    QStringList list;
    // Only the other spelling exists: it is read.
    writeFile(dir.filePath(QStringLiteral("KRDWriters.ini")), "\rOther\r\r");
    QVERIFY(ListFiles::readWriters(dir.path(), &list, nullptr));
    QCOMPARE(list, (QStringList{"", "Other"}));
    // Writing keeps one file under the name the program has always written.
    QVERIFY(ListFiles::writeWriters(dir.path(), {QString(), QStringLiteral("New")}, nullptr));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("KRDwriters.ini")});
    QVERIFY(ListFiles::readWriters(dir.path(), &list, nullptr));
    QCOMPARE(list, (QStringList{"", "New"}));
    // With both present, the one we write wins.
    writeFile(dir.filePath(QStringLiteral("KRDWriters.ini")), "\rStale\r\r");
    QVERIFY(ListFiles::readWriters(dir.path(), &list, nullptr));
    QCOMPARE(list, (QStringList{"", "New"}));
}

void TstListFiles::savelistsFailures_data() {
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("message");
    QTest::newRow("inserts") << "KRDinserts.ini" << "Error: Could not create inserts file. Please check permissions.";
    QTest::newRow("writers") << "KRDwriters.ini" << "Error: Could not create writers file. Please check permissions.";
}

void TstListFiles::savelistsFailures() {
    QFETCH(QString, blocked);
    QFETCH(QString, message);
    DocFixture f;
    // A non-empty folder in the file's place cannot be replaced.
    QVERIFY(QDir(f.dir.path()).mkpath(blocked + QStringLiteral("/x")));
    f.globals.inter[3] = QStringLiteral("kept");
    const QStringList writers = f.globals.writerslist;
    QVERIFY(!f.globals.savelists());
    QCOMPARE(f.dialogs.informed.size(), 1);
    QVERIFY2(f.dialogs.informed[0].startsWith(message + u'\n'), qPrintable(f.dialogs.informed[0]));
    QVERIFY(f.dialogs.informed[0].contains(blocked));
    QCOMPARE(f.globals.inter[3], QStringLiteral("kept"));
    QCOMPARE(f.globals.writerslist, writers);
    // The inserts failure stops the save before the writers file.
    if (blocked == QLatin1String("KRDinserts.ini"))
        QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("KRDwriters.ini"))));
}

void TstListFiles::unreadableListKeepsDefaults() {
    DocFixture f;
    f.globals.inter[0] = QStringLiteral("default");
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("KRDinserts.ini")));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("KRDwriters.ini")));
    f.globals.loadlists();
    QCOMPARE(f.globals.inter[0], QStringLiteral("default"));
    QCOMPARE(f.globals.writerslist, (QStringList{"", "John Q. Writer"}));
    QCOMPARE(f.dialogs.informed.size(), 2);
    QVERIFY(f.dialogs.informed[0].startsWith(QStringLiteral("Could not read the inserts file.")));
    QVERIFY(f.dialogs.informed[1].startsWith(QStringLiteral("Could not read the writers file.")));
}

void TstListFiles::insertsEditor_data() {
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("stored");
    QTest::newRow("default line") << "Commercial,Commercial,,,,,,,2:05"
                                  << QStringList{"Commercial", "Commercial", "", "", "", "", "", "", "2:05"}
                                  << "Commercial,Commercial,,,,,,,2:05,";
    QTest::newRow("fields past 9 are dropped") << "A,B,n,d,Ann,V,Au,G,1:00,x,y,z"
                                               << QStringList{"A", "B", "n", "d", "Ann", "V", "Au", "G", "1:00"}
                                               << "A,B,n,d,Ann,V,Au,G,1:00,";
    QTest::newRow("short line") << "Tease,Tease" << QStringList{"Tease", "Tease", "", "", "", "", "", "", ""}
                                << "Tease,Tease,,,,,,,,";
    QTest::newRow("empty name shows an empty row") << ",Slug,,,,,,,1:00" << QStringList(9) << ",,,,,,,,,";
    QTest::newRow("empty slot") << "" << QStringList(9) << ",,,,,,,,,";
}

void TstListFiles::insertsEditor() {
    QFETCH(QString, slot);
    QFETCH(QStringList, row);
    QFETCH(QString, stored);
    QCOMPARE(ListFiles::insertEditorRow(slot), row);
    QCOMPARE(ListFiles::insertLineFromEditorRow(row), stored);
    // Both forms read the same.
    QCOMPARE(ListFiles::insertEditorRow(stored), row);
    // A comma typed into a cell would shift the Time into another field.
    QCOMPARE(ListFiles::insertLineFromEditorRow({"Promo", "Smith, John", "", "", "", "", "", "", "0:20"}),
             QStringLiteral("Promo,Smith  John,,,,,,,0:20,"));
}

void TstListFiles::writersEditor() {
    const QStringList list{QString(), QStringLiteral("Ann"), QStringLiteral(" Bob ")};
    QCOMPARE(ListFiles::writersEditorRows(list), list);
    // Closing without changes gives the same list back; rows left empty are dropped.
    QCOMPARE(ListFiles::writersFromEditorRows(ListFiles::writersEditorRows(list)), list);
    QCOMPARE(ListFiles::writersFromEditorRows({QString(), QStringLiteral("Ann"), QString(), QStringLiteral("Cid")}),
             (QStringList{"", "Ann", "Cid"}));
}

QTEST_GUILESS_MAIN(TstListFiles)
#include "tst_listfiles.moc"
