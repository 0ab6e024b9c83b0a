#include "timing/TimeText.h"

#include <QTest>

class TstTimeText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reading_data();
    void reading();
    void displayForms_data();
    void displayForms();
    void backTimeForms_data();
    void backTimeForms();
    void editorKeys_data();
    void editorKeys();
    void showLengthFields();
};

void TstTimeText::reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("seconds");
    const int none = int(TimeText::Kind::NoTime), bad = int(TimeText::Kind::Invalid), ok = int(TimeText::Kind::Valid);
    QTest::newRow("empty") << "" << none << qint64(0);
    QTest::newRow(":30") << ":30" << ok << qint64(30);
    QTest::newRow("5:") << "5:" << ok << qint64(300);
    QTest::newRow("0:00 still timed") << "0:00" << ok << qint64(0);
    QTest::newRow("90:00") << "90:00" << ok << qint64(5400);
    QTest::newRow("1:75") << "1:75" << ok << qint64(135);
    QTest::newRow("trailing words") << "2:30 approx" << ok << qint64(150);
    QTest::newRow("no colon") << "abc" << bad << qint64(0);
    QTest::newRow("letters around colon") << "ab:cd" << ok << qint64(0);
    QTest::newRow("second colon is not a separator") << "1:2:3" << ok << qint64(62);
    QTest::newRow("negative minutes") << "-1:30" << ok << qint64(-30);
    QTest::newRow("fraction truncates") << "1.9:2.9" << ok << qint64(62);
    QTest::newRow("negative fraction toward zero") << "-0.9:10" << ok << qint64(10);
    QTest::newRow("minutes saturate") << "99999999999999999999:00" << ok << qint64(2147483647) * 60;
    QTest::newRow("seconds saturate low") << "0:-99999999999999" << ok << qint64(-2147483648LL);
    QTest::newRow("exponent is not read") << "1e400:5" << ok << qint64(65);
    QTest::newRow("leading blank") << " 2:05" << ok << qint64(125);
}

void TstTimeText::reading() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(qint64, seconds);
    const TimeText::Reading r = TimeText::read(text);
    QCOMPARE(int(r.kind), kind);
    QCOMPARE(r.seconds, seconds);
}

void TstTimeText::displayForms_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0:00";
    QTest::newRow("4:05") << qint64(245) << "4:05";
    QTest::newRow("59:59") << qint64(3599) << "59:59";
    QTest::newRow("one hour") << qint64(3600) << "1:00:00";
    QTest::newRow("2:15:30") << qint64(8130) << "2:15:30";
    QTest::newRow("25 hours wraps") << qint64(90000) << "1:00:00";
    QTest::newRow("negative wraps late") << qint64(-30) << "23:59:30";
    QTest::newRow("huge") << qint64(2147483647) * 60 << TimeText::display((qint64(2147483647) * 60) % 86400);
}

void TstTimeText::displayForms() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(TimeText::display(value), text);
}

void TstTimeText::backTimeForms_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << qint64(3345) << "55:45";
    QTest::newRow("long") << qint64(3600 * 10 + 5) << "10:00:05";
    QTest::newRow("just early") << qint64(-30) << "-0:30";
    QTest::newRow("early 12:05") << qint64(-725) << "-12:05";
    QTest::newRow("early one hour") << qint64(-3600) << "-60:00";
    QTest::newRow("eleven hours") << qint64(11 * 3600 + 65) << "?1:05";
    QTest::newRow("more than an hour early") << qint64(-3601) << "?59:59";
}

void TstTimeText::backTimeForms() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(TimeText::backTime(value), text);
}

void TstTimeText::editorKeys_data() {
    // Types the keys one by one, caret at the end, as the Time editor's filter lets them through.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::newRow("7 refused after colon") << "4:7" << "4:";
    QTest::newRow("0 then 7") << "4:07" << "4:07";
    QTest::newRow("long minutes") << "75:30" << "75:30";
    QTest::newRow("second colon refused") << "1:2:3" << "1:23";
    QTest::newRow("letters refused") << "a1b:c5" << "1:5";
}

void TstTimeText::editorKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, result);
    QString text;
    for (QChar k : keys)
        if (TimeText::timeEditorKey(text, int(text.size()), k) == TimeText::KeyAction::Accept)
            text.append(k);
    QCOMPARE(text, result);
    QCOMPARE(TimeText::timeEditorKey(u"1:", 2, QChar(13)), TimeText::KeyAction::Commit);
    QCOMPARE(TimeText::timeEditorKey(u"1:", 2, QChar(9)), TimeText::KeyAction::NextCell);
    QCOMPARE(TimeText::timeEditorKey(u"1:", 2, QChar(8)), TimeText::KeyAction::Accept);
    // A 7 is fine anywhere but right after the colon.
    QCOMPARE(TimeText::timeEditorKey(u"1:", 1, QChar(u'7')), TimeText::KeyAction::Accept);
}

void TstTimeText::showLengthFields() {
    QCOMPARE(TimeText::showMinutesField(3600), QStringLiteral("60"));
    QCOMPARE(TimeText::showSecondsField(3600), QStringLiteral("00"));
    QCOMPARE(TimeText::showMinutesField(65), QStringLiteral("01"));
    QCOMPARE(TimeText::clampSecondsField(QStringLiteral("75")), QStringLiteral("59"));
    QCOMPARE(TimeText::clampSecondsField(QStringLiteral("5")), QStringLiteral("5"));
    QCOMPARE(TimeText::showLengthFromFields(u"90", u"30"), 5430);
    QCOMPARE(TimeText::showLengthFromFields(u"", u""), 0);
    QCOMPARE(TimeText::showLengthFromFields(u"99999999999", u"59"), 2147483647);
    QVERIFY(!TimeText::showFieldKeyAccepted(QChar(u'a')));
    QVERIFY(TimeText::showFieldKeyAccepted(QChar(u'7')));
    QVERIFY(TimeText::showFieldKeyAccepted(QChar(8)));
}

QTEST_GUILESS_MAIN(TstTimeText)
#include "tst_timetext.moc"
