// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardPicture.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Options.h"

#include <QtTest>

#include <memory>

using namespace brimbal;

Q_DECLARE_METATYPE(QList<QPoint>)

namespace {

TBoardPicture ToPicture(const QStringList& rows) {
    TBoardPicture picture;
    for (const QString& row : rows) {
        picture.push_back(row.toStdString());
    }
    return picture;
}

QStringList FromPicture(const TBoardPicture& picture) {
    QStringList rows;
    for (const std::string& row : picture) {
        rows << QString::fromStdString(row);
    }
    return rows;
}

// One game with its recording host and scripted random numbers.
struct TFixture {
    TFakeGameHost Host;
    TScriptedRandom Rng;
    TOptions Options;
    TGame Game{Host, Host, Rng, Options};

    bool Load(const QStringList& rows, int modus = 1) {
        Options.Modus = modus;
        return LoadBoardPicture(Game, ToPicture(rows));
    }
    void Click(QPoint cell) { Game.SpielfeldMouseUp(cell.x(), cell.y()); }
    QStringList Board(bool withPreview = false) const {
        return FromPicture(BoardPicture(Game, withPreview));
    }
    QStringList Marks() const { return FromPicture(MarkPicture(Game)); }
};

const QStringList KNoMarks{"...........", "...........", "...........", "...........",
                           "...........", "...........", "...........", "...........",
                           "...........", "...........", "..........."};

// Tiles at the right as mode 1 leaves them: a group of three 1s, a pair of 2s, three lone tiles.
const QStringList KSmallBoard{"...........", "...........", "...........", "...........",
                              "...........", "...........", "...........", "...........",
                              "......3....", "......12...", "......11224"};

// What a removal changes: the board with its preview, the score and the generator's state.
QStringList StateOf(const TGame& game, const IRandom& rng) {
    return FromPicture(BoardPicture(game, true)) << QString("Total %1, MaxGroup %2, random %3")
                                                        .arg(game.Total())
                                                        .arg(game.MaxGroup())
                                                        .arg(rng.SaveState());
}

// Removes the group at a cell that a seeded player picks, with two clicks. Returns the cell.
QPoint RemoveSomeGroup(TGame& game, IRandom& player) {
    for (;;) {
        const QPoint cell(player.Random(KFieldColumns), player.Random(KRows));
        const bool group = game.FeldMarkTilesBeginningWith(cell.x(), cell.y(), true) >= 2;
        game.DeselectAll();
        if (group) {
            game.SpielfeldMouseUp(cell.x(), cell.y());
            game.SpielfeldMouseUp(cell.x(), cell.y());
            return cell;
        }
    }
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void initGame_data();
    void initGame();
    void initGameDrawOrder();
    void initGameKeepsSelectionFlag();
    void dealPreviewCounts();
    void clickStateMachine_data();
    void clickStateMachine();
    void loneTileBetweenClicksDropsSelection();
    void wholeFieldIsOneGroup();
    void markingEmptyCellChangesNothing();
    void silentMarking_data();
    void silentMarking();
    void removeTilesNeedsTwoMarks_data();
    void removeTilesNeedsTwoMarks();
    void removal_data();
    void removal();
    void animationLeavesHoles();
    void dropColumn_data();
    void dropColumn();
    void gameover_data();
    void gameover();
    void gameoverDropsSelectionOnLoneTile();
    void scoring_data();
    void scoring();
    void scoreSaturates();
    void gameoverFlow_data();
    void gameoverFlow();
    void practice_data();
    void practice();
};

void TestGame::initGame_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("preview");
    QTest::newRow("mode 0") << 0 << false;
    QTest::newRow("mode 1") << 1 << false;
    QTest::newRow("mode 2") << 2 << true;
    QTest::newRow("mode 5") << 5 << true;
    QTest::newRow("mode 6") << 6 << true;
    QTest::newRow("mode -3") << -3 << false;
}

