// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DateText.h"
#include "UHilist.h"

#include <QRegularExpression>
#include <QtTest>

using namespace brimbal;

namespace {

// Every entry of a test gets a date text and a largest group of its own, made from its name, so
// that a sort which moved points without the rest of the entry shows.
QString DateOf(const QString& name) {
    return QStringLiteral("date of ") + name;
}

std::int32_t GroupOf(const QString& name) {
    return name.isEmpty() ? 0 : name.at(0).unicode();
}

// "30 X": 30 points for X. An empty name after the blank stands for an empty entry.
void Add(TScorelist& list, const QString& entry) {
    const qsizetype blank = entry.indexOf(QLatin1Char(' '));
    const QString name = entry.mid(blank + 1);
    list.AddEntry({name, DateOf(name), entry.left(blank).toInt(), GroupOf(name)});
}

TScorelist ListOf(const QStringList& entries) {
    TScorelist list;
    for (const QString& entry : entries) {
        Add(list, entry);
    }
    return list;
}

// Ranks 1 to 10 as "points name"; checks that every entry kept its own date and group.
QStringList Table(const TScorelist& list) {
    QStringList table;
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = list.GetEntry(rank);
        QString row = QString::number(entry.Points) + QLatin1Char(' ') + entry.Name;
        if (!entry.Name.isEmpty() &&
            (entry.Date != DateOf(entry.Name) || entry.MaxGroup != GroupOf(entry.Name))) {
            row += QStringLiteral(" (torn apart from its date or group)");
        }
        table.append(row);
    }
    return table;
}

QStringList Padded(QStringList table) {
    while (table.size() < 10) {
        table.append(QStringLiteral("0 "));
    }
    return table;
}

const QStringList KFullTable{"100 A", "50 B", "30 X", "30 Y", "20 C",
                             "10 D",  "5 E",  "4 F",  "3 G",  "2 H"};
const QStringList KRunsTable{"100 A", "30 X", "30 Y", "20 P", "20 Q",
                             "20 R",  "10 S", "10 T", "5 U",  "5 V"};

} // namespace

class TestScorelist : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void newList();
    void getEntryOutsideTheTable_data();
    void getEntryOutsideTheTable();
    void addEntry_data();
    void addEntry();
    void getRank_data();
    void getRank();
    void clear();
    void names_data();
    void names();
    void dates_data();
    void dates();
    void luckyStamp();
    void dateText_data();
    void dateText();
};

void TestScorelist::cleanup() {
    QLocale::setDefault(QLocale::c());
}

void TestScorelist::newList() {
    const TScorelist list;
    QCOMPARE(list.GetRank(0), 11);
    QCOMPARE(list.GetRank(-1), 11);
    QCOMPARE(list.GetRank(1), 1);
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = list.GetEntry(rank);
        QCOMPARE(entry.Name, QString());
        QCOMPARE(entry.Date, QString());
        QCOMPARE(entry.Points, 0);
        QCOMPARE(entry.MaxGroup, 0);
    }
}

void TestScorelist::getEntryOutsideTheTable_data() {
    QTest::addColumn<int>("rank");
    QTest::newRow("rank 0") << 0;
    QTest::newRow("spare slot 11") << 11;
    QTest::newRow("rank -1") << -1;
    QTest::newRow("rank 12") << 12;
}

void TestScorelist::getEntryOutsideTheTable() {
    QFETCH(int, rank);
    const TScorelist list = ListOf(KFullTable + QStringList{"1 Z"});
    const TScoreEntry entry = list.GetEntry(rank);
    QCOMPARE(entry.Name, QStringLiteral("FEHLER!"));
    QCOMPARE(entry.Points, -1);
    QCOMPARE(entry.Date, QString());
    QCOMPARE(entry.MaxGroup, 0);
}

