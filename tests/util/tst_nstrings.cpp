// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "NStrings.h"

#include <QtTest>

#include <limits>

using namespace brimbal;

class TestNStrings : public QObject {
    Q_OBJECT

private slots:
    void intToText_data();
    void intToText();
    void intToTextPadded_data();
    void intToTextPadded();
    void durationText_data();
    void durationText();
};

void TestNStrings::intToText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive") << 14520 << "14520";
    QTest::newRow("negative") << -1 << "-1";
    QTest::newRow("no grouping") << 1234567 << "1234567";
    QTest::newRow("largest") << std::numeric_limits<int>::max() << "2147483647";
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-2147483648";
}

void TestNStrings::intToText() {
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(IntToText(value)), expected);
}

void TestNStrings::intToTextPadded_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<char>("pad");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit") << 5 << '0' << 3 << "005";
    QTest::newRow("two digits") << 10 << '0' << 3 << "010";
    QTest::newRow("exact width") << 123 << '0' << 3 << "123";
    QTest::newRow("longer than width") << 12345 << '0' << 3 << "12345";
    QTest::newRow("other pad") << 7 << ' ' << 4 << "   7";
    QTest::newRow("zero width") << 7 << '0' << 0 << "7";
    QTest::newRow("negative pads in front") << -5 << '0' << 3 << "0-5";
}

void TestNStrings::intToTextPadded() {
    QFETCH(int, value);
    QFETCH(char, pad);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(IntToTextPadded(value, pad, width)), expected);
}

void TestNStrings::durationText_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing") << 0 << 0 << 0 << "0s ";
    QTest::newRow("minutes and seconds") << 0 << 5 << 7 << "5min 7s ";
    QTest::newRow("hours without minutes") << 1 << 0 << 7 << "1h 7s ";
    QTest::newRow("zero seconds shown") << 1 << 5 << 0 << "1h 5min 0s ";
    QTest::newRow("hours only") << 2 << 0 << 0 << "2h 0s ";
    QTest::newRow("seconds only") << 0 << 0 << 59 << "59s ";
    QTest::newRow("largest") << 65535 << 59 << 59 << "65535h 59min 59s ";
}

void TestNStrings::durationText() {
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DurationText(static_cast<std::uint16_t>(hours),
                                                 static_cast<std::uint16_t>(minutes),
                                                 static_cast<std::uint16_t>(seconds))),
             expected);
}

QTEST_APPLESS_MAIN(TestNStrings)
#include "tst_nstrings.moc"
