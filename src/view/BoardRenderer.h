// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BallImages.h"
#include "Options.h"

#include <QFont>
#include <QImage>

#include <vector>

class QPainter;

namespace brimbal {

class TBoardGeometry;
class TGame;

// Draws the board into the off-screen back buffer, which every paint of the board copies.
class TBoardRenderer {
public:
    TBoardRenderer();

    // Gives the back buffer a new size; its content is undefined until the next full redraw.
    void SetSize(int width, int height);
    const QImage& BackBuffer() const { return FBackBuffer; }
    const TBallImages& BallImages() const { return Balls; }

    // The full redraw: background, tiles with the outline of marked ones, bubble, preview.
    void SpielfeldDraw(const TGame& game, const TBoardGeometry& geometry, const TOptions& options);
    // Draws the outline of the marked group and erases the outline lines of all other tiles.
    void SpielfeldDrawMarkierung(const TGame& game, const TBoardGeometry& geometry);

private:
    void DrawBubble(QPainter& painter, const TGame& game, const TBoardGeometry& geometry,
                    int column, int row, bool altColor) const;
    // A tile ellipse: black outline, solid fill, in the box (x, y) to (x + width, y + height).
    void DrawEllipse(QPainter& painter, int x, int y, int width, int height, QRgb fill);
    // The ellipses are drawn once per size and colour and then copied: the same pixels as
    // drawing each of them, at a fraction of the cost.
    const QImage& EllipseSprite(int width, int height, QRgb fill);

    struct TSprite {
        QRgb Fill;
        QImage Image;
    };

    QImage FBackBuffer;
    TBallImages Balls;
    QFont BubbleFont;
    std::vector<TSprite> Sprites;
};

} // namespace brimbal