void TestGame::initGame() {
    QFETCH(int, modus);
    QFETCH(bool, preview);
    TFixture f;
    f.Options.Modus = modus;
    f.Host.Now = 0.5;
    f.Game.UpdateScore(12); // some score of an earlier game
    f.Host.Calls.clear();
    f.Game.InitGame();

    for (int column = 0; column < KFieldColumns; ++column) {
        for (int row = 0; row < KRows; ++row) {
            QVERIFY(f.Game.Tile(column, row) >= 1 && f.Game.Tile(column, row) <= 5);
            QVERIFY(!f.Game.IsMarked(column, row));
        }
    }
    // The preview is one unbroken run that ends at row 10.
    int tiles = 0;
    bool gapSeen = false;
    for (int row = KRows - 1; row >= 0; --row) {
        const int value = f.Game.Tile(KPreviewColumn, row);
        if (value == 0) {
            gapSeen = true;
        } else {
            QVERIFY(!gapSeen);
            QVERIFY(value >= 1 && value <= 5);
            ++tiles;
        }
    }
    QCOMPARE(tiles > 0, preview);
    QCOMPARE(f.Game.MarkedCount(), 0);
    QCOMPARE(f.Game.Total(), 0);
    QCOMPARE(f.Game.MaxGroup(), 0);
    QVERIFY(f.Game.GameRunning());
    QCOMPARE(f.Game.GameStart(), 0.5);
    QCOMPARE(f.Host.Calls, QStringList({"recalc", "repaint", "score 0"}));
    QCOMPARE(f.Host.Panel0, QString("points 132"));
}

void TestGame::initGameDrawOrder() {
    TFixture f;
    f.Options.Modus = 2;
    f.Game.SetTile(KPreviewColumn, 0, 4); // left over from an earlier, longer preview
    for (int i = 0; i < 121; ++i) {
        f.Rng.Script.push_back(i % 5);
    }
    f.Rng.Script.insert(f.Rng.Script.end(), {3, 0, 1, 2, 3, 4, 0, 1, 2});
    f.Game.InitGame();

    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            QCOMPARE(f.Game.Tile(column, row), (row * 11 + column) % 5 + 1);
        }
    }
    QCOMPARE(f.Board(true).mid(0, 4),
             QStringList({"123451234514", "23451234512.", "34512345123.", "451234512343"}));
    const QString preview = [&] {
        QString text;
        for (int row = 0; row < KRows; ++row) {
            text += QString::number(f.Game.Tile(KPreviewColumn, row));
        }
        return text;
    }();
    QCOMPARE(preview, QString("40032154321"));
    std::vector<std::int32_t> asked(121, 5);
    asked.push_back(11);
    asked.insert(asked.end(), 8, 5);
    QCOMPARE(f.Rng.Asked, asked);
}

void TestGame::initGameKeepsSelectionFlag() {
    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    f.Click({6, 10});
    QVERIFY(f.Game.SelectionActive());
    f.Game.InitGame();
    QVERIFY(f.Game.SelectionActive());
    QCOMPARE(f.Game.MarkedCount(), 0);
    QCOMPARE(f.Marks(), KNoMarks);
    // The next click on a tile starts a new selection instead of removing anything.
    f.Host.Calls.clear();
    f.Game.SpielfeldMouseUp(0, 0);
    QVERIFY(!f.Host.Calls.join('|').contains("points"));
}

void TestGame::dealPreviewCounts() {
    TFakeGameHost host;
    TRandom rng(2026);
    TOptions options;
    options.Modus = 2;
    TGame game(host, host, rng, options);
    int counts[12] = {};
    for (int deal = 0; deal < 11000; ++deal) {
        for (int row = 0; row < KRows; ++row) {
            game.SetTile(KPreviewColumn, row, 0);
        }
        game.DealPreview();
        int tiles = 0;
        for (int row = KRows - 1; row >= 0 && game.Tile(KPreviewColumn, row) != 0; --row) {
            ++tiles;
        }
        for (int row = KRows - 1 - tiles; row >= 0; --row) {
            QCOMPARE(game.Tile(KPreviewColumn, row), 0); // one unbroken run ending at row 10
        }
        QVERIFY(tiles >= 1 && tiles <= 11);
        ++counts[tiles];
    }
    for (int tiles = 1; tiles <= 11; ++tiles) {
        QVERIFY2(counts[tiles] > 800 && counts[tiles] < 1200,
                 qPrintable(QString("%1 tiles dealt %2 times").arg(tiles).arg(counts[tiles])));
    }
}

