// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Palette.h"

#include <QPainter>
#include <QtTest>

using namespace brimbal;

namespace {

const QRgb KBlack = qRgb(0, 0, 0);

TBoardPicture Picture(const QStringList& rows) {
    TBoardPicture picture;
    for (const QString& row : rows) {
        picture.push_back(row.toStdString());
    }
    return picture;
}

QStringList EmptyRows(int columns) {
    return QStringList(KRows, QString(columns, '.'));
}

// A board, its geometry and its back buffer.
struct TScene {
    TFakeGameHost Host;
    TScriptedRandom Rng;
    TOptions Options;
    TGame Game{Host, Rng, Options};
    TBoardGeometry Geometry;
    TBoardRenderer Renderer;

    TScene(const QStringList& rows, int modus = 1, QSize box = {637, 485}, bool bitmaps = false) {
        Options.Modus = modus;
        LoadBoardPicture(Game, Picture(rows));
        Options.AnzeigeBitmaps = bitmaps;
        Resize(box);
    }
    void Resize(QSize box) {
        Geometry.RecalcSpielfeld(box.width(), box.height(), Options.AnzeigeBitmaps);
        Renderer.SetSize(box.width(), box.height());
    }
    const QImage& Draw() {
        Renderer.SpielfeldDraw(Game, Geometry, Options);
        return Renderer.BackBuffer();
    }
    // Marks the group at a cell as a click does, and draws its outline.
    void Mark(int column, int row) {
        Game.SpielfeldMouseUp(column, row);
        Renderer.SpielfeldDrawMarkierung(Game, Geometry);
    }
    QRgb Pixel(int x, int y) const { return Renderer.BackBuffer().pixel(x, y); }
};

// The smallest rectangle that holds every pixel of the area whose colour passes the test.
QRect BoundingBox(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The smallest rectangle that holds every pixel in which two images differ.
QRect ChangedBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool NotBackground(QRgb colour) {
    return colour != BackgroundColor();
}

// The pixels of an axis-aligned line (end point included) as a string: '#' black, ' ' the
// given untouched colour, '?' anything else.
QString LinePixels(const QImage& image, QPoint from, QPoint to, QRgb untouched) {
    QString text;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    for (QPoint p = from;; p += step) {
        const QRgb colour = image.pixel(p);
        text += colour == KBlack ? '#' : colour == untouched ? ' ' : '?';
        if (p == to) {
            break;
        }
    }
    return text;
}

// True when the text is a dotted line: no two dots side by side, no stretch of three without
// one, nothing but dots and untouched pixels.
bool IsDotted(const QString& line) {
    return !line.contains('?') && !line.contains("##") && !line.contains("   ") &&
           line.count('#') > 0;
}

} // namespace

class TestRender : public QObject {
    Q_OBJECT

private slots:
    void ellipseCoversItsBox();
    void ellipsesAsPainterDrawsThem_data();
    void ellipsesAsPainterDrawsThem();
    void palette_data();
    void palette();
    void preview_data();
    void preview();
    void noPreview_data();
    void noPreview();
    void ballImage();
    void ballsIgnorePaletteButBubbleFollowsIt();
    void overlappingBalls();
    void outlineOfPair();
    void outlineGapsUntouched();
    void eraseLines();
    void earlierEdgeFacingNewGroupStays();
    void negativeGaps();
    void bubble_data();
    void bubble();
    void bubbleOnlyInFullRedraw();
    void tinyBox_data();
    void tinyBox();
};

void TestRender::ellipseCoversItsBox() {
    QStringList rows = EmptyRows(11);
    rows[0][0] = '1';
    TScene scene(rows);
    const QImage& image = scene.Draw();
    QCOMPARE(BoundingBox(image, image.rect(), NotBackground),
             QRect(QPoint(30, 27), QPoint(76, 56)));
    QCOMPARE(BoundingBox(image, image.rect(), [](QRgb c) { return c == KBlack; }),
             QRect(QPoint(30, 27), QPoint(76, 56)));
    QCOMPARE(scene.Pixel(53, 42), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(0, 0), BackgroundColor());
    QCOMPARE(BackgroundColor(), qRgb(227, 227, 227));
}

void TestRender::ellipsesAsPainterDrawsThem_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("modus");
    QTest::newRow("637x485") << QSize(637, 485) << 1;
    QTest::newRow("637x485 preview") << QSize(637, 485) << 2;
    QTest::newRow("120x300") << QSize(120, 300) << 2;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 2;
    QTest::newRow("odd 641x333") << QSize(641, 333) << 3;
    QTest::newRow("tiny 25x25") << QSize(25, 25) << 2;
}

