// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BallImages.h"
#include "Options.h"
#include "Symbols.h"

#include <QFont>
#include <QImage>

#include <vector>

class QPainter;

namespace brimbal {

class TBoardGeometry;
class TGame;

// Draws the board into the off-screen back buffer, which every paint of the board copies.
//
// The back buffer holds device pixels: with a device pixel ratio above 1 it is that many times
// larger than the paint box and carries the ratio, so that it is copied one device pixel to one.
// Everything is placed by the geometry in pixels of the paint box; a pixel of the paint box
// becomes the block of device pixels whose centres it covers. Tiles, preview and bubble are
// then drawn at device resolution, antialiased, and the outline keeps its dot pattern with each
// dot a block. At ratio 1 that is exactly the aliased drawing of a plain 1:1 image.
class TBoardRenderer {
public:
    TBoardRenderer();

    // Gives the back buffer a new size, in pixels of the paint box, and the device pixel ratio
    // of the screen it is shown on; its content is undefined until the next full redraw.
    void SetSize(int width, int height, qreal devicePixelRatio = 1.0);
    const QImage& BackBuffer() const { return FBackBuffer; }
    qreal DevicePixelRatio() const { return FRatio; }
    const TBallImages& BallImages() const { return Balls; }
    // Where the bubble of the last full redraw stands, circle and number, in pixels of the paint
    // box; empty when that redraw drew none.
    QRect BubbleBox() const { return FBubbleBox; }

    // The full redraw: background, tiles with their symbols (when the option is on) and the
    // outline of marked ones, bubble, preview.
    void SpielfeldDraw(const TGame& game, const TBoardGeometry& geometry, const TOptions& options);
    // Draws the outline of the marked group and erases the outline lines of all other tiles.
    void SpielfeldDrawMarkierung(const TGame& game, const TBoardGeometry& geometry);

private:
    void DrawBubble(const TGame& game, const TBoardGeometry& geometry, int column, int row,
                    bool altColor);
    // A tile ellipse: black outline, solid fill, in the box (x, y) to (x + width, y + height);
    // with the symbol of a ball value on it unless that is 0.
    void DrawEllipse(QPainter& painter, int x, int y, int width, int height, QRgb fill,
                     std::int32_t symbol);
    // The ellipses are drawn once per size in device pixels, colour and symbol and then copied:
    // the same pixels as drawing each of them, at a fraction of the cost.
    const QImage& EllipseSprite(int width, int height, QRgb fill, std::int32_t symbol);
    // The back buffer's pixels as an image without a device pixel ratio, to draw on in device
    // pixels. Shares the memory of the back buffer.
    QImage DevicePixels();

    struct TSprite {
        QRgb Fill;
        std::int32_t Symbol;
        QImage Image;
    };

    QImage FBackBuffer;
    qreal FRatio = 1.0;
    QRect FBubbleBox;
    TBallImages Balls;
    QFont BubbleFont;
    std::vector<TSprite> Sprites;
    TSymbols Symbols;
};

} // namespace brimbal