void TestGame::clickStateMachine_data() {
    QTest::addColumn<QList<QPoint>>("before");
    QTest::addColumn<bool>("quick");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<QStringList>("board");

    const QPoint group1{6, 10}; // 1s: (6,9) (6,10) (7,10)
    const QPoint group2{8, 10}; // 2s: (8,10) (9,10)
    const QPoint lone{10, 10};
    const QPoint outside{-1, -1};
    const QPoint empty{3, 3};
    QStringList marks1 = KNoMarks;
    marks1[9] = "......x....";
    marks1[10] = "......xx...";
    QStringList marks2 = KNoMarks;
    marks2[10] = "........xx.";
    const QStringList marked1{"marked 3", "outline", "repaint"};
    const QStringList marked2{"marked 2", "outline", "repaint"};
    const QString tooFew = "too few";
    const QStringList redraw{"redraw", "repaint"};
    QStringList after1 = KNoMarks;
    after1[10] = "......32224";
    QStringList after2 = KNoMarks;
    after2[8] = "........3..";
    after2[9] = "........12.";
    after2[10] = "........114";

    QTest::newRow("none: outside")
        << QList<QPoint>{} << false << outside << redraw << KNoMarks << false << KSmallBoard;
    QTest::newRow("none: empty cell")
        << QList<QPoint>{} << false << empty << redraw << KNoMarks << false << KSmallBoard;
    QTest::newRow("none: group") << QList<QPoint>{} << false << group1 << marked1 << marks1 << true
                                 << KSmallBoard;
    QTest::newRow("none: lone") << QList<QPoint>{} << false << lone << QStringList{tooFew}
                                << KNoMarks << false << KSmallBoard;
    QTest::newRow("selected: outside")
        << QList<QPoint>{group1} << false << outside << redraw << KNoMarks << false << KSmallBoard;
    QTest::newRow("selected: empty cell")
        << QList<QPoint>{group1} << false << empty << redraw << KNoMarks << false << KSmallBoard;
    QTest::newRow("selected: same group")
        << QList<QPoint>{group1} << false << QPoint(7, 10)
        << QStringList{"points 6", "score 6", "redraw", "repaint"} << KNoMarks << false << after1;
    QTest::newRow("selected: other group")
        << QList<QPoint>{group1} << false << group2 << marked2 << marks2 << true << KSmallBoard;
    QTest::newRow("selected: lone")
        << QList<QPoint>{group1} << false << lone << QStringList{tooFew, "redraw", "repaint"}
        << KNoMarks << false << KSmallBoard;
    QTest::newRow("quick: group") << QList<QPoint>{} << true << group1
                                  << marked1 +
                                         QStringList{"points 6", "score 6", "redraw", "repaint"}
                                  << KNoMarks << false << after1;
    QTest::newRow("quick: lone") << QList<QPoint>{} << true << lone << QStringList{tooFew}
                                 << KNoMarks << false << KSmallBoard;
    QTest::newRow("quick: outside")
        << QList<QPoint>{} << true << outside << redraw << KNoMarks << false << KSmallBoard;
    QTest::newRow("quick switched on while selected: other group")
        << QList<QPoint>{group1} << true << group2
        << marked2 + QStringList{"points 2", "score 2", "redraw", "repaint"} << KNoMarks << false
        << after2;
    QTest::newRow("quick switched on while selected: lone")
        << QList<QPoint>{group1} << true << lone << QStringList{tooFew, "redraw", "repaint"}
        << KNoMarks << false << KSmallBoard;
}

void TestGame::clickStateMachine() {
    QFETCH(QList<QPoint>, before);
    QFETCH(bool, quick);
    QFETCH(QPoint, click);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, marks);
    QFETCH(bool, selection);
    QFETCH(QStringList, board);

    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    for (const QPoint& cell : before) {
        f.Click(cell);
    }
    f.Options.Quick = quick;
    f.Host.Calls.clear();
    f.Click(click);

    QCOMPARE(f.Host.Calls, calls);
    QCOMPARE(f.Marks(), marks);
    QCOMPARE(f.Game.SelectionActive(), selection);
    QCOMPARE(f.Game.MarkedCount(), int(marks.join("").count('x')));
    QCOMPARE(f.Board(), board);
}

