// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <cstdint>
#include <vector>

class QPainter;

namespace brimbal {

// The shapes that the option "Symbole" draws on the balls, one for each ball value, so that the
// colours can be told apart by shape alone: a triangle, a bar, a ring, a plus and a dot. They
// are vector shapes drawn at device resolution, half the ball's smaller side in size, in dark
// ink on light balls and light ink on dark ones.
class TSymbols {
public:
    // The smallest side of a ball, in device pixels, that carries a symbol.
    static constexpr int KMinBall = 14;
    static constexpr QRgb KDarkInk = 0xFF000000;
    static constexpr QRgb KLightInk = 0xFFFFFFFF;

    // The relative luminance of a colour (sRGB), from 0 for black to 1 for white.
    static double Luminance(QRgb colour);
    // The ink that contrasts more with a ball of this luminance.
    static QRgb InkFor(double luminance);
    // The symbol of a ball value (1 to 5) filling as much of `box` as its shape allows, centred;
    // empty for other values. Straight edges lie on whole pixels when the box does.
    static QPainterPath Shape(std::int32_t value, const QRect& box);
    // Where a ball in `ball` (device pixels) carries its symbol; empty when it is too small.
    static QRect SymbolBox(const QRect& ball);

    // Draws the symbol of `value` on a ball of one colour that fills `ball`.
    static void Draw(QPainter& painter, const QRect& ball, std::int32_t value, QRgb colour);
    // A ball image with the symbol of `value` on it; the ink follows the image's luminance
    // under the symbol. Made once for each image and value.
    const QImage& OnImage(const QImage& ball, std::int32_t value);

private:
    struct TMarkedImage {
        qint64 Key;
        std::int32_t Value;
        QImage Image;
    };

    std::vector<TMarkedImage> Images;
};

} // namespace brimbal