// Every ellipse of a full board is exactly what the painter draws for the box right and
// bottom exclusive, at its place.
void TestRender::ellipsesAsPainterDrawsThem() {
    QFETCH(QSize, box);
    QFETCH(int, modus);
    QStringList rows;
    for (int row = 0; row < KRows; ++row) {
        QString line;
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            line += QChar('1' + (row * 7 + column * 3) % 5);
        }
        rows << line;
    }
    TScene scene(rows, modus, box);
    const QImage& image = scene.Draw();

    QImage expected(box, QImage::Format_RGB32);
    expected.fill(BackgroundColor());
    QPainter painter(&expected);
    painter.setPen(QPen(Qt::black, 1));
    const TBoardGeometry& g = scene.Geometry;
    auto ellipse = [&](int x, int y, int w, int h, int value) {
        if (w > 0 && h > 0) {
            painter.setBrush(QColor(GetColorForValue(value, false)));
            painter.drawEllipse(QRect(x, y, w - 1, h - 1));
        }
    };
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            ellipse(g.TileX(column), g.TileY(row), g.TileWidth(), g.TileHeight(),
                    scene.Game.Tile(column, row));
        }
    }
    for (int row = 0; modus != 1 && row < KRows; ++row) {
        ellipse(g.TileWidth() / 4, g.TileY(row) + g.TileHeight() / 2, g.TileWidth() / 4,
                g.TileHeight() / 4, scene.Game.Tile(KPreviewColumn, row));
    }
    painter.end();
    QVERIFY(image == expected);
}

void TestRender::palette_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QColor>("colour");
    const QList<QColor> normal{{255, 0, 0},   {255, 144, 0},   {255, 255, 0},
                               {0, 208, 0},   {0, 176, 255},   {255, 0, 255},
                               {128, 0, 128}, {192, 192, 192}, {0, 0, 255}};
    const QList<QColor> alternative{{255, 0, 0},     {255, 255, 0},   {0, 176, 255},
                                    {192, 192, 192}, {112, 112, 112}, {128, 0, 128},
                                    {0, 0, 255},     {0, 128, 0},     {255, 144, 0}};
    for (int value = 1; value <= 9; ++value) {
        QTest::addRow("normal %d", value) << value << false << normal[value - 1];
        QTest::addRow("alternative %d", value) << value << true << alternative[value - 1];
    }
    QTest::newRow("above 9 is black") << 12 << false << QColor(0, 0, 0);
    QTest::newRow("negative is black") << -1 << true << QColor(0, 0, 0);
    QTest::newRow("zero is black") << 0 << false << QColor(0, 0, 0);
}

void TestRender::palette() {
    QFETCH(int, value);
    QFETCH(bool, alt);
    QFETCH(QColor, colour);
    QCOMPARE(GetColorForValue(value, alt), colour.rgb());
    if (value <= 0) {
        return; // nothing is drawn for these
    }
    TScene scene(EmptyRows(11));
    scene.Game.SetTile(4, 5, value);
    scene.Options.AltColor = alt;
    scene.Draw();
    const int x = scene.Geometry.TileX(4) + scene.Geometry.TileWidth() / 2;
    const int y = scene.Geometry.TileY(5) + scene.Geometry.TileHeight() / 2;
    QCOMPARE(scene.Pixel(x, y), colour.rgb());
}

void TestRender::preview_data() {
    QTest::addColumn<bool>("bitmaps");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRect>("box");
    QTest::newRow("ellipses, row 0") << false << 0 << QRect(QPoint(11, 42), QPoint(21, 48));
    QTest::newRow("ellipses, row 10") << false << 10 << QRect(QPoint(11, 442), QPoint(21, 448));
    QTest::newRow("balls, row 0") << true << 0 << QRect(QPoint(8, 42), QPoint(15, 49));
}

