// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Palette.h"
#include "Symbols.h"

#include <QPainter>
#include <QtTest>

#include <array>

using namespace brimbal;

namespace {

// Every value in every column, empty cells, a marked group of fives in the bottom right.
const TBoardPicture KBoard = {
    "123451234512", "23.512345123", "345123451234", "4512.4512345", "512345123451", "123451234512",
    "234512345123", "345123451234", "451234512345", "512345155555", "12345123.555",
};

using TMatrix = std::array<double, 9>;

// How a colour is seen, in linear RGB: as it is, in greyscale, and with protanopia, deuteranopia
// and tritanopia as simulated by Machado, Oliveira and Fernandes (2009) at severity 1.0.
const std::pair<const char*, TMatrix> KVisions[] = {
    {"normal", {1, 0, 0, 0, 1, 0, 0, 0, 1}},
    {"greyscale", {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722}},
    {"protan",
     {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
    {"deutan",
     {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
    {"tritan",
     {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
};

double Linear(int channel) {
    static const auto table = [] {
        std::array<double, 256> linear{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            linear[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return linear;
    }();
    return table[channel];
}

double Distance(QRgb a, QRgb b, const TMatrix& m) {
    const double d[3] = {Linear(qRed(a)) - Linear(qRed(b)), Linear(qGreen(a)) - Linear(qGreen(b)),
                         Linear(qBlue(a)) - Linear(qBlue(b))};
    double sum = 0.0;
    for (int row = 0; row < 3; ++row) {
        const double v = m[3 * row] * d[0] + m[3 * row + 1] * d[1] + m[3 * row + 2] * d[2];
        sum += v * v;
    }
    return sum;
}

// A ball as drawn: its value and the device pixels it covers, from the picture without symbols.
struct TBall {
    std::int32_t Value;
    QRect Box;
    bool InField;
    bool UnderBubble;
};

QRect BallBox(const QImage& image, QRectF tile, qreal ratio) {
    const QRect around =
        QRect(QPoint(int(tile.left() * ratio) - 1, int(tile.top() * ratio) - 1),
              QPoint(int(tile.right() * ratio) + 1, int(tile.bottom() * ratio) + 1))
            .intersected(image.rect());
    QRect box;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if (image.pixel(x, y) != BackgroundColor()) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The pixels of a ball, relative to its top-left corner, that look more like the ink than like
// the ball without its symbol.
QSet<QPoint> Ink(const QImage& on, const QImage& off, const TBall& ball, QRgb ink,
                 const TMatrix& vision) {
    QSet<QPoint> mask;
    for (int y = ball.Box.top(); y <= ball.Box.bottom(); ++y) {
        for (int x = ball.Box.left(); x <= ball.Box.right(); ++x) {
            const QRgb seen = on.pixel(x, y);
            if (Distance(seen, ink, vision) < Distance(seen, off.pixel(x, y), vision)) {
                mask.insert(QPoint(x, y) - ball.Box.topLeft());
            }
        }
    }
    return mask;
}

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT

private slots:
    void tellApart_data();
    void tellApart();
};

void TestSymbols::tellApart_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("palette"); // 0 normal, 1 other, 2 ball images
    QTest::addColumn<qreal>("ratio");
    const char* palettes[] = {"normal", "other", "images"};
    for (int palette = 0; palette < 3; ++palette) {
        for (const QSize box :
             {QSize(200, 170), QSize(637, 485), QSize(640, 640), QSize(1920, 1080)}) {
            for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
                // Up to a 4K screen; ball images overlap in the small box.
                if (box.width() * ratio <= 3840 && (palette < 2 || box.width() > 200)) {
                    QTest::addRow("%s %dx%d @%g", palettes[palette], box.width(), box.height(),
                                  ratio)
                        << box << palette << ratio;
                }
            }
        }
    }
}

// On every ball large enough, in the field and in the preview, the symbol leaves ink that
// contrasts at least 3:1 with the ball under it; in greyscale and to colour-blind eyes the five
// symbols' ink differs pairwise by a fifth of both together. Nothing else changes.
void TestSymbols::tellApart() {
    QFETCH(QSize, box);
    QFETCH(int, palette);
    QFETCH(qreal, ratio);
    TFakeGameHost host;
    TScriptedRandom rng;
    TOptions options;
    options.Modus = 2;
    options.AltColor = palette == 1;
    options.AnzeigeBitmaps = palette == 2;
    options.Bubble = true;
    TGame game(host, rng, options);
    LoadBoardPicture(game, KBoard);
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(box.width(), box.height(), options.AnzeigeBitmaps);
    TBoardRenderer renderer;
    renderer.SetSize(box.width(), box.height(), ratio);
    renderer.SpielfeldDraw(game, geometry, options);
    const QImage plain = renderer.BackBuffer(); // where the balls are: no outline beside them
    game.SpielfeldMouseUp(10, 10);
    renderer.SpielfeldDraw(game, geometry, options);
    QImage off = renderer.BackBuffer().copy();
    options.Symbole = true;
    renderer.SpielfeldDraw(game, geometry, options);
    QImage on = renderer.BackBuffer().copy();
    off.setDevicePixelRatio(1.0); // painted on in device pixels below
    on.setDevicePixelRatio(1.0);

    const int w = geometry.TileWidth();
    const int h = geometry.TileHeight();
    std::vector<TBall> balls;
    bool bubble = false; // on the first marked ball
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            const std::int32_t value = game.Tile(column, row);
            const QRectF tile = column == KPreviewColumn
                                    ? QRectF(w / 4, geometry.TileY(row) + h / 2, w / 4, h / 4)
                                    : QRectF(geometry.TileX(column), geometry.TileY(row), w, h);
            const QRect ball = value > 0 ? BallBox(plain, tile, ratio) : QRect();
            if (!ball.isEmpty()) {
                const bool marked = column != KPreviewColumn && game.IsMarked(column, row);
                balls.push_back({value, ball, column != KPreviewColumn, marked && !bubble});
                bubble = bubble || marked;
            }
        }
    }

    std::array<QSet<QPoint>, KColours> shapes[std::size(KVisions)];
    double smallestContrast = 21.0;
    for (const TBall& ball : balls) {
        const bool carries = std::min(ball.Box.width(), ball.Box.height()) >= TSymbols::KMinBall;
        // The ink is one of two: the one that leaves more pixels.
        const QSet<QPoint> light = Ink(on, off, ball, TSymbols::KLightInk, KVisions[0].second);
        const QSet<QPoint> dark = Ink(on, off, ball, TSymbols::KDarkInk, KVisions[0].second);
        const bool isLight = light.size() > dark.size();
        const QSet<QPoint>& mask = isLight ? light : dark;
        const QString where = QString("value %1 at %2,%3 size %4x%5 ink %6")
                                  .arg(ball.Value)
                                  .arg(ball.Box.x())
                                  .arg(ball.Box.y())
                                  .arg(ball.Box.width())
                                  .arg(ball.Box.height())
                                  .arg(mask.size());
        if (!carries) {
            QVERIFY2(mask.isEmpty(), qPrintable(where));
            continue;
        }
        if (ball.UnderBubble) {
            continue;
        }
        // The dot, the smallest symbol, covers a fifth of its box, which is half the ball.
        const int side = std::min(ball.Box.width(), ball.Box.height());
        QVERIFY2(mask.size() * 40 >= side * side, qPrintable(where));
        double under = 0.0;
        for (const QPoint& at : mask) {
            under += TSymbols::Luminance(off.pixel(ball.Box.topLeft() + at));
        }
        under /= mask.size();
        const double contrast = isLight ? 1.05 / (under + 0.05) : (under + 0.05) / 0.05;
        smallestContrast = std::min(smallestContrast, contrast);
        for (std::size_t vision = 0; vision < std::size(KVisions); ++vision) {
            QSet<QPoint>& shape = shapes[vision][ball.Value - 1];
            if (ball.InField && shape.isEmpty()) {
                shape = Ink(on, off, ball, isLight ? TSymbols::KLightInk : TSymbols::KDarkInk,
                            KVisions[vision].second);
            }
        }
    }
    // Nothing but the balls changes.
    for (const TBall& ball : balls) {
        for (QImage* image : {&on, &off}) {
            QPainter(image).fillRect(ball.Box, Qt::magenta);
        }
    }
    QVERIFY2(on == off, "pixels changed outside the balls");
    QVERIFY(smallestContrast >= 3.0);

    double smallestDifference = 1.0;
    for (std::size_t vision = 0; vision < std::size(KVisions); ++vision) {
        for (int a = 0; a < KColours; ++a) {
            for (int b = a + 1; b < KColours; ++b) {
                const QSet<QPoint>& first = shapes[vision][a];
                const QSet<QPoint>& second = shapes[vision][b];
                if (first.isEmpty() || second.isEmpty()) {
                    continue; // the balls are too small for symbols
                }
                const qsizetype both = QSet<QPoint>(first).intersect(second).size();
                const qsizetype either = first.size() + second.size() - both;
                const double difference = double(either - both) / either;
                QVERIFY2(difference >= 0.2, qPrintable(QString("%1: %2 and %3: %4")
                                                           .arg(KVisions[vision].first)
                                                           .arg(a + 1)
                                                           .arg(b + 1)
                                                           .arg(difference)));
                smallestDifference = std::min(smallestDifference, difference);
            }
        }
    }
    qInfo("smallest contrast %.2f:1, smallest difference of two symbols %.0f %%", smallestContrast,
          100 * smallestDifference);
}

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