void TestGame::loneTileBetweenClicksDropsSelection() {
    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    f.Click({6, 10});
    f.Click({10, 10}); // lone tile
    QCOMPARE(f.Host.Panel0, QString("too few"));
    f.Click({6, 10}); // marks again instead of removing
    QCOMPARE(f.Board(), KSmallBoard);
    QCOMPARE(f.Game.MarkedCount(), 3);
    f.Click({6, 9});
    QCOMPARE(f.Game.Total(), 6);
}

void TestGame::wholeFieldIsOneGroup() {
    TFixture f;
    QStringList full;
    for (int row = 0; row < KRows; ++row) {
        full << "33333333333";
    }
    QVERIFY(f.Load(full));
    f.Click({5, 5});
    QCOMPARE(f.Host.Panel0, QString("marked 121"));
    QCOMPARE(f.Game.MarkedCount(), 121);
    f.Click({0, 0});
    QCOMPARE(f.Host.Panel0, QString("points 14520"));
    QCOMPARE(f.Host.Panel1, QString("score 14520"));
    QCOMPARE(f.Board(), KNoMarks); // cleared completely in mode 1
    QVERIFY(f.Host.Calls.contains("gameover"));
    QVERIFY(!f.Game.GameRunning());
}

void TestGame::markingEmptyCellChangesNothing() {
    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    f.Click({6, 10});
    f.Host.Calls.clear();
    QCOMPARE(f.Game.FeldMarkTilesBeginningWith(0, 0, false), 0);
    QCOMPARE(f.Game.FeldMarkTilesBeginningWith(0, 0, true), 0);
    QCOMPARE(f.Host.Calls, QStringList());
    QCOMPARE(f.Game.MarkedCount(), 3);
    QVERIFY(f.Game.SelectionActive());
    QVERIFY(f.Game.IsMarked(7, 10));
}

void TestGame::silentMarking_data() {
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("selectionAfter");
    QTest::addColumn<int>("countAfter");
    QTest::addColumn<int>("marksAfter");
    QTest::newRow("group keeps marks and count") << QPoint(8, 10) << 2 << true << 3 << 2;
    QTest::newRow("lone tile drops selection") << QPoint(10, 10) << 1 << false << 0 << 0;
}

void TestGame::silentMarking() {
    QFETCH(QPoint, cell);
    QFETCH(int, size);
    QFETCH(bool, selectionAfter);
    QFETCH(int, countAfter);
    QFETCH(int, marksAfter);
    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    f.Click({6, 10}); // selects the three 1s
    f.Host.Calls.clear();
    QCOMPARE(f.Game.FeldMarkTilesBeginningWith(cell.x(), cell.y(), true), size);
    QCOMPARE(f.Host.Calls, QStringList());
    QCOMPARE(f.Game.SelectionActive(), selectionAfter);
    QCOMPARE(f.Game.MarkedCount(), countAfter);
    QCOMPARE(int(f.Marks().join("").count('x')), marksAfter);
}

void TestGame::removeTilesNeedsTwoMarks_data() {
    QTest::addColumn<bool>("silentPair");
    QTest::newRow("nothing marked") << false;
    QTest::newRow("marks without count") << true;
}

void TestGame::removeTilesNeedsTwoMarks() {
    QFETCH(bool, silentPair);
    TFixture f;
    QVERIFY(f.Load(KSmallBoard));
    if (silentPair) {
        f.Game.FeldMarkTilesBeginningWith(8, 10, true);
    }
    f.Host.Calls.clear();
    f.Game.RemoveTiles();
    QCOMPARE(f.Host.Calls, QStringList());
    QCOMPARE(f.Board(), KSmallBoard);
}

