// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Symbols.h"

#include <QPainter>
#include <QtTest>

#include <array>

using namespace brimbal;

namespace {

using TMatrix = std::array<double, 9>;

// How a colour is seen, in linear RGB: as it is, in greyscale, and with protanopia, deuteranopia
// and tritanopia as simulated by Machado, Oliveira and Fernandes (2009) at severity 1.0.
const TMatrix KNormal = {1, 0, 0, 0, 1, 0, 0, 0, 1};
const std::pair<const char*, TMatrix> KVisions[] = {
    {"normal", KNormal},
    {"greyscale", {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722}},
    {"protan",
     {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
    {"deutan",
     {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
    {"tritan",
     {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
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

// The pixels of `area` that look more like the ink than like the ball without its symbol.
QSet<QPoint> Ink(const QImage& on, const QImage& off, const QRect& area, QRgb ink,
                 const TMatrix& vision) {
    QSet<QPoint> mask;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb seen = on.pixel(x, y);
            if (Distance(seen, ink, vision) < Distance(seen, off.pixel(x, y), vision)) {
                mask.insert(QPoint(x, y) - area.topLeft());
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
// contrasts at least 3:1 with the ball under it, and nothing else changes; as they are, in
// greyscale and to colour-blind eyes, the ink of the five symbols differs pairwise by at least a
// fifth of both together.
void TestSymbols::tellApart() {
    QFETCH(QSize, box);
    QFETCH(int, palette);
    QFETCH(qreal, ratio);
    TOptions options;
    options.Modus = 2;
    options.AltColor = palette == 1;
    options.AnzeigeBitmaps = palette == 2;
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(box.width(), box.height(), options.AnzeigeBitmaps);
    TBoardRenderer renderer;
    renderer.SetSize(box.width(), box.height(), ratio);
    const int w = geometry.TileWidth();
    const int h = geometry.TileHeight();

    std::array<QSet<QPoint>, KColours> shapes[std::size(KVisions)];
    double smallestContrast = 21.0;
    for (int value = 1; value <= KColours; ++value) {
        // Balls of one value, with empty cells between them.
        TBoardPicture picture(KRows, std::string(KColumnsWithPreview, char('0' + value)));
        picture[1][2] = picture[6][7] = picture[9][10] = '.';
        TFakeGameHost host;
        TScriptedRandom rng;
        TGame game(host, rng, options);
        LoadBoardPicture(game, picture);
        options.Symbole = false;
        renderer.SpielfeldDraw(game, geometry, options);
        QImage off = renderer.BackBuffer().copy();
        options.Symbole = true;
        renderer.SpielfeldDraw(game, geometry, options);
        QImage on = renderer.BackBuffer().copy();

        for (int row = 0; row < KRows; ++row) {
            for (int column = 0; column < KColumnsWithPreview; ++column) {
                const TBox b = column == KPreviewColumn
                                   ? geometry.PreviewBox(row)
                                   : TBox{geometry.TileX(column), geometry.TileY(row), w, h};
                const QRectF tile(b.X, b.Y, b.Width, b.Height);
                const QRect area(QPoint(int(tile.left() * ratio), int(tile.top() * ratio)),
                                 QPoint(int(tile.right() * ratio), int(tile.bottom() * ratio)));
                const double side = std::min(tile.width(), tile.height()) * ratio;
                if (game.Tile(column, row) == 0 || side < TSymbols::KMinBall - 1) {
                    continue; // no symbol: nothing may change
                }
                const bool inked = on.copy(area) != off.copy(area);
                QVERIFY(inked || side < TSymbols::KMinBall + 1);
                if (inked && row == 0 && (column == 0 || column == KPreviewColumn)) {
                    // Balls of one value look alike: measure the first and its preview. The ink
                    // is one of two: the one that leaves more pixels.
                    const QSet<QPoint> light = Ink(on, off, area, TSymbols::KLightInk, KNormal);
                    const QSet<QPoint> dark = Ink(on, off, area, TSymbols::KDarkInk, KNormal);
                    const QSet<QPoint>& ink = light.size() > dark.size() ? light : dark;
                    const QRgb colour = &ink == &light ? TSymbols::KLightInk : TSymbols::KDarkInk;
                    // The dot, the smallest symbol, covers a fifth of its box, half the side.
                    QVERIFY(ink.size() * 40 >= side * side);
                    double under = 0.0;
                    for (const QPoint& at : ink) {
                        under += TSymbols::Luminance(off.pixel(area.topLeft() + at));
                    }
                    under /= ink.size();
                    const double inkLuminance = TSymbols::Luminance(colour);
                    smallestContrast =
                        std::min(smallestContrast, (std::max(under, inkLuminance) + 0.05) /
                                                       (std::min(under, inkLuminance) + 0.05));
                    for (std::size_t vision = 0; column == 0 && vision < std::size(KVisions);
                         ++vision) {
                        shapes[vision][value - 1] =
                            Ink(on, off, area, colour, KVisions[vision].second);
                    }
                }
                for (QImage* image : {&on, &off}) {
                    QPainter(image).fillRect(tile, Qt::magenta);
                }
            }
        }
        QVERIFY2(on == off, "pixels changed beside the balls");
    }
    QVERIFY(smallestContrast >= 3.0);

    double smallestDifference = 1.0;
    for (std::size_t vision = 0; vision < std::size(KVisions); ++vision) {
        for (int a = 0; a < KColours; ++a) {
            for (int b = a + 1; b < KColours; ++b) {
                const QSet<QPoint>& first = shapes[vision][a];
                const QSet<QPoint>& second = shapes[vision][b];
                if (first.isEmpty() || second.isEmpty()) {
                    continue; // balls too small for symbols
                }
                const qsizetype both = QSet<QPoint>(first).intersect(second).size();
                const qsizetype either = first.size() + second.size() - both;
                const double difference = double(either - both) / either;
                QVERIFY2(difference >= 0.2, KVisions[vision].first);
                smallestDifference = std::min(smallestDifference, difference);
            }
        }
    }
    qInfo("smallest contrast %.2f:1, smallest difference of two symbols %.0f %%", smallestContrast,
          100 * smallestDifference);
}

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
