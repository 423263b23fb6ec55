// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"

#include <QtTest>

using namespace brimbal;

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void recalc_data();
    void recalc();
    void hitTest_data();
    void hitTest();
    void cells_data();
    void cells();
};

void TestGeometry::recalc_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("bitmaps");
    // CellWidth, CellHeight, TileWidth, TileHeight, FieldLeft, FieldTop, GapX, GapY
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("637x485 ellipses")
        << QSize(637, 485) << false << QList<int>{53, 40, 47, 30, 30, 27, 3, 5};
    QTest::newRow("637x485 balls")
        << QSize(637, 485) << true << QList<int>{53, 40, 32, 32, 37, 26, 10, 4};
    QTest::newRow("480x564 balls of 48")
        << QSize(480, 564) << true << QList<int>{40, 47, 48, 48, 16, 23, -4, 0};
    QTest::newRow("479x564 balls of 32")
        << QSize(479, 564) << true << QList<int>{39, 47, 32, 32, 28, 30, 3, 7};
    QTest::newRow("120x300 balls, gaps truncated toward zero")
        << QSize(120, 300) << true << QList<int>{10, 25, 32, 32, -6, 9, -11, -3};
    QTest::newRow("120x300 ellipses")
        << QSize(120, 300) << false << QList<int>{10, 25, 8, 18, 6, 15, 1, 3};
    QTest::newRow("huge balls stay 48")
        << QSize(3840, 2160) << true << QList<int>{320, 180, 48, 48, 296, 156, 136, 66};
    QTest::newRow("0x0 ellipses") << QSize(0, 0) << false << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("0x0 balls") << QSize(0, 0) << true
                               << QList<int>{0, 0, 32, 32, -16, -16, -16, -16};
    QTest::newRow("11x11 ellipses") << QSize(11, 11) << false << QList<int>{0, 0, 0, 0, 5, 5, 0, 0};
}

void TestGeometry::recalc() {
    QFETCH(QSize, box);
    QFETCH(bool, bitmaps);
    QFETCH(QList<int>, expected);
    TBoardGeometry g;
    g.RecalcSpielfeld(box.width(), box.height(), bitmaps);
    const QList<int> actual{g.CellWidth(), g.CellHeight(), g.TileWidth(), g.TileHeight(),
                            g.FieldLeft(), g.FieldTop(),   g.GapX(),      g.GapY()};
    QCOMPARE(actual, expected);
}

void TestGeometry::hitTest_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("bitmaps");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cell");
    const QSize box(637, 485);
    const QPoint none(-1, -1);
    QTest::newRow("first pixel of tile (0,0)") << box << false << QPoint(30, 27) << QPoint(0, 0);
    QTest::newRow("left of the field") << box << false << QPoint(29, 27) << none;
    QTest::newRow("above the field") << box << false << QPoint(30, 26) << none;
    QTest::newRow("last column") << box << false << QPoint(612, 27) << QPoint(10, 0);
    QTest::newRow("right of the field") << box << false << QPoint(613, 27) << none;
    QTest::newRow("last row") << box << false << QPoint(30, 466) << QPoint(0, 10);
    QTest::newRow("below the field") << box << false << QPoint(30, 467) << none;
    QTest::newRow("gap right of tile (0,0)") << box << false << QPoint(82, 27) << QPoint(0, 0);
    QTest::newRow("next column") << box << false << QPoint(83, 27) << QPoint(1, 0);
    QTest::newRow("below row 10, column 5") << box << false << QPoint(300, 470) << none;
    QTest::newRow("middle") << box << false << QPoint(320, 240) << QPoint(5, 5);
    QTest::newRow("balls: first pixel") << box << true << QPoint(37, 26) << QPoint(0, 0);
    QTest::newRow("balls: left of the field") << box << true << QPoint(36, 26) << none;
    QTest::newRow("negative origin") << QSize(120, 300) << true << QPoint(0, 9) << QPoint(0, 0);
    QTest::newRow("negative pixel") << box << false << QPoint(-5, -5) << none;
    QTest::newRow("zero cells") << QSize(11, 11) << false << QPoint(5, 5) << none;
    QTest::newRow("zero cells far away") << QSize(11, 300) << false << QPoint(100, 100) << none;
    QTest::newRow("no box") << QSize(0, 0) << true << QPoint(0, 0) << none;
}

void TestGeometry::hitTest() {
    QFETCH(QSize, box);
    QFETCH(bool, bitmaps);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cell);
    TBoardGeometry g;
    g.RecalcSpielfeld(box.width(), box.height(), bitmaps);
    const TCell hit = g.TryToFigureOutTheField(pixel.x(), pixel.y());
    QCOMPARE(QPoint(hit.Column, hit.Row), cell);
}

void TestGeometry::cells_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("bitmaps");
    QTest::newRow("637x485 ellipses") << QSize(637, 485) << false;
    QTest::newRow("637x485 balls") << QSize(637, 485) << true;
    QTest::newRow("120x300 balls, negative gaps") << QSize(120, 300) << true;
    QTest::newRow("1001x777 ellipses, odd margins") << QSize(1001, 777) << false;
    QTest::newRow("11x11, cells without size") << QSize(11, 11) << false;
}

// Every cell has one index and back, and the cells' boxes lie side by side in the paint box.
void TestGeometry::cells() {
    QFETCH(QSize, box);
    QFETCH(bool, bitmaps);
    TBoardGeometry g;
    g.RecalcSpielfeld(box.width(), box.height(), bitmaps);
    const QRect paintBox(QPoint(0, 0), box);
    for (int index = 0; index < 11 * 11; ++index) {
        const TCell cell = TBoardGeometry::CellOfIndex(index);
        QCOMPARE(TBoardGeometry::IndexOfCell(cell), index);
        const TBox b = g.CellBox(cell);
        const QRect rect(b.X, b.Y, b.Width, b.Height);
        QVERIFY(rect.isEmpty() || paintBox.contains(rect));
        const TBox right = g.CellBox({cell.Column + 1, cell.Row});
        const TBox below = g.CellBox({cell.Column, cell.Row + 1});
        QCOMPARE(QPoint(right.X, right.Y), QPoint(b.X + b.Width, b.Y));
        QCOMPARE(QPoint(below.X, below.Y), QPoint(b.X, b.Y + b.Height));
    }
    QCOMPARE(TBoardGeometry::IndexOfCell({11, 0}), -1);
    QCOMPARE(TBoardGeometry::IndexOfCell({}), -1);
    QCOMPARE(TBoardGeometry::CellOfIndex(121).Column, -1);
    QCOMPARE(TBoardGeometry::CellOfIndex(-1).Row, -1);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
