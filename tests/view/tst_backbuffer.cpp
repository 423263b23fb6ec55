// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Options.h"

#include <QtTest>

using namespace brimbal;

namespace {

// A board with groups of every size: 7 ones at the top left, 16 fives across row 5, a preview.
const QStringList KBoard = {
    "111122334455", "1.2233445511", "112233445512", "334455112233", "445511223344", "555555555555",
    "5.3344..5511", "223344551122", "3344.5112233", "445511223344", "551122334455",
};

// The display options of a shot.
struct TShotOptions {
    bool AnzeigeBitmaps;
    bool AltColor;
    bool Bubble;
};

// One back buffer: a full redraw after the first group was marked, then the outline of the
// second group drawn into it by itself, as a click draws it.
struct TShot {
    QSize Box;
    int Modus = 1;
    TShotOptions Options;
    QPoint MarkBeforeRedraw{-1, -1};
    QPoint MarkAfterRedraw{-1, -1};
};

// The back buffer after the full redraw and after the second group's outline.
std::pair<QImage, QImage> Render(const TShot& shot, qreal ratio = 1.0) {
    TFakeGameHost host;
    TScriptedRandom rng;
    TOptions options;
    options.Modus = shot.Modus;
    options.AnzeigeBitmaps = shot.Options.AnzeigeBitmaps;
    options.AltColor = shot.Options.AltColor;
    options.Bubble = shot.Options.Bubble;
    TGame game(host, rng, options);
    TBoardPicture picture;
    for (const QString& row : KBoard) {
        picture.push_back(row.toStdString());
    }
    LoadBoardPicture(game, picture);
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(shot.Box.width(), shot.Box.height(), shot.Options.AnzeigeBitmaps);
    TBoardRenderer renderer;
    renderer.SetSize(shot.Box.width(), shot.Box.height(), ratio);
    if (shot.MarkBeforeRedraw.x() >= 0) {
        game.SpielfeldMouseUp(shot.MarkBeforeRedraw.x(), shot.MarkBeforeRedraw.y());
    }
    renderer.SpielfeldDraw(game, geometry, options);
    const QImage redrawn = renderer.BackBuffer();
    if (shot.MarkAfterRedraw.x() >= 0) {
        game.SpielfeldMouseUp(shot.MarkAfterRedraw.x(), shot.MarkAfterRedraw.y());
        renderer.SpielfeldDrawMarkierung(game, geometry);
    }
    return {redrawn, renderer.BackBuffer()};
}

// True when every pixel within two of a pixel lies in the image and has its colour.
bool Flat(const QImage& image, QPoint at) {
    const QRect around(at - QPoint(2, 2), QSize(5, 5));
    if (!image.rect().contains(around)) {
        return false;
    }
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if (image.pixel(x, y) != image.pixel(at)) {
                return false;
            }
        }
    }
    return true;
}

// Of the aligned 2 x 2 blocks of device pixels in the boxes, the share whose four pixels are
// not all alike: 0 for a picture whose pixels were simply doubled.
double ShareOfSharpBlocks(const QImage& image, const QList<QRect>& boxes) {
    int blocks = 0;
    int sharp = 0;
    for (const QRect& box : boxes) {
        for (int y = box.top(); y < box.bottom(); y += 2) {
            for (int x = box.left(); x < box.right(); x += 2) {
                const QRgb c = image.pixel(x, y);
                ++blocks;
                sharp += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                         image.pixel(x + 1, y + 1) != c;
            }
        }
    }
    return double(sharp) / std::max(blocks, 1);
}

} // namespace

Q_DECLARE_METATYPE(TShot)

class TestBackBuffer : public QObject {
    Q_OBJECT

private slots:
    void asReference_data();
    void asReference();
    void devicePixels_data();
    void devicePixels();
    void sharpBallRims();
};

void TestBackBuffer::asReference_data() {
    QTest::addColumn<TShot>("shot");
    const QSize box(637, 485);
    QTest::newRow("ellipses") << TShot{box, 1, TShotOptions{false, false, false}};
    QTest::newRow("ellipses-alt-preview") << TShot{{641, 333}, 2, TShotOptions{false, true, false}};
    QTest::newRow("ellipses-outlines")
        << TShot{box, 2, TShotOptions{false, false, true}, {0, 0}, {0, 5}};
    QTest::newRow("ellipses-large")
        << TShot{{1920, 1080}, 1, TShotOptions{false, false, true}, {0, 5}};
    QTest::newRow("ellipses-tiny") << TShot{{25, 25}, 2, TShotOptions{false, false, false}};
    QTest::newRow("balls32") << TShot{box, 2, TShotOptions{true, false, true}, {0, 5}, {0, 0}};
    QTest::newRow("balls48") << TShot{{640, 640}, 2, TShotOptions{true, true, true}, {0, 0}};
    QTest::newRow("balls-overlapping")
        << TShot{{120, 300}, 1, TShotOptions{true, false, false}, {0, 0}, {0, 5}};
}

// At a device pixel ratio of 1 the whole back buffer is, pixel for pixel, what the program drew
// when these pictures were made (BRIMBAL_WRITE_REFERENCE=DIR writes them anew into DIR).
void TestBackBuffer::asReference() {
    QFETCH(TShot, shot);
    const QImage image = Render(shot).second;
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + ".png";
    const QString writeTo = qEnvironmentVariable("BRIMBAL_WRITE_REFERENCE");
    if (!writeTo.isEmpty()) {
        QVERIFY(image.save(QDir(writeTo).filePath(name)));
        QSKIP("reference written");
    }
    const QImage reference(QDir(BRIMBAL_REFERENCE_DIR).filePath(name));
    QVERIFY2(!reference.isNull(), qPrintable(name));
    QCOMPARE(image, reference.convertToFormat(QImage::Format_RGB32));
}

