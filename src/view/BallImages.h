// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QImage>

namespace brimbal {

// The two image lists of shaded balls, 32 and 48 pixels square, six images each (index 0 is a
// grey ball that the board never shows), and the same balls ready to draw, with the colour of
// their pixel (0, 0), white, left out.
class TBallImages {
public:
    static constexpr int KCount = 6;

    TBallImages();

    // The image of an image list as stored: size 32 is ILKugeln, size 48 is ILKugeln48.
    const QImage& Image(int size, int index) const;
    // The ball for a tile value, transparent outside the ball: the 32-pixel set when the tiles
    // are 32 pixels wide, otherwise the 48-pixel set. A null image for values outside 0 to 5.
    const QImage& Ball(int tileWidth, int value) const;

private:
    QImage ILKugeln[KCount];
    QImage ILKugeln48[KCount];
    QImage Bitmaps32[KCount];
    QImage Bitmaps48[KCount];
};

} // namespace brimbal