void TestRender::preview() {
    QFETCH(bool, bitmaps);
    QFETCH(int, row);
    QFETCH(QRect, box);
    QStringList rows = EmptyRows(12);
    rows[row][11] = '4';
    TScene scene(rows, 2, {637, 485}, bitmaps);
    const QImage& image = scene.Draw();
    QCOMPARE(BoundingBox(image, image.rect(), NotBackground), box);
    QCOMPARE(scene.Pixel(box.center().x(), box.center().y()), GetColorForValue(4, false));
    QCOMPARE(scene.Pixel(box.left(), box.center().y()), KBlack);
}

void TestRender::noPreview_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("preview");
    QTest::newRow("mode 1 ignores a filled column 11") << 1 << "12345123451";
    QTest::newRow("mode 2 with an empty preview") << 2 << "...........";
}

void TestRender::noPreview() {
    QFETCH(int, modus);
    QFETCH(QString, preview);
    QStringList rows = EmptyRows(11);
    for (int row = 0; row < KRows; ++row) {
        rows[row] += preview[row];
    }
    TScene scene(rows, modus);
    const QImage& image = scene.Draw();
    QCOMPARE(BoundingBox(image, image.rect(), NotBackground), QRect());
}

void TestRender::ballImage() {
    QStringList rows = EmptyRows(11);
    rows[0][0] = '3';
    TScene scene(rows, 1, {637, 485}, true);
    const QImage& image = scene.Draw();
    const QImage& ball = scene.Renderer.BallImages().Image(32, 3);
    QCOMPARE(ball.size(), QSize(32, 32));
    int ballPixels = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb source = ball.pixel(x, y);
            const QRgb expected = source == qRgb(255, 255, 255) ? BackgroundColor() : source;
            QCOMPARE(image.pixel(37 + x, 26 + y), expected);
            ballPixels += source != qRgb(255, 255, 255);
        }
    }
    QVERIFY(ballPixels > 700);
    QCOMPARE(BoundingBox(image, image.rect(), NotBackground), QRect(37, 26, 32, 32));
}

void TestRender::ballsIgnorePaletteButBubbleFollowsIt() {
    QStringList rows = EmptyRows(11);
    rows[10] = "22.........";
    TScene scene(rows, 1, {637, 485}, true);
    const QImage normal = scene.Draw();
    scene.Options.AltColor = true;
    QCOMPARE(scene.Draw(), normal);

    scene.Mark(0, 10);
    scene.Options.Bubble = true;
    scene.Draw();
    const int x = scene.Geometry.TileX(0);
    const int y = scene.Geometry.TileY(10);
    QCOMPARE(scene.Pixel(x - 7, y), GetColorForValue(2, true)); // left part of the bubble
    QCOMPARE(GetColorForValue(2, true), qRgb(255, 255, 0));
}

void TestRender::overlappingBalls() {
    QStringList rows = EmptyRows(11);
    rows[0] = "12.........";
    TScene scene(rows, 1, {120, 300}, true);
    scene.Draw();
    // Ball (1,0) starts 10 pixels right of ball (0,0) and covers it where they overlap.
    const QImage& second = scene.Renderer.BallImages().Image(32, 2);
    const int x = scene.Geometry.TileX(1);
    const int y = scene.Geometry.TileY(0);
    QCOMPARE(x - scene.Geometry.TileX(0), 10);
    QCOMPARE(scene.Pixel(x + 16, y + 16), second.pixel(16, 16));
}

void TestRender::outlineOfPair() {
    QStringList rows = EmptyRows(11);
    rows[0] = "11.........";
    TScene scene(rows);
    scene.Draw();
    const QImage before = scene.Renderer.BackBuffer();
    scene.Mark(0, 0);
    const QImage& image = scene.Renderer.BackBuffer();
    const QRgb bg = BackgroundColor();

    // Left edge of (0,0) at x 27 and right edge of (1,0) at x 134, rows 22 to 62.
    QVERIFY(IsDotted(LinePixels(image, {27, 22}, {27, 62}, bg)));
    QVERIFY(IsDotted(LinePixels(image, {134, 22}, {134, 62}, bg)));
    // The top edges run from 27 to 80 and from 80 to 133; the bottom edges likewise at y 63.
    QVERIFY(IsDotted(LinePixels(image, {27, 22}, {80, 22}, bg)));
    QVERIFY(IsDotted(LinePixels(image, {80, 22}, {133, 22}, bg)));
    QVERIFY(IsDotted(LinePixels(image, {27, 63}, {133, 63}, bg)));
    // The end points are not painted: nothing beyond the lines.
    QCOMPARE(LinePixels(image, {134, 63}, {134, 63}, bg), QString(" "));
    QCOMPARE(LinePixels(image, {135, 22}, {135, 63}, bg), QString(42, ' '));
    QCOMPARE(LinePixels(image, {27, 64}, {134, 64}, bg), QString(108, ' '));
    QCOMPARE(LinePixels(image, {26, 21}, {135, 21}, bg), QString(110, ' '));
    // No edge between the two cells: (0,0) has no right edge at 81, (1,0) no left edge at 80.
    const QString inner = LinePixels(image, {81, 23}, {81, 62}, bg);
    QVERIFY(!inner.contains('#'));
    // Only the outline changed.
    QCOMPARE(ChangedBox(before, image), QRect(QPoint(27, 22), QPoint(134, 63)));
}