void TestBackBuffer::devicePixels_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        QTest::addRow("ratio %g", ratio) << ratio;
    }
}

// At any ratio the back buffer holds the device pixels that cover the paint box, and each pixel
// of the picture at ratio 1 becomes the device pixels whose centres it covers: where that
// picture is flat they have its colour, so tiles, gaps, preview and bubble keep their places
// and sizes; and the outline of a click changes exactly the device pixels of the pixels it
// changes at ratio 1, to their colour, so its dots keep their pattern. The count in the bubble
// keeps its size in pixels of the paint box.
void TestBackBuffer::devicePixels() {
    QFETCH(qreal, ratio);
    const TShot shot{{637, 485}, 2, TShotOptions{false, false, true}, {0, 0}, {0, 5}};
    const auto [before, after] = Render(shot);
    const auto [deviceBefore, deviceAfter] = Render(shot, ratio);
    QCOMPARE(deviceAfter.devicePixelRatio(), ratio);
    QCOMPARE(deviceAfter.size(), QSize(int(std::ceil(637 * ratio)), int(std::ceil(485 * ratio))));
    int flat = 0;
    for (int y = 0; y < deviceAfter.height(); ++y) {
        for (int x = 0; x < deviceAfter.width(); ++x) {
            const QPoint at(int(std::floor((x + 0.5) / ratio)), int(std::floor((y + 0.5) / ratio)));
            if (!after.valid(at)) {
                continue; // a device pixel only partly in the paint box
            }
            const QRgb now = deviceAfter.pixel(x, y);
            const bool changed = before.pixel(at) != after.pixel(at);
            const bool isFlat = Flat(after, at);
            flat += isFlat;
            if ((changed || isFlat) ? now != after.pixel(at)
                                    : now != deviceBefore.pixel(x, y) && now != after.pixel(at)) {
                QFAIL(qPrintable(QString("device pixel %1,%2 of %3,%4, outline %5")
                                     .arg(x)
                                     .arg(y)
                                     .arg(at.x())
                                     .arg(at.y())
                                     .arg(changed)));
            }
        }
    }
    QVERIFY(flat > deviceAfter.width() * deviceAfter.height() / 2);

    // The black outline of the tiles is one pixel of the paint box wide: tile (0, 0) from its
    // left end (30, 42) inward.
    int outline = 0;
    for (int x = int(29 * ratio); x < int(33 * ratio); ++x) {
        const QRgb c = deviceAfter.pixel(x, int(42.5 * ratio));
        outline += std::max({qRed(c), qGreen(c), qBlue(c)}) < 100;
    }
    QVERIFY2(std::abs(outline - ratio) <= 0.75, qPrintable(QString::number(outline)));

    // The count "7" at the first marked tile (30, 27): its dark pixels inside the bubble.
    auto textHeight = [](const QImage& image, qreal scale) {
        int top = image.height();
        int bottom = -1;
        for (int y = int(19 * scale); y < int(35 * scale); ++y) {
            for (int x = int(22 * scale); x < int(38 * scale); ++x) {
                const QRgb c = image.pixel(x, y);
                if (std::hypot(x + 0.5 - 30 * scale, y + 0.5 - 27 * scale) < 7 * scale &&
                    std::max({qRed(c), qGreen(c), qBlue(c)}) < 160) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    QVERIFY(textHeight(after, 1.0) >= 6);
    QVERIFY(std::abs(textHeight(deviceAfter, ratio) - textHeight(after, 1.0) * ratio) <= ratio + 1);
}

// At ratio 2 the ball images show their own detail, where a picture of ratio 1 with its pixels
// doubled has none: most aligned 2 x 2 blocks of device pixels in them differ inside, and every
// block across a ball's rim does.
void TestBackBuffer::sharpBallRims() {
    const TShot shot{{637, 485}, 1, TShotOptions{true, false, false}};
    const QImage image = Render(shot, 2.0).second;
    const QImage doubled = Render(shot).second.scaled(image.size());
    TBoardGeometry g;
    g.RecalcSpielfeld(637, 485, true);
    QList<QRect> balls;
    QList<QRect> rims;
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            if (KBoard[row][column] != '.') {
                balls << QRect(2 * g.TileX(column), 2 * g.TileY(row), 64, 64);
                rims << QRect(balls.last().topLeft() + QPoint(0, 28), QSize(4, 8)); // left edge
            }
        }
    }
    const double share = ShareOfSharpBlocks(image, balls);
    qInfo("ratio 2: %.1f %% of the aligned 2x2 blocks in ball images are not uniform (%.1f %% "
          "with the pixels of ratio 1 doubled)",
          100 * share, 100 * ShareOfSharpBlocks(doubled, balls));
    QCOMPARE(ShareOfSharpBlocks(doubled, balls), 0.0);
    QVERIFY(share > 0.6);
    QCOMPARE(ShareOfSharpBlocks(image, rims), 1.0);
}

QTEST_MAIN(TestBackBuffer)
#include "tst_backbuffer.moc"