void TestGame::removal_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("points");

    QStringList empty8 = QStringList(KNoMarks.mid(0, 8));
    auto board = [](const QStringList& head, const QStringList& rows) {
        return head + rows;
    };
    QStringList empty8p;
    for (const QString& row : empty8) {
        empty8p << row + ".";
    }

    QTest::newRow("mode 1: column 10 emptied")
        << 1 << board(empty8, {"...........", "..........1", "22452345231"}) << QPoint(10, 10)
        << QList<int>{} << board(empty8, {"...........", "...........", ".2245234523"}) << 2;
    QTest::newRow("mode 1: column 0 emptied")
        << 1 << board(empty8, {"...........", "1..........", "12245234523"}) << QPoint(0, 9)
        << QList<int>{} << board(empty8, {"...........", "...........", ".2245234523"}) << 2;
    QTest::newRow("mode 2: column 10 emptied")
        << 2 << board(empty8p, {"...........5", "..........14", "224523452313"}) << QPoint(10, 10)
        << QList<int>{9, 0, 1} << board(empty8p, {"5...........", "4..........2", "322452345231"})
        << 2;
    // A stored mode of 0 or below refills from the preview column like modes 2 to 5.
    for (int modus : {0, -3}) {
        QTest::addRow("mode %d: column 10 emptied", modus)
            << modus << board(empty8p, {"...........5", "..........14", "224523452313"})
            << QPoint(10, 10) << QList<int>{9, 0, 1}
            << board(empty8p, {"5...........", "4..........2", "322452345231"}) << 2;
    }
    QTest::newRow("mode 2: column 0 emptied")
        << 2 << board(empty8p, {"...........5", "1..........4", "122452345233"}) << QPoint(0, 10)
        << QList<int>{10, 3} << board(empty8p, {"5...........", "4...........", "322452345234"})
        << 2;
    QTest::newRow("mode 2: two columns emptied")
        << 2 << board(empty8p, {"...........5", "234.234.5544", "345111112323"}) << QPoint(3, 10)
        << QList<int>{10, 1, 8, 2, 3, 4}
        << board(empty8p, {".5.........5", ".4234...5544", "233452342323"}) << 20;
    QTest::newRow("mode 1: two columns emptied")
        << 1 << board(empty8p, {"...........5", "234.234.5544", "345111112323"}) << QPoint(3, 10)
        << QList<int>{} << board(empty8p, {"...........5", "..234...5544", "..3452342323"}) << 20;
    QTest::newRow("mode 1: tiles fall")
        << 1 << board(empty8, {"....5......", "....1......", "22451234523"}) << QPoint(4, 9)
        << QList<int>{} << board(empty8, {"...........", "...........", "22455234523"}) << 2;
}

void TestGame::removal() {
    QFETCH(int, modus);
    QFETCH(QStringList, before);
    QFETCH(QPoint, click);
    QFETCH(QList<int>, script);
    QFETCH(QStringList, after);
    QFETCH(int, points);

    TFixture f;
    QVERIFY(f.Load(before, modus));
    for (int value : script) {
        f.Rng.Script.push_back(value);
    }
    f.Click(click);
    QVERIFY(f.Game.MarkedCount() >= 2);
    f.Click(click);
    QCOMPARE(f.Board(after.first().size() == KColumnsWithPreview), after);
    QVERIFY(f.Rng.Script.empty());
    QCOMPARE(f.Game.Total(), points);
    QCOMPARE(f.Game.MarkedCount(), 0);
    QCOMPARE(f.Marks(), KNoMarks);
    QVERIFY(!f.Host.Calls.contains("gameover"));
}

void TestGame::animationLeavesHoles() {
    TFixture f;
    QStringList before = KNoMarks;
    before[7] = ".....22....";
    before[8] = ".....1.....";
    before[9] = ".....1.....";
    before[10] = "3443333....";
    QVERIFY(f.Load(before));
    f.Options.Animation = true;
    f.Click({5, 8});
    f.Click({5, 9});
    QStringList after = before;
    after[8] = "...........";
    after[9] = "...........";
    QCOMPARE(f.Board(), after);
    QCOMPARE(f.Game.Total(), 2);
    // The pair of 2s above the hole stays where it was and still forms a group.
    f.Click({5, 7});
    QCOMPARE(f.Game.MarkedCount(), 2);
    QVERIFY(f.Game.IsMarked(6, 7));
}

