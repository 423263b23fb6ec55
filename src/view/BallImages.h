// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Game.h"

#include <QImage>

#include <vector>

namespace brimbal {

// The two image lists of shaded balls, 32 and 48 pixels square, six images each (index 0 is a
// grey ball that the board never shows), and the same balls ready to draw, with the colour of
// their pixel (0, 0), white, left out. For screens with more device pixels per pixel the same
// balls exist drawn at 2 and 3 times the size, with real transparency around the ball.
class TBallImages {
public:
    // Index 0, a grey ball, and one ball for each colour the rules deal.
    static constexpr int KCount = KColours + 1;
    static constexpr int KMaxScale = 3;

    TBallImages();

    // The image of an image list as stored: size 32 is ILKugeln, size 48 is ILKugeln48. Scale 2
    // or 3 gives the same ball at that many times the size (ARGB, transparent outside the ball).
    const QImage& Image(int size, int index, int scale = 1) const;
    // The ball for a tile value, transparent outside the ball: the 32-pixel set when the tiles
    // are 32 pixels wide, otherwise the 48-pixel set. A null image for values outside 0 to 5.
    const QImage& Ball(int tileWidth, int value) const;
    // The same ball in device pixels for a device pixel ratio, premultiplied: the tile size
    // times the ratio, rounded. At ratio 1 the image above.
    const QImage& Ball(int tileWidth, int value, qreal ratio);
    // The set a ratio draws from: the smallest that is not scaled up (1, 2 or 3); ratios above 3
    // scale up the largest.
    static int ScaleForRatio(qreal ratio);

private:
    struct TScaledBall {
        int Size;
        int Value;
        QImage Image;
    };

    QImage ILKugeln[KCount];
    QImage ILKugeln48[KCount];
    QImage Bitmaps32[KCount];
    QImage Bitmaps48[KCount];
    // The 2x and 3x sets, read when first needed: [scale - 2][0 for 32, 1 for 48][index].
    mutable QImage Larger[KMaxScale - 1][2][KCount];
    // The balls drawn at BallsRatio, made when first needed.
    qreal BallsRatio = 1.0;
    std::vector<TScaledBall> Scaled;
};

} // namespace brimbal
