// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "ConfFormat.h"
#include "Options.h"
#include "ScoreTables.h"
#include "Settings.h"
#include "SettingsFixture.h"

#include <QtTest>

using namespace brimbal;

namespace {

QList<TScoreEntry> Table(const TScoreTables& highscore, int mode) {
    QList<TScoreEntry> table;
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = highscore.GetScore(mode, rank);
        if (entry.Points != 0 || !entry.Name.isEmpty()) {
            table << entry;
        }
    }
    return table;
}

// The entries of a table as "name/date/points/group" lines.
QStringList Lines(const TScoreTables& highscore, int mode) {
    QStringList lines;
    for (const TScoreEntry& e : Table(highscore, mode)) {
        lines << QString("%1/%2/%3/%4").arg(e.Name, e.Date).arg(e.Points).arg(e.MaxGroup);
    }
    return lines;
}

QString OptionsText(const TOptions& o) {
    return QString("Modus=%1 Sound=%2 AnzeigeBitmaps=%3 Shade=%4 Quick=%5 Bubble=%6 "
                   "Animation=%7 AltColor=%8 Symbole=%9")
        .arg(o.Modus)
        .arg(o.Sound)
        .arg(o.AnzeigeBitmaps)
        .arg(o.Shade)
        .arg(o.Quick)
        .arg(o.Bubble)
        .arg(o.Animation)
        .arg(o.AltColor)
        .arg(o.Symbole);
}