void TestScorelist::addEntry_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("0 points on a new list stay out") << QStringList() << "0 N" << Padded({});
    QTest::newRow("first entry of a new list") << QStringList() << "7 N" << Padded({"7 N"});
    QTest::newRow("into a short table") << QStringList{"100 A", "50 B", "30 C"} << "40 N"
                                        << Padded({"100 A", "50 B", "40 N", "30 C"});
    QTest::newRow("below a short table") << QStringList{"100 A", "50 B", "30 C"} << "30 N"
                                         << Padded({"100 A", "50 B", "30 C", "30 N"});
    QTest::newRow("above a pair: the pair rotates, the last drops out")
        << KFullTable << "40 N" << QStringList{"100 A", "50 B", "40 N", "30 Y", "30 X",
                                               "20 C",  "10 D", "5 E",  "4 F",  "3 G"};
    QTest::newRow("equal to a pair: below it")
        << KFullTable << "30 N" << QStringList{"100 A", "50 B", "30 X", "30 Y", "30 N",
                                               "20 C",  "10 D", "5 E",  "4 F",  "3 G"};
    QTest::newRow("above three equal: the first goes last")
        << QStringList{"100 A", "50 B", "30 X", "30 Y", "30 Z", "20 C", "10 D", "5 E", "4 F", "3 G"}
        << "40 N" << QStringList{"100 A", "50 B", "40 N", "30 Y", "30 Z",
                                 "30 X",  "20 C", "10 D", "5 E",  "4 F"};
    QTest::newRow("above several runs: each rotates, the last run's first drops out")
        << KRunsTable << "40 E" << QStringList{"100 A", "40 E", "30 Y", "30 X", "20 Q",
                                               "20 R",  "20 P", "10 T", "10 S", "5 V"};
    QTest::newRow("below the tenth: nothing changes") << KRunsTable << "3 E" << KRunsTable;
    QTest::newRow("equal to the tenth: nothing changes") << KRunsTable << "5 E" << KRunsTable;
    QTest::newRow("above all: the pair below rotates")
        << KFullTable << "101 N" << QStringList{"101 N", "100 A", "50 B", "30 Y", "30 X",
                                                "20 C",  "10 D",  "5 E",  "4 F",  "3 G"};
    QTest::newRow("negative points on a new list stay out")
        << QStringList() << "-4 N" << Padded({});
}

void TestScorelist::addEntry() {
    QFETCH(QStringList, before);
    QFETCH(QString, entry);
    QFETCH(QStringList, after);
    TScorelist list = ListOf(before);
    QCOMPARE(Table(list), Padded(before.mid(0, 10)));
    Add(list, entry);
    QCOMPARE(Table(list), after);
}

void TestScorelist::getRank_data() {
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("rank");
    QTest::newRow("above the first") << KFullTable << 101 << 1;
    QTest::newRow("equal to the first") << KFullTable << 100 << 2;
    QTest::newRow("below the first") << KFullTable << 99 << 2;
    QTest::newRow("between a pair and the entry above") << KFullTable << 40 << 3;
    QTest::newRow("equal to a pair") << KFullTable << 30 << 5;
    QTest::newRow("above the tenth") << KFullTable << 3 << 10;
    QTest::newRow("equal to the tenth") << KFullTable << 2 << 11;
    QTest::newRow("below the tenth") << KFullTable << 1 << 11;
    QTest::newRow("short table, below the last entry")
        << QStringList{"100 A", "50 B", "30 C"} << 20 << 4;
    QTest::newRow("short table, zero points") << QStringList{"100 A", "50 B", "30 C"} << 0 << 11;
}

void TestScorelist::getRank() {
    QFETCH(QStringList, table);
    QFETCH(int, score);
    QFETCH(int, rank);
    TScorelist list = ListOf(table);
    QCOMPARE(list.GetRank(score), rank);
    // The rank is where AddEntry puts the entry.
    if (rank <= 10) {
        list.AddEntry({QStringLiteral("N"), QString(), score, 0});
        const TScoreEntry entry = list.GetEntry(rank);
        QCOMPARE(entry.Name, QStringLiteral("N"));
    }
}