void TestRender::outlineGapsUntouched() {
    QStringList rows = EmptyRows(11);
    rows[0] = "11.........";
    TScene scene(rows);
    scene.Draw();
    // Paint the area magenta: the gaps of the dotted outline must keep it.
    const QRgb magenta = qRgb(255, 0, 255);
    QImage& buffer = const_cast<QImage&>(scene.Renderer.BackBuffer());
    QPainter(&buffer).fillRect(QRect(20, 15, 130, 55), QColor(magenta));
    scene.Mark(0, 0);
    QVERIFY(IsDotted(LinePixels(buffer, {27, 22}, {27, 62}, magenta)));
    QVERIFY(IsDotted(LinePixels(buffer, {27, 63}, {133, 63}, magenta)));
}

void TestRender::eraseLines() {
    QStringList rows = EmptyRows(11);
    rows[0] = "113........";
    TScene scene(rows);
    scene.Draw();
    QImage& buffer = const_cast<QImage&>(scene.Renderer.BackBuffer());
    QPainter(&buffer).fillRect(QRect(QPoint(130, 15), QPoint(200, 70)), Qt::magenta);
    scene.Mark(0, 0);
    // The unmarked tile (2,0) gets erase lines on its four sides in the background colour:
    // left at 133 (its left neighbour is marked, so not here), right at 187, top and bottom.
    const QRgb bg = BackgroundColor();
    const QRgb magenta = qRgb(255, 0, 255);
    QCOMPARE(LinePixels(buffer, {187, 22}, {187, 62}, bg), QString(41, ' '));
    QCOMPARE(LinePixels(buffer, {134, 22}, {186, 22}, bg).mid(1), QString(52, ' '));
    QCOMPARE(LinePixels(buffer, {134, 63}, {186, 63}, bg).mid(1), QString(52, ' '));
    // End points stay untouched, and so does the left side that faces the marked cell.
    QCOMPARE(buffer.pixel(187, 63), magenta);
    QCOMPARE(LinePixels(buffer, {133, 23}, {133, 62}, magenta), QString(40, ' '));
}

void TestRender::earlierEdgeFacingNewGroupStays() {
    QStringList rows = EmptyRows(11);
    rows[10] = "1122.......";
    TScene scene(rows);
    scene.Draw();
    scene.Mark(0, 10); // group A: (0,10) (1,10)
    const QImage& image = scene.Renderer.BackBuffer();
    const TBox cell1 = scene.Geometry.CellBox({1, 10});
    const int right1 = cell1.X + cell1.Width + 1; // 134
    const int top = cell1.Y;
    const QString oldEdge = LinePixels(image, {right1, top}, {right1, top + 40}, BackgroundColor());
    // Its first pixel lies on the top erase line of (2,10), drawn later in the visit order.
    QVERIFY2(IsDotted(oldEdge.mid(1)), qPrintable(oldEdge));
    scene.Mark(2, 10); // group B: (2,10) (3,10)
    // A's right edge faces B and is not erased; B's left edge is drawn one pixel to its left.
    QCOMPARE(LinePixels(image, {right1, top}, {right1, top + 40}, BackgroundColor()), oldEdge);
    QVERIFY(
        IsDotted(LinePixels(image, {right1 - 1, top}, {right1 - 1, top + 40}, BackgroundColor())));
    // A's left edge is erased.
    QCOMPARE(LinePixels(image, {27, top}, {27, top + 40}, BackgroundColor()), QString(41, ' '));
}