void TestGame::dropColumn_data() {
    QTest::addColumn<QString>("column"); // rows 0 to 10, top first
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << "..........."
                           << "..........." << 0;
    QTest::newRow("already down") << "........123"
                                  << "........123" << 3;
    QTest::newRow("gap in the middle") << "......12.3."
                                       << "........123" << 3;
    QTest::newRow("gaps everywhere") << "1.2.3.4.5.1"
                                     << ".....123451" << 6;
    QTest::newRow("full") << "12345123451"
                          << "12345123451" << 11;
}

void TestGame::dropColumn() {
    QFETCH(QString, column);
    QFETCH(QString, dropped);
    QFETCH(int, count);
    TFixture f;
    for (int row = 0; row < KRows; ++row) {
        f.Game.SetTile(4, row, column[row] == '.' ? 0 : column[row].digitValue());
    }
    QCOMPARE(f.Game.DropColumn(4), count);
    QString result;
    for (int row = 0; row < KRows; ++row) {
        const int value = f.Game.Tile(4, row);
        result += value == 0 ? QChar('.') : QChar('0' + value);
    }
    QCOMPARE(result, dropped);
}

void TestGame::gameover_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<bool>("over");
    QStringList checker;
    for (int row = 0; row < KRows; ++row) {
        QString line;
        for (int column = 0; column < KFieldColumns; ++column) {
            line += QChar('1' + (row + column) % 2);
        }
        checker << line;
    }
    QStringList pair = KNoMarks;
    pair[10] = "........2.2";
    pair[9] = "..........2";
    QStringList previewPair;
    for (int row = 0; row < KRows; ++row) {
        previewPair << checker[row] + (row >= 9 ? "3" : ".");
    }
    previewPair[10][10] = '3';
    previewPair[10][11] = '4';
    previewPair[9][11] = '4';
    QTest::newRow("empty board") << 1 << KNoMarks << true;
    QTest::newRow("lone tiles only") << 1 << checker << true;
    QTest::newRow("single pair") << 1 << pair << false;
    QTest::newRow("pair only in the preview") << 2 << previewPair << true;
    QTest::newRow("small board") << 1 << KSmallBoard << false;
}

void TestGame::gameover() {
    QFETCH(int, modus);
    QFETCH(QStringList, board);
    QFETCH(bool, over);
    TFixture f;
    QVERIFY(f.Load(board, modus));
    f.Game.FeldMarkTilesBeginningWith(8, 10, true); // stray marks that the test must clear
    f.Host.Calls.clear();
    QCOMPARE(f.Game.CheckForGameover(), over);
    QCOMPARE(f.Host.Calls, QStringList());
    QCOMPARE(f.Marks(), KNoMarks);
    QCOMPARE(f.Game.MarkedCount(), 0);
}

void TestGame::gameoverDropsSelectionOnLoneTile() {
    TFixture f;
    QStringList pairs = KNoMarks;
    pairs[10] = ".......1122";
    QVERIFY(f.Load(pairs));
    f.Click({7, 10});
    QVERIFY(f.Game.SelectionActive());
    QVERIFY(!f.Game.CheckForGameover());
    QVERIFY(f.Game.SelectionActive()); // no lone tile on this board
    QVERIFY(f.Load(KSmallBoard));
    QVERIFY(!f.Game.CheckForGameover());
    QVERIFY(!f.Game.SelectionActive()); // the lone tiles dropped it
}

void TestGame::scoring_data() {
    QTest::addColumn<QList<int>>("removals");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("maxGroup");
    QTest::addColumn<QString>("panel0");
    QTest::newRow("two") << QList<int>{2} << 2 << 2 << "points 2";
    QTest::newRow("five then three") << QList<int>{5, 3} << 26 << 5 << "points 6";
    QTest::newRow("equal to largest") << QList<int>{4, 4} << 24 << 4 << "points 12";
    QTest::newRow("twenty") << QList<int>{10, 20} << 470 << 20 << "points 380";
    QTest::newRow("reset keeps panel 0") << QList<int>{5, -1} << 0 << 0 << "points 20";
}

void TestGame::scoring() {
    QFETCH(QList<int>, removals);
    QFETCH(int, total);
    QFETCH(int, maxGroup);
    QFETCH(QString, panel0);
    TFixture f;
    for (int n : removals) {
        f.Game.UpdateScore(n);
    }
    QCOMPARE(f.Game.Total(), total);
    QCOMPARE(f.Game.MaxGroup(), maxGroup);
    QCOMPARE(f.Host.Panel0, panel0);
    QCOMPARE(f.Host.Panel1, "score " + QString::number(total));
}

