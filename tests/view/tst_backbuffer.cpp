// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"

#include <QtTest>

using namespace brimbal;

namespace {

// A board with groups of every size: 7 ones at the top left, 16 fives across row 5, a preview.
const QStringList KBoard = {
    "111122334455", "1.2233445511", "112233445512", "334455112233", "445511223344", "555555555555",
    "5.3344..5511", "223344551122", "3344.5112233", "445511223344", "551122334455",
};

// One back buffer: a full redraw after the first group was marked, then the outline of the
// second group drawn into it by itself, as a click draws it.
struct TShot {
    QSize Box;
    int Modus = 1;
    TViewOptions Options;
    QPoint MarkBeforeRedraw{-1, -1};
    QPoint MarkAfterRedraw{-1, -1};
};

// The board of a shot in its back buffer, at a device pixel ratio.
struct TScene {
    TFakeGameHost Host;
    TScriptedRandom Rng;
    TGame Game{Host, Rng};
    TBoardGeometry Geometry;
    TBoardRenderer Renderer;
    TShot Shot;

    TScene(const TShot& shot, qreal ratio) : Shot(shot) {
        Game.SetModus(shot.Modus);
        TBoardPicture picture;
        for (const QString& row : KBoard) {
            picture.push_back(row.toStdString());
        }
        LoadBoardPicture(Game, picture);
        Geometry.RecalcSpielfeld(shot.Box.width(), shot.Box.height(), shot.Options.AnzeigeBitmaps);
        Renderer.SetSize(shot.Box.width(), shot.Box.height(), ratio);
    }
    // The full redraw, after the first group was marked.
    QImage Draw() {
        if (Shot.MarkBeforeRedraw.x() >= 0) {
            Game.SpielfeldMouseUp(Shot.MarkBeforeRedraw.x(), Shot.MarkBeforeRedraw.y());
        }
        Renderer.SpielfeldDraw(Game, Geometry, Shot.Options);
        return Renderer.BackBuffer();
    }
    // The outline of the second group, drawn into the back buffer by itself.
    QImage MarkAfterRedraw() {
        if (Shot.MarkAfterRedraw.x() >= 0) {
            Game.SpielfeldMouseUp(Shot.MarkAfterRedraw.x(), Shot.MarkAfterRedraw.y());
            Renderer.SpielfeldDrawMarkierung(Game, Geometry);
        }
        return Renderer.BackBuffer();
    }
};

QImage Render(const TShot& shot, qreal ratio = 1.0) {
    TScene scene(shot, ratio);
    scene.Draw();
    return scene.MarkAfterRedraw();
}

// The pixel of the paint box that holds a device pixel: the one whose area covers its centre.
QPoint Logical(int x, int y, qreal ratio) {
    return {int(std::floor((x + 0.5) / ratio)), int(std::floor((y + 0.5) / ratio))};
}

// True when every pixel within `reach` of (x, y) lies in the image and has its colour.
bool Flat(const QImage& image, QPoint at, int reach) {
    const QRect around(at.x() - reach, at.y() - reach, 2 * reach + 1, 2 * reach + 1);
    if (!image.rect().contains(around)) {
        return false;
    }
    const QRgb colour = image.pixel(at);
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if (image.pixel(x, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

// The smallest rectangle around the pixels of an area that pass a test.
QRect Find(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.valid(x, y) && test(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Of the aligned 2 x 2 blocks of device pixels in the boxes, the share whose four pixels are
// not all the same: 0 for a picture whose pixels were simply doubled.
double ShareOfSharpBlocks(const QImage& image, const QList<QRect>& boxes) {
    int blocks = 0;
    int sharp = 0;
    for (const QRect& box : boxes) {
        for (int y = box.top() + box.top() % 2; y + 1 <= box.bottom(); y += 2) {
            for (int x = box.left() + box.left() % 2; x + 1 <= box.right(); x += 2) {
                const QRgb c = image.pixel(x, y);
                ++blocks;
                sharp += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                         image.pixel(x + 1, y + 1) != c;
            }
        }
    }
    return blocks == 0 ? 0.0 : double(sharp) / blocks;
}

TViewOptions View(bool bitmaps, bool altColor, bool bubble) {
    TViewOptions options;
    options.AnzeigeBitmaps = bitmaps;
    options.AltColor = altColor;
    options.Bubble = bubble;
    return options;
}

// How many pixels differ, and the smallest rectangle that holds them all.
QString Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return QString("size %1x%2 instead of %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    }
    int count = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    if (count == 0) {
        return {};
    }
    return QString("%1 pixels differ in (%2,%3) to (%4,%5)")
        .arg(count)
        .arg(box.left())
        .arg(box.top())
        .arg(box.right())
        .arg(box.bottom());
}

} // namespace

Q_DECLARE_METATYPE(TShot)

class TestBackBuffer : public QObject {
    Q_OBJECT

private slots:
    void asReference_data();
    void asReference();
    void ratios_data();
    void logicalPictureKept();
    void logicalPictureKept_data() { ratios_data(); }
    void outlineInBlocks();
    void outlineInBlocks_data() { ratios_data(); }
    void bubbleAtItsSize();
    void bubbleAtItsSize_data() { ratios_data(); }
    void sharpBallRims();
};

void TestBackBuffer::asReference_data() {
    QTest::addColumn<TShot>("shot");
    const QSize box(637, 485);
    QTest::newRow("ellipses") << TShot{box, 1, View(false, false, false)};
    QTest::newRow("ellipses-alt-preview") << TShot{{641, 333}, 2, View(false, true, false)};
    QTest::newRow("ellipses-outlines") << TShot{box, 2, View(false, false, true), {0, 0}, {0, 5}};
    QTest::newRow("ellipses-large") << TShot{{1920, 1080}, 1, View(false, false, true), {0, 5}};
    QTest::newRow("ellipses-tiny") << TShot{{25, 25}, 2, View(false, false, false)};
    QTest::newRow("balls32") << TShot{box, 2, View(true, false, true), {0, 5}, {0, 0}};
    QTest::newRow("balls48") << TShot{{640, 640}, 2, View(true, true, true), {0, 0}};
    QTest::newRow("balls-overlapping")
        << TShot{{120, 300}, 1, View(true, false, false), {0, 0}, {0, 5}};
}

// At a device pixel ratio of 1 the whole back buffer is, pixel for pixel, what the program drew
// when these pictures were made (BRIMBAL_WRITE_REFERENCE=DIR writes them anew into DIR).
void TestBackBuffer::asReference() {
    QFETCH(TShot, shot);
    const QImage image = Render(shot);
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + ".png";
    const QString writeTo = qEnvironmentVariable("BRIMBAL_WRITE_REFERENCE");
    if (!writeTo.isEmpty()) {
        QVERIFY(image.save(QDir(writeTo).filePath(name)));
        QSKIP("reference written");
    }
    const QImage reference(QDir(BRIMBAL_REFERENCE_DIR).filePath(name));
    QVERIFY2(!reference.isNull(), qPrintable(name));
    const QString difference = Difference(image, reference.convertToFormat(QImage::Format_RGB32));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestBackBuffer::ratios_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        QTest::addRow("ratio %g", ratio) << ratio;
    }
}

// The back buffer holds the device pixels that cover the paint box, and wherever the picture
// at ratio 1 is flat (a pixel and all within two of it alike), every device pixel of that
// pixel has its colour: tiles, gaps and preview keep their places and sizes.
void TestBackBuffer::logicalPictureKept() {
    QFETCH(qreal, ratio);
    const TShot shot{{641, 333}, 2, View(false, false, false), {0, 5}};
    const QImage one = Render(shot);
    const QImage image = Render(shot, ratio);
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(image.size(), QSize(int(std::ceil(641 * ratio)), int(std::ceil(333 * ratio))));
    int checked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint at = Logical(x, y, ratio);
            if (!Flat(one, at, 2)) {
                continue;
            }
            ++checked;
            if (image.pixel(x, y) != one.pixel(at)) {
                QFAIL(qPrintable(QString("device pixel %1,%2 differs from pixel %3,%4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(at.x())
                                     .arg(at.y())));
            }
        }
    }
    QVERIFY(checked > image.width() * image.height() / 2);
}

// Outline and erase lines keep the pattern of ratio 1, each of its pixels a block of device
// pixels: exactly the device pixels of the pixels that changed at ratio 1 change, to their
// colour.
void TestBackBuffer::outlineInBlocks() {
    QFETCH(qreal, ratio);
    const TShot shot{{637, 485}, 1, View(false, false, false), {0, 0}, {0, 5}};
    TScene one(shot, 1.0);
    const QImage before = one.Draw();
    const QImage after = one.MarkAfterRedraw();
    TScene scene(shot, ratio);
    const QImage deviceBefore = scene.Draw();
    const QImage deviceAfter = scene.MarkAfterRedraw();
    int changed = 0;
    for (int y = 0; y < deviceAfter.height(); ++y) {
        for (int x = 0; x < deviceAfter.width(); ++x) {
            const QPoint at = Logical(x, y, ratio);
            if (!before.valid(at)) {
                continue; // a device pixel only partly in the paint box
            }
            const bool expected = before.pixel(at) != after.pixel(at);
            const QRgb now = deviceAfter.pixel(x, y);
            if ((now != deviceBefore.pixel(x, y)) != expected ||
                (expected && now != after.pixel(at))) {
                QFAIL(qPrintable(QString("device pixel %1,%2 of pixel %3,%4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(at.x())
                                     .arg(at.y())));
            }
            changed += expected;
        }
    }
    QVERIFY(changed > 100 * ratio * ratio);
}

// The bubble's disc fills the device pixels of its box, and its count keeps its place and its
// size in pixels of the paint box.
void TestBackBuffer::bubbleAtItsSize() {
    QFETCH(qreal, ratio);
    // Ball images: the bubble's palette colour is nowhere else.
    const TShot shot{{637, 485}, 1, View(true, false, true), {0, 0}};
    const QImage one = Render(shot);
    const QImage image = Render(shot, ratio);
    const QPoint anchor(37, 26); // the tile origin of cell (0, 0)
    // Mostly the disc's red: more than half covered where its edge is smoothed.
    auto disc = [](QRgb c) {
        return qRed(c) > 240 && qGreen(c) < 114 && qBlue(c) < 114;
    };
    auto dark = [](QRgb c) {
        return std::max({qRed(c), qGreen(c), qBlue(c)}) < 100;
    };
    const QRect discBox = QRect(anchor - QPoint(8, 8), QSize(16, 16));
    const QRect deviceBox(QPoint(int(std::ceil(discBox.left() * ratio - 0.5)),
                                 int(std::ceil(discBox.top() * ratio - 0.5))),
                          QPoint(int(std::ceil((discBox.right() + 1) * ratio - 0.5)) - 1,
                                 int(std::ceil((discBox.bottom() + 1) * ratio - 0.5)) - 1));
    // Along its middle row and column the disc lies on the grey (the ball's corners are
    // transparent): there it spans its box.
    auto extent = [&](const QImage& picture, const QRect& box) {
        const QPoint middle = box.center() + QPoint(1, 1);
        const QRect row =
            Find(picture, QRect(box.left() - 3, middle.y(), box.width() + 6, 1), disc);
        const QRect column =
            Find(picture, QRect(middle.x(), box.top() - 3, 1, box.height() + 6), disc);
        return QRect(QPoint(row.left(), column.top()), QPoint(row.right(), column.bottom()));
    };
    QCOMPARE(extent(one, discBox), discBox);
    QCOMPARE(extent(image, deviceBox), deviceBox);

    const QRect text = Find(one, discBox.adjusted(2, 1, -2, -2), dark);
    const QRect scaled =
        QRectF(QPointF(text.topLeft()) * ratio, QSizeF(text.size()) * ratio).toRect();
    const QRect deviceText = Find(image, scaled.adjusted(-4, -4, 4, 4), dark);
    const QString where = QString("text %1,%2 %3x%4, scaled %5,%6 %7x%8")
                              .arg(deviceText.x())
                              .arg(deviceText.y())
                              .arg(deviceText.width())
                              .arg(deviceText.height())
                              .arg(scaled.x())
                              .arg(scaled.y())
                              .arg(scaled.width())
                              .arg(scaled.height());
    QVERIFY2(text.height() >= 6, qPrintable(where));
    QVERIFY2(std::abs(deviceText.top() - scaled.top()) <= ratio + 1, qPrintable(where));
    QVERIFY2(std::abs(deviceText.left() - scaled.left()) <= ratio + 1, qPrintable(where));
    QVERIFY2(std::abs(deviceText.height() - scaled.height()) <= ratio + 1, qPrintable(where));
    QVERIFY2(std::abs(deviceText.width() - scaled.width()) <= 2 * ratio + 1, qPrintable(where));
}

// At ratio 2 the ball images show their own detail: most aligned 2 x 2 blocks of device pixels
// in them differ inside, above all along the rim, where a doubled picture has none.
void TestBackBuffer::sharpBallRims() {
    const TShot shot{{637, 485}, 1, View(true, false, false)};
    TScene scene(shot, 2.0);
    const QImage image = scene.Draw();
    const QImage doubled = Render(shot).scaled(image.size());
    const TBoardGeometry& g = scene.Geometry;
    QList<QRect> balls;
    QList<QRect> rims;
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            if (scene.Game.Tile(column, row) > 0) {
                const QRect ball(2 * g.TileX(column), 2 * g.TileY(row), 64, 64);
                balls << ball;
                // Blocks of the rim: a band four device pixels wide across its left edge.
                rims << QRect(ball.left(), ball.top() + 28, 4, 8);
            }
        }
    }
    const double share = ShareOfSharpBlocks(image, balls);
    const double rim = ShareOfSharpBlocks(image, rims);
    qInfo("ratio 2: %.1f %% of the 2x2 blocks in ball images are not uniform, %.1f %% at the "
          "rim (pixels doubled: %.1f %%)",
          100 * share, 100 * rim, 100 * ShareOfSharpBlocks(doubled, balls));
    QCOMPARE(ShareOfSharpBlocks(doubled, balls), 0.0);
    QVERIFY(share > 0.6);
    QVERIFY(rim > 0.9);
}

QTEST_MAIN(TestBackBuffer)
#include "tst_backbuffer.moc"