void TestRender::negativeGaps() {
    QStringList rows = EmptyRows(11);
    rows[0] = "3113.......";
    TScene scene(rows, 1, {120, 300}, true);
    scene.Draw();
    const QImage before = scene.Renderer.BackBuffer();
    scene.Mark(1, 0);
    // The left edge of (1,0) lies at 4 - (-11) = 15, across the ball image of (0,0).
    const int left = scene.Geometry.CellBox({1, 0}).X;
    QCOMPARE(left, 15);
    const int top = scene.Geometry.CellBox({1, 0}).Y;
    int dots = 0;
    for (int y = top; y < top + scene.Geometry.CellHeight() + 1; ++y) {
        const QRgb now = scene.Pixel(left, y);
        QVERIFY(now == KBlack || now == before.pixel(left, y));
        dots += now == KBlack && before.pixel(left, y) != KBlack;
    }
    QVERIFY(dots >= 6);
    QVERIFY(before.pixel(left, top + 12) != BackgroundColor()); // the ball is beneath
}

void TestRender::bubble_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("textLeft");
    QStringList seven = EmptyRows(11);
    seven[3] = "..11111....";
    seven[4] = "..11.......";
    QStringList twelve = EmptyRows(11);
    twelve[3] = "..11111111.";
    twelve[4] = "..1111.....";
    QTest::newRow("count of 7") << seven << 7 << 133;
    QTest::newRow("count of 12") << twelve << 12 << 131;
}

void TestRender::bubble() {
    QFETCH(QStringList, rows);
    QFETCH(int, count);
    QFETCH(int, textLeft);
    TScene scene(rows);
    scene.Mark(4, 3);
    QCOMPARE(scene.Game.MarkedCount(), count);
    const QImage without = scene.Draw();
    QCOMPARE(scene.Pixel(130, 147), BackgroundColor());
    scene.Options.Bubble = true;
    const QImage& with = scene.Draw();
    // The circle (128,139)-(144,155) with the count in it, over everything else.
    QCOMPARE(ChangedBox(without, with), QRect(QPoint(128, 139), QPoint(143, 154)));
    QCOMPARE(with.pixel(128, 147), GetColorForValue(1, false));
    QCOMPARE(with.pixel(143, 146), GetColorForValue(1, false));
    const QRect text = BoundingBox(with, QRect(QPoint(120, 131), QPoint(150, 160)), [](QRgb c) {
        return std::max({qRed(c), qGreen(c), qBlue(c)}) < 140;
    });
    QVERIFY2(text.left() >= textLeft && text.left() <= textLeft + 2,
             qPrintable(QString("text starts at %1").arg(text.left())));
    QVERIFY(text.top() >= 139);
    QVERIFY(text.height() >= 6);
}

void TestRender::bubbleOnlyInFullRedraw() {
    QStringList rows = EmptyRows(11);
    rows[3] = "..11.......";
    TScene scene(rows);
    scene.Options.Bubble = true;
    const QImage unmarked = scene.Draw();
    scene.Mark(2, 3);
    QCOMPARE(scene.Pixel(128, 147), BackgroundColor());
    QVERIFY(scene.Renderer.BackBuffer() != unmarked); // the outline is there
    scene.Draw();
    QCOMPARE(scene.Pixel(128, 147), GetColorForValue(1, false));
    scene.Options.Bubble = false;
    scene.Draw();
    QCOMPARE(scene.Pixel(128, 147), BackgroundColor());
}

void TestRender::tinyBox_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("bitmaps");
    QTest::newRow("0x0") << QSize(0, 0) << false;
    QTest::newRow("1x1 balls") << QSize(1, 1) << true;
    QTest::newRow("11x11") << QSize(11, 11) << false;
    QTest::newRow("30x5 balls") << QSize(30, 5) << true;
}

void TestRender::tinyBox() {
    QFETCH(QSize, box);
    QFETCH(bool, bitmaps);
    QStringList rows(KRows, "12345123451");
    TScene scene(rows, 2, box, bitmaps);
    scene.Game.DealPreview();
    scene.Mark(0, 0);
    scene.Game.SpielfeldMouseUp(1, 1);
    scene.Options.Bubble = true;
    const QImage& image = scene.Draw();
    scene.Renderer.SpielfeldDrawMarkierung(scene.Game, scene.Geometry);
    QCOMPARE(image.size(), box.isEmpty() ? QSize(0, 0) : box);
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
