// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// Loads thousands of generated hostile settings files: none may crash the game, and every valid
// entry of a file that is only partly broken must come back.
#include "Options.h"
#include "ScoreTables.h"
#include "Settings.h"
#include "SettingsFixture.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace brimbal;

namespace {

QByteArray RandomBytes(QRandomGenerator& rng, int length) {
    QByteArray bytes(length, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = char(rng.bounded(256));
    }
    return bytes;
}

// A line that no reader may take for a value: no "=", no section, no line break.
QByteArray JunkLine(QRandomGenerator& rng) {
    QByteArray line = RandomBytes(rng, int(rng.bounded(1, 80)));
    for (char& byte : line) {
        if (byte == '=' || byte == '\n') {
            byte = '?';
        }
    }
    if (line.trimmed().startsWith('[')) {
        line.prepend('x');
    }
    return line;
}

QByteArray RandomValue(QRandomGenerator& rng) {
    switch (rng.bounded(9)) {
    case 0:
        return QByteArray::number(rng.generate64());
    case 1:
        return QByteArray::number(qint64(rng.generate64()));
    case 2:
        return "@Variant(" + RandomBytes(rng, int(rng.bounded(40))) + ")";
    case 3:
        return "@ByteArray(" + RandomBytes(rng, int(rng.bounded(40))) + ")";
    case 4:
        return QByteArray(int(rng.bounded(100000)), 'n');
    case 5:
        return "\"" + RandomBytes(rng, int(rng.bounded(20))).replace('\n', ' ');
    case 6:
        return QByteArray::number(int(rng.bounded(-5, 100)));
    case 7:
        return "\\x" + QByteArray::number(rng.generate(), 16) + "\\";
    default:
        return RandomBytes(rng, int(rng.bounded(30))).replace('\n', ' ');
    }
}

QByteArray RandomKey(QRandomGenerator& rng) {
    static const char* const names[] = {"Modus", "Sound",  "AnzeigeBitmaps", "Shade",
                                        "Quick", "Bubble", "Animation",      "AltColor"};
    if (rng.bounded(3) == 0) {
        return names[rng.bounded(8)];
    }
    return QString("M%1S%2%3")
        .arg(rng.bounded(7), 3, 10, QChar('0'))
        .arg(rng.bounded(12), 3, 10, QChar('0'))
        .arg(QChar("NDPCMX"[rng.bounded(6)]))
        .toLatin1();
}

QByteArray HostileFile(QRandomGenerator& rng) {
    QByteArray file;
    switch (rng.bounded(4)) {
    case 0:
        return RandomBytes(rng, int(rng.bounded(4000)));
    case 1: // sections and values of every wrong kind
        for (int line = 0, lines = int(rng.bounded(60)); line < lines; ++line) {
            if (rng.bounded(8) == 0) {
                file += rng.bounded(2) ? "[Highscore]\n" : "[General\n";
            } else {
                file += RandomKey(rng) + "=" + RandomValue(rng) + "\n";
            }
        }
        return file;
    case 2: // missing groups, stray brackets and quotes
        for (int line = 0, lines = int(rng.bounded(40)); line < lines; ++line) {
            file += QByteArray("[\"]=\\\n@").mid(int(rng.bounded(7)), int(rng.bounded(4))) +
                    RandomKey(rng) + "=" + RandomValue(rng).left(50) + "\r\n";
        }
        return file;
    default: // a valid file with bytes flipped
        file = "[General]\nModus=2\nSound=1\n[Highscore]\nM001S001N=Ann\nM001S001P=70\n";
        for (int flip = 0, flips = int(rng.bounded(1, 6)); flip < flips; ++flip) {
            file[int(rng.bounded(file.size()))] = char(rng.bounded(256));
        }
        return file;
    }
}

bool Sorted(const TScoreTables& highscore) {
    for (int mode = 1; mode <= 5; ++mode) {
        std::int32_t previous = std::numeric_limits<std::int32_t>::max();
        for (int rank = 1; rank <= 10; ++rank) {
            const std::int32_t points = highscore.GetScore(mode, rank).Points;
            if (points > previous) {
                return false;
            }
            previous = points;
        }
    }
    return true;
}

} // namespace

class TestSettingsFuzz : public QObject {
    Q_OBJECT

private slots:
    void hostileFiles();
    void validEntriesSurviveJunk();
};

void TestSettingsFuzz::hostileFiles() {
    QRandomGenerator rng(20261207);
    TSettingsDir dir;
    TScoreTables highscore;
    highscore.Init();
    for (int round = 0; round < 3000; ++round) {
        QVERIFY(dir.Write(HostileFile(rng)));
        TOptions options;
        TSettingsStore store;
        QVERIFY(store.Load(options, highscore));
        QVERIFY(Sorted(highscore));
        if (round % 100 == 0) {
            QVERIFY(store.Save(options, highscore)); // and what was read can be written back
        }
    }
}

void TestSettingsFuzz::validEntriesSurviveJunk() {
    QRandomGenerator rng(7);
    TSettingsDir dir;
    for (int round = 0; round < 300; ++round) {
        // Ten entries of mode 3 with distinct points, junk lines between every two lines.
        QList<int> points;
        QByteArray file = JunkLine(rng) + "\n[Highscore]\n";
        for (int rank = 1; rank <= 10; ++rank) {
            const int p = rank * 10 + int(rng.bounded(10));
            points << p;
            const QByteArray prefix = QString("M003S%1").arg(rank, 3, 10, QChar('0')).toLatin1();
            for (const QByteArray& line :
                 {prefix + "N=Spieler" + QByteArray::number(p), prefix + "D=d",
                  prefix + "P=" + QByteArray::number(p), prefix + "M=3"}) {
                file += line + "\n" + JunkLine(rng) + "\n";
            }
        }
        QVERIFY(dir.Write(file));
        TScoreTables highscore;
        highscore.Init();
        TOptions options;
        QVERIFY(TSettingsStore().Load(options, highscore));
        std::sort(points.begin(), points.end(), std::greater<int>());
        for (int rank = 1; rank <= 10; ++rank) {
            const TScoreEntry entry = highscore.GetScore(3, rank);
            QCOMPARE(entry.Points, points[rank - 1]);
            QCOMPARE(entry.Name, "Spieler" + QString::number(entry.Points));
        }
    }
}

QTEST_MAIN(TestSettingsFuzz)
#include "tst_settings_fuzz.moc"