// Lines of a section of the written file.
QStringList SectionLines(const QByteArray& content, const QString& section) {
    QStringList lines;
    bool inside = false;
    for (const QString& line : QString::fromUtf8(content).split('\n')) {
        if (line.startsWith('[')) {
            inside = line == '[' + section + ']';
        } else if (inside && !line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstStart();
    void valueNames();
    void loadSortsByPoints();
    void namesAndDates();
    void roundTrip();
    void storedMode();
    void hostile_data();
    void hostile();
    void refusedSave();
    void escaping_data();
    void escaping();
};

void TestSettings::firstStart() {
    TSettingsDir dir;
    TScoreTables highscore;
    highscore.Init();
    TOptions options;
    options.Modus = 4;
    options.Quick = true;
    TSettingsStore store;
    QVERIFY(store.Load(options, highscore));
    QCOMPARE(OptionsText(options), OptionsText(TOptions()));
    for (int mode = 1; mode <= 5; ++mode) {
        QCOMPARE(Table(highscore, mode).size(), 0);
    }
    QVERIFY(!dir.Exists()); // reading creates nothing

    QVERIFY(store.Save(options, highscore));
    const QByteArray content = dir.Content();
    QCOMPARE(SectionLines(content, "General"),
             QStringList({"AltColor=0", "Animation=0", "AnzeigeBitmaps=0", "Bubble=0", "Modus=1",
                          "Quick=0", "Shade=0", "Sound=0", "Symbole=0"}));
    const QStringList highscoreLines = SectionLines(content, "Highscore");
    QCOMPARE(highscoreLines.size(), 200);
    QVERIFY(highscoreLines.contains("M001S001N="));
    QVERIFY(highscoreLines.contains("M001S001D="));
    QVERIFY(highscoreLines.contains("M001S001P=0"));
    QVERIFY(highscoreLines.contains("M005S010M=0"));
    QVERIFY(!content.contains("S001C"));
}

void TestSettings::valueNames() {
    TSettingsDir dir;
    TScoreTables highscore;
    highscore.Init();
    highscore.Add(5, {"Eva", "01.02.2026 10:11:12", 40, 7});
    highscore.Add(3, {"Udo", "x", 25, 5});
    QVERIFY(TSettingsStore().Save(TOptions(), highscore));
    const QStringList lines = SectionLines(dir.Content(), "Highscore");
    for (const char* line : {"M005S001N=Eva", "M005S001D=01.02.2026 10:11:12", "M005S001P=40",
                             "M005S001M=7", "M003S001N=Udo", "M003S001P=25", "M005S010M=0"}) {
        QVERIFY2(lines.contains(line), line);
    }
}

void TestSettings::loadSortsByPoints() {
    TSettingsDir dir;
    QVERIFY(dir.Write("[Highscore]\n"
                      "M002S001N=A\nM002S001D=d1\nM002S001P=30\nM002S001M=3\n"
                      "M002S002N=B\nM002S002D=d2\nM002S002P=80\nM002S002M=8\n"
                      "M002S003N=C\nM002S003D=d3\nM002S003P=50\nM002S003M=5\n"
                      "M002S004N=Zero\nM002S004D=d4\nM002S004P=0\nM002S004M=1\n"));
    TScoreTables highscore;
    highscore.Init();
    TOptions options;
    QVERIFY(TSettingsStore().Load(options, highscore));
    QCOMPARE(Lines(highscore, 2), QStringList({"B/d2/80/8", "C/d3/50/5", "A/d1/30/3"}));
}

void TestSettings::namesAndDates() {
    TSettingsDir dir;
    QVERIFY(dir.Write("[Highscore]\n"
                      "M001S001N=\nM001S001D=d1\nM001S001P=30\n"
                      "M001S002D=d2\nM001S002P=20\n"
                      "M001S003N=Ohne Datum\nM001S003P=10\n"
                      "M001S004N=Glück\nM001S004D=*lucky*\nM001S004P=5\n"));
    TScoreTables highscore;
    highscore.Init();
    TOptions options;
    QVERIFY(TSettingsStore().Load(options, highscore));
    QCOMPARE(Lines(highscore, 1), QStringList({"NAMENLOS/d1/30/0", "Namenlos/d2/20/0",
                                               "Ohne Datum/wann?/10/0", "Glück/*lucky*/5/0"}));
}

void TestSettings::roundTrip() {
    TSettingsDir dir;
    TScoreTables highscore;
    highscore.Init();
    // Equal points in several runs: the stored order must come back exactly.
    const int points[] = {50, 30, 30, 30, 20, 20, 10, 10, 10, 5};
    for (int mode = 1; mode <= 5; ++mode) {
        for (int i = 0; i < 10; ++i) {
            highscore.Add(mode, {QString("P%1-%2").arg(mode).arg(i), QString("D%1").arg(i),
                                 points[i] * mode, i + 2});
        }
    }
    QList<QStringList> before;
    for (int mode = 1; mode <= 5; ++mode) {
        before << Lines(highscore, mode);
    }
    TOptions options;
    options.Modus = 2;
    options.Bubble = true;
    options.AltColor = true;
    options.Shade = true;
    options.Symbole = true;
    QVERIFY(TSettingsStore().Save(options, highscore));

    TScoreTables loaded;
    loaded.Init();
    TOptions read;
    TSettingsStore store;
    QVERIFY(store.Load(read, loaded));
    QCOMPARE(OptionsText(read), OptionsText(options));
    for (int mode = 1; mode <= 5; ++mode) {
        QCOMPARE(Lines(loaded, mode), before[mode - 1]);
        QCOMPARE(Lines(loaded, mode).size(), 10);
    }
    // A second save of what was loaded writes the same file.
    const QByteArray first = dir.Content();
    QVERIFY(store.Save(read, loaded));
    QCOMPARE(dir.Content(), first);
}

void TestSettings::storedMode() {
    TSettingsDir dir;
    QVERIFY(dir.Write("[General]\nModus=3\n"));
    TScoreTables highscore;
    highscore.Init();
    TOptions options;
    QVERIFY(TSettingsStore().Load(options, highscore));
    QCOMPARE(options.Modus, 3);
}

void TestSettings::hostile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("mode1");

    const QString defaults = OptionsText(TOptions());
    const QByteArray scores = "[Highscore]\nM001S001N=Ann\nM001S001D=d\nM001S001P=70\n"
                              "M001S001M=6\nM001S002N=Bob\nM001S002D=e\nM001S002P=60\n"
                              "M001S002M=5\n";
    const QStringList both{"Ann/d/70/6", "Bob/e/60/5"};
    const QString soundOn = "Modus=1 Sound=1 AnzeigeBitmaps=0 Shade=0 Quick=0 Bubble=1 "
                            "Animation=0 AltColor=1 Symbole=0";

    QTest::newRow("text where a number belongs")
        << "[General]\nModus=zwei\nSound=1\nBubble=1\nAltColor=1\n" + scores << soundOn << both;
    QTest::newRow("numbers beyond 32 bits")
        << "[General]\nModus=4294967297\nSound=1\nBubble=1\nAltColor=1\nQuick=-2147483649\n" +
               scores
        << soundOn << both;
    QTest::newRow("words for switches")
        << "[General]\nSound=1\nQuick= TRUE "
           "\nBubble=true\nAltColor=1\nShade=on\nAnimation=False\n" +
               scores
        << QString("Modus=1 Sound=1 AnzeigeBitmaps=0 Shade=0 Quick=1 Bubble=1 Animation=0 "
                   "AltColor=1 Symbole=0")
        << both;
    QTest::newRow("any non-zero number is on")
        << QByteArray("[General]\nModus=-7\nSound=-1\nBubble=2147483647\nAltColor=7\n") + scores
        << QString("Modus=-7 Sound=1 AnzeigeBitmaps=0 Shade=0 Quick=0 Bubble=1 Animation=0 "
                   "AltColor=1 Symbole=0")
        << both;
    QTest::newRow("objects instead of text")
        << QByteArray("[General]\nModus=@Variant(\\0\\0\\0\\t\\0\\x7f\\xff\\xff\\xff)\nSound=1\n"
                      "Bubble=1\nAltColor=1\n[Highscore]\n"
                      "M001S001N=@ByteArray(Ann)\nM001S001D=@Invalid()\nM001S001P=70\n"
                      "M001S001M=@Rect(1 2 3 4)\nM001S002N=Bob\nM001S002D=e\nM001S002P=60\n"
                      "M001S002M=5\n")
        << soundOn << QStringList{"Namenlos/wann?/70/0", "Bob/e/60/5"};
    QTest::newRow("junk lines and binary bytes")
        << QByteArray("\x01\x02\xff\xfe junk\n[General]\nSound=1\n") +
               QByteArray("\0\0\0garbage line\n", 16) +
               QByteArray("=no key\nBubble=1\n\xc3\x28\nAltColor=1\n") + scores
        << soundOn << both;
    QTest::newRow("unterminated quote costs only its line")
        << QByteArray("[General]\nSound=1\nBubble=1\nAltColor=1\n[Highscore]\nM001S001N=\"Ann\n"
                      "M001S001D=d\nM001S001P=70\nM001S001M=6\nM001S002N=Bob\nM001S002D=e\n"
                      "M001S002P=60\nM001S002M=5\n")
        << soundOn << both;
    // A section name that is never closed changes no section, so the entries after it stay.
    QTest::newRow("unterminated section names")
        << QByteArray("[General\nSound=1\nBubble=1\n[\nAltColor=1\n[Highscore]\nM001S001N=Ann\n"
                      "M001S001D=d\n[\nM001S001P=70\nM001S001M=6\n[General\nM001S002N=Bob\n"
                      "M001S002D=e\n [Foo \nM001S002P=60\nM001S002M=5\n")
        << soundOn << both;
    QTest::newRow("no sections at all")
        << QByteArray("Sound=1\nBubble=1\nAltColor=1\n") << soundOn << QStringList();
    QTest::newRow("scores without their section")
        << QByteArray("M001S001N=Ann\nM001S001P=70\n") << defaults << QStringList();
    QTest::newRow("windows line ends and comments")
        << QByteArray("; comment\r\n[General]\r\nSound=1 ; on\r\nBubble=1\r\nAltColor=1\r\n"
                      "[Highscore]\r\nM001S001N=Ann\r\nM001S001D=d\r\nM001S001P=70\r\n"
                      "M001S001M=6\r\nM001S002N=Bob\r\nM001S002D=e\r\nM001S002P=60\r\n"
                      "M001S002M=5\r\n")
        << soundOn << both;
    QTest::newRow("negative and broken points")
        << QByteArray("[Highscore]\nM001S001N=Neg\nM001S001P=-5\nM001S002N=Exp\nM001S002P=1e5\n"
                      "M001S003N=Bob\nM001S003D=e\nM001S003P=60\nM001S003M=5\n")
        << defaults << QStringList{"Bob/e/60/5"};
    QTest::newRow("a name of 100 kB")
        << QByteArray("[Highscore]\nM001S001N=") + QByteArray(100000, 'x') +
               "\nM001S001D=d\nM001S001P=70\nM001S001M=6\n"
        << defaults << QStringList{QString(100000, 'x') + "/d/70/6"};
    QTest::newRow("escapes written by hand")
        << QByteArray("[Highscore]\nM001S001N=\\a\\b\\f\\v\\x41\\q\\0\nM001S001D=d\n"
                      "M001S001P=70\nM001S001M=6\n")
        << defaults << QStringList{QString("\a\b\f\vAq") + QChar(0) + "/d/70/6"};
    QTest::newRow("byte order mark before the scores")
        << "\xef\xbb\xbf" + scores + "[General]\nSound=1\nBubble=1\nAltColor=1\n"
        << soundOn << both;
    // Each character is written back as "\x0007": the name is cut to what that line can hold.
    QTest::newRow("a name of 300 000 escapes")
        << "[Highscore]\nM001S001N=" + QByteArray("\\a").repeated(300000) +
               "\nM001S001D=d\nM001S001P=70\nM001S001M=6\n"
        << defaults
        << QStringList{QString((TConfReader::KMaxLine - 10) / 6, QChar('\a')) + "/d/70/6"};
    QTest::newRow("empty file") << QByteArray() << defaults << QStringList();
}

void TestSettings::hostile() {
    QFETCH(QByteArray, file);
    QFETCH(QString, options);
    QFETCH(QStringList, mode1);
    TSettingsDir dir;
    QVERIFY(dir.Write(file));
    TScoreTables highscore;
    highscore.Init();
    TOptions read;
    TSettingsStore store;
    QVERIFY(store.Load(read, highscore));
    QCOMPARE(OptionsText(read), options);
    QCOMPARE(Lines(highscore, 1), mode1);
    // Saving over the broken file keeps every valid entry.
    QVERIFY(store.Save(read, highscore));
    TScoreTables again;
    again.Init();
    TOptions reread;
    QVERIFY(TSettingsStore().Load(reread, again));
    QCOMPARE(Lines(again, 1), mode1);
    QCOMPARE(OptionsText(reread), options);
}

void TestSettings::refusedSave() {
    TSettingsDir dir;
    // A file where the folder of the settings belongs: the store cannot write.
    QFile blocker(dir.Path() + "/Zelkor");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TScoreTables highscore;
    highscore.Init();
    highscore.Add(1, {"Ann", "d", 70, 6});
    TSettingsStore store;
    QVERIFY(!store.Save(TOptions(), highscore));
    QCOMPARE(store.Where(), dir.FileName());
    QVERIFY(!store.Problem().isEmpty());
    TOptions options;
    store.Load(options, highscore); // reading copes as well
    QCOMPARE(Table(highscore, 1).size(), 0);
}

void TestSettings::escaping_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("umlauts") << "Jürgen Größe";
    QTest::newRow("quotes") << "Der \"Große\" 'X'";
    QTest::newRow("backslashes") << "C:\\Spiele\\";
    QTest::newRow("separators") << "a, b; c = d # e";
    QTest::newRow("blanks around") << "  viel Platz  ";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("line breaks") << "zwei\r\nZeilen\n";
    QTest::newRow("control characters") << QString("a") + QChar(1) + QChar(0x7f) + "\t" + QChar(0);
    QTest::newRow("leading at") << "@Variant(nichts)";
    QTest::newRow("double at") << "@@";
    QTest::newRow("emoji") << QString::fromUtf8("Ball \xf0\x9f\x8e\xb1");
    QTest::newRow("brackets") << "[Highscore]";
    // Names that UTF-8 cannot hold as they are, or that its decoder changes.
    QTest::newRow("byte order mark first") << QString(QChar(0xfeff)) + "Ann" + QChar(0xfeff);
    QTest::newRow("lone surrogates")
        << QString("a") + QChar(0xd800) + "b" + QChar(0xdc00) + QChar(0xdfff) + QChar(0xd83c);
    QTest::newRow("noncharacters") << QString(QChar(0xfffe)) + QChar(0xffff) + QChar(0xfffd);
}

void TestSettings::escaping() {
    QFETCH(QString, name);
    TSettingsDir dir;
    TScoreTables highscore;
    highscore.Init();
    highscore.Add(1, {name, name, 10, 2});
    // A window that saves again and again takes its own entry for no one else's.
    TSettingsStore store;
    for (int save = 0; save < 6; ++save) {
        QVERIFY(store.Save(TOptions(), highscore));
    }
    TScoreTables loaded;
    loaded.Init();
    TOptions options;
    QVERIFY(TSettingsStore().Load(options, loaded));
    const QList<TScoreEntry> table = Table(loaded, 1);
    QCOMPARE(table.size(), 1);
    QCOMPARE(table[0].Name, name);
    QCOMPARE(table[0].Date, name);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