void TestScorelist::clear() {
    TScorelist list = ListOf(KFullTable);
    list.Clear();
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = list.GetEntry(rank);
        const QString old = KFullTable[rank - 1].section(QLatin1Char(' '), 1);
        QCOMPARE(entry.Name, QString());
        QCOMPARE(entry.Points, 0);
        // Dates and groups stay: loading refills them all anyway.
        QCOMPARE(entry.Date, DateOf(old));
        QCOMPARE(entry.MaxGroup, GroupOf(old));
    }
    QCOMPARE(list.GetRank(1), 1);
}

void TestScorelist::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filed");
    QTest::newRow("empty") << QString() << "NAMENLOS";
    QTest::newRow("blanks stay") << "   "
                                 << "   ";
    QTest::newRow("umlauts") << "Jürgen Größe"
                             << "Jürgen Größe";
    QTest::newRow("placeholder text as a name") << "FEHLER!"
                                                << "FEHLER!";
}

void TestScorelist::names() {
    QFETCH(QString, name);
    QFETCH(QString, filed);
    TScorelist list;
    list.AddEntry({name, QStringLiteral("d"), 12, 3});
    const TScoreEntry entry = list.GetEntry(1);
    QCOMPARE(entry.Name, filed);
    QCOMPARE(entry.Date, QStringLiteral("d"));
    QCOMPARE(entry.Points, 12);
    QCOMPARE(entry.MaxGroup, 3);
}

void TestScorelist::dates_data() {
    QTest::addColumn<QString>("date");
    QTest::newRow("lower case twin of the stamp word") << "*lucky*";
    QTest::newRow("stamp word with a blank") << "*LUCKY* ";
    QTest::newRow("empty") << "";
    QTest::newRow("a stored date") << "07.12.2026 20:13:05";
}

void TestScorelist::dates() {
    QFETCH(QString, date);
    TScorelist list;
    list.AddEntry({QStringLiteral("A"), date, 12, 3});
    const TScoreEntry entry = list.GetEntry(1);
    QCOMPARE(entry.Date, date);
}

void TestScorelist::luckyStamp() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TScorelist list;
    const QString before = DateText(QDateTime::currentDateTime(), QLocale());
    list.AddEntry({QStringLiteral("A"), QStringLiteral("*LUCKY*"), 12, 3});
    const QString after = DateText(QDateTime::currentDateTime(), QLocale());
    const TScoreEntry entry = list.GetEntry(1);
    QVERIFY2(entry.Date == before || entry.Date == after, qPrintable(entry.Date));
    static const QRegularExpression pattern(
        QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
    QVERIFY2(pattern.match(entry.Date).hasMatch(), qPrintable(entry.Date));
}

void TestScorelist::dateText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    const QDateTime evening(QDate(2026, 12, 7), QTime(20, 13, 5));
    const QDateTime morning(QDate(2026, 3, 4), QTime(8, 5, 9));
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German evening") << german << evening << "07.12.2026 20:13:05";
    QTest::newRow("German morning") << german << morning << "04.03.2026 08:05:09";
    QTest::newRow("German last century")
        << german << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)) << "31.12.1999 23:59:59";
    QTest::newRow("US evening") << american << evening << "12/7/2026 8:13:05 PM";
    QTest::newRow("US morning") << american << morning << "3/4/2026 8:05:09 AM";
    QTest::newRow("C") << QLocale::c() << evening << "7 Dec 2026 20:13:05";
    QTest::newRow("four-digit year already")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << evening << "07/12/2026 20:13:05";
    QTest::newRow("time zone before the time")
        << QLocale(QLocale::Chinese, QLocale::China) << evening << "2026/12/7 20:13:05";
    QTest::newRow("quoted text kept")
        << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << evening << "7.12.2026 г. 20:13:05 ч.";
}

void TestScorelist::dateText() {
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(DateText(when, locale), text);
}

QTEST_MAIN(TestScorelist)
#include "tst_scorelist.moc"