void TestGame::scoreSaturates() {
    TFixture f;
    for (int i = 0; i < 150000; ++i) {
        f.Game.UpdateScore(121);
    }
    QCOMPARE(f.Game.Total(), std::numeric_limits<std::int32_t>::max());
}

void TestGame::gameoverFlow_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("new game") << 6 << QStringList{"recalc", "repaint", "score 0"};
    QTest::newRow("end") << 7 << QStringList{"close", "redraw", "repaint"};
    QTest::newRow("box closed otherwise") << 2 << QStringList{"close", "redraw", "repaint"};
}

void TestGame::gameoverFlow() {
    QFETCH(int, answer);
    QFETCH(QStringList, after);
    TFixture f;
    QStringList board = KNoMarks;
    board[10] = "........2.2";
    board[9] = "..........2";
    QVERIFY(f.Load(board));
    f.Host.GameoverAnswer = answer;
    bool runningDuringGameover = true;
    int marksDuringGameover = -1;
    f.Host.DuringGameover = [&] {
        runningDuringGameover = f.Game.GameRunning();
        marksDuringGameover = f.Game.MarkedCount();
    };
    f.Click({10, 10});
    f.Host.Calls.clear();
    f.Click({10, 9});
    QCOMPARE(f.Host.Calls,
             QStringList({"points 2", "score 2", "redraw", "repaint", "gameover"}) + after);
    QVERIFY(!runningDuringGameover);
    QCOMPARE(marksDuringGameover, 0);
    QCOMPARE(f.Game.GameRunning(), answer == 6);
    QVERIFY(!f.Game.SelectionActive());
}

void TestGame::practice_data() {
    QTest::addColumn<int>("modus");
    QTest::newRow("mode 1") << 1;
    QTest::newRow("mode 2") << 2;
}

// Random games: each removal taken back (a group marked or not) and done again from the history;
// then all taken back to the deal and made again by clicks; then the deal played again. Each
// step gives the very boards, scores and generator states of the first time.
void TestGame::practice() {
    QFETCH(int, modus);
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        TFakeGameHost host;
        TRandom rng(seed);
        TRandom player(seed + 100);
        TOptions options;
        options.Modus = modus;
        TGame game(host, host, rng, options);
        game.InitGame();
        QList<QStringList> states{StateOf(game, rng)};
        QList<QPoint> cells;
        const int stopAfter = player.Random(40) + 1;
        while (game.GameRunning() && cells.size() < stopAfter) {
            cells << RemoveSomeGroup(game, player);
            states << StateOf(game, rng);
            if (game.GameRunning()) {
                game.SpielfeldMouseUp(player.Random(KFieldColumns), player.Random(KRows));
                QVERIFY(game.TakeBack());
                QCOMPARE(StateOf(game, rng), states[states.size() - 2]);
                QCOMPARE(FromPicture(MarkPicture(game)), KNoMarks);
                QVERIFY(game.Redo());
                QCOMPARE(StateOf(game, rng), states.last());
            }
        }
        if (!game.GameRunning()) {
            continue; // nothing is taken back after the end
        }
        while (game.TakeBack()) {
        }
        QCOMPARE(StateOf(game, rng), states.first());
        for (qsizetype move = 0; move < cells.size(); ++move) {
            game.SpielfeldMouseUp(cells[move].x(), cells[move].y());
            game.SpielfeldMouseUp(cells[move].x(), cells[move].y());
            QCOMPARE(StateOf(game, rng), states[move + 1]);
        }
        QVERIFY(!game.CanRedo());
        host.Now = 0.75;
        QVERIFY(game.RestartDeal());
        QCOMPARE(StateOf(game, rng), states.first());
        QVERIFY(game.Practice() && !game.CanTakeBack() && game.GameStart() == 0.75);
        game.SpielfeldMouseUp(cells[0].x(), cells[0].y());
        game.SpielfeldMouseUp(cells[0].x(), cells[0].y());
        QCOMPARE(StateOf(game, rng), states[1]);
    }
}

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"
