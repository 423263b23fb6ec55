// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardRenderer.h"

#include "BoardGeometry.h"
#include "Game.h"
#include "Modes.h"
#include "NStrings.h"
#include "Palette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brimbal {

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// The first device pixel of the paint box's pixel `logical`: the first whose centre lies at or
// beyond that pixel's leading edge. So each pixel of the paint box becomes the block of device
// pixels whose centres it covers, for fractional ratios too.
int DeviceEdge(int logical, qreal ratio) {
    if (ratio == 1.0) {
        return logical;
    }
    return static_cast<int>(std::ceil(logical * ratio - 0.5));
}

// The device pixels of the paint box's pixels (x, y) to (x + w, y + h), right and bottom
// exclusive.
QRect DeviceRect(int x, int y, int w, int h, qreal ratio) {
    const int left = DeviceEdge(x, ratio);
    const int top = DeviceEdge(y, ratio);
    return {left, top, DeviceEdge(x + w, ratio) - left, DeviceEdge(y + h, ratio) - top};
}

// Writes pixels of the paint box straight into an image of device pixels, each as its block,
// as far as they lie in the image. The outline lines are many and short, and a painter's pen
// change for each of them costs more than their pixels.
class TPixelWriter {
public:
    TPixelWriter(QImage& image, qreal ratio)
        : Pixels(reinterpret_cast<QRgb*>(image.bits())),
          Stride(image.bytesPerLine() / qsizetype(sizeof(QRgb))), Width(image.width()),
          Height(image.height()), Ratio(ratio) {}

    // The paint box's pixels (x, y) to (x + w, y + h), right and bottom exclusive.
    void Fill(int x, int y, int w, int h, QRgb colour) const {
        const int left = std::max(DeviceEdge(x, Ratio), 0);
        const int right = std::min(DeviceEdge(x + w, Ratio), Width);
        const int top = std::max(DeviceEdge(y, Ratio), 0);
        const int bottom = std::min(DeviceEdge(y + h, Ratio), Height);
        for (int row = top; row < bottom; ++row) {
            QRgb* line = Pixels + row * Stride;
            for (int column = left; column < right; ++column) {
                line[column] = colour;
            }
        }
    }

private:
    QRgb* Pixels;
    qsizetype Stride;
    int Width;
    int Height;
    qreal Ratio;
};

// An axis-aligned 1-pixel line from (x1, y1) towards (x2, y2) without its end point, in pixels
// of the paint box. A dotted line paints every third pixel from its start and leaves the pixels
// between untouched.
void DrawLineOpenEnd(const TPixelWriter& writer, int x1, int y1, int x2, int y2, QRgb colour,
                     bool dotted) {
    const int dx = Sign(x2 - x1);
    const int dy = Sign(y2 - y1);
    const int length = std::abs(x2 - x1) + std::abs(y2 - y1);
    if (length == 0) {
        return;
    }
    if (!dotted) {
        const int xLast = x1 + (length - 1) * dx;
        const int yLast = y1 + (length - 1) * dy;
        const int left = std::min(x1, xLast);
        const int top = std::min(y1, yLast);
        writer.Fill(left, top, std::max(x1, xLast) - left + 1, std::max(y1, yLast) - top + 1,
                    colour);
        return;
    }
    for (int i = 0; i < length; i += 3) {
        writer.Fill(x1 + i * dx, y1 + i * dy, 1, 1, colour);
    }
}

// An ellipse in the box (left, top) to (right, bottom), right and bottom exclusive, with the
// painter's pen as its outline and its brush as the fill.
void DrawEllipseBox(QPainter& painter, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

// The edges of a cell that do not face another marked cell.
void DrawEdges(const TPixelWriter& writer, const TGame& game, const TBoardGeometry& geometry,
               int column, int row, QRgb colour, bool dotted) {
    const TBox box = geometry.CellBox({column, row});
    const int left = box.X;
    const int right = left + box.Width + 1;
    const int top = box.Y;
    const int bottom = top + box.Height + 1;
    if (column == 0 || !game.IsMarked(column - 1, row)) {
        DrawLineOpenEnd(writer, left, top, left, bottom, colour, dotted);
    }
    if (column == KFieldColumns - 1 || !game.IsMarked(column + 1, row)) {
        DrawLineOpenEnd(writer, right, top, right, bottom, colour, dotted);
    }
    if (row == 0 || !game.IsMarked(column, row - 1)) {
        DrawLineOpenEnd(writer, left, top, right, top, colour, dotted);
    }
    if (row == KRows - 1 || !game.IsMarked(column, row + 1)) {
        DrawLineOpenEnd(writer, left, bottom, right, bottom, colour, dotted);
    }
}

} // namespace

TBoardRenderer::TBoardRenderer() : BubbleFont("Arial", 8) {}

void TBoardRenderer::SetSize(int width, int height, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    if (ratio != FRatio) {
        FRatio = ratio;
        Sprites.clear();
        FBackBuffer = QImage();
    }
    if (width <= 0 || height <= 0) {
        FBackBuffer = QImage();
        return;
    }
    // Whole device pixels that cover the paint box, also where it ends inside one.
    const int deviceWidth = static_cast<int>(std::ceil(width * ratio - 1e-9));
    const int deviceHeight = static_cast<int>(std::ceil(height * ratio - 1e-9));
    if (deviceWidth == FBackBuffer.width() && deviceHeight == FBackBuffer.height()) {
        return;
    }
    FBackBuffer = QImage(deviceWidth, deviceHeight, QImage::Format_RGB32);
    FBackBuffer.setDevicePixelRatio(ratio);
}

QImage TBoardRenderer::DevicePixels() {
    return QImage(FBackBuffer.bits(), FBackBuffer.width(), FBackBuffer.height(),
                  FBackBuffer.bytesPerLine(), FBackBuffer.format());
}

void TBoardRenderer::SpielfeldDraw(const TGame& game, const TBoardGeometry& geometry,
                                   const TOptions& options) {
    if (FBackBuffer.isNull()) {
        return;
    }
    FBackBuffer.fill(BackgroundColor());
    FBubbleBox = QRect();
    QImage device = DevicePixels();
    const int tileWidth = geometry.TileWidth();
    const int tileHeight = geometry.TileHeight();
    int bubbleColumn = -1;
    int bubbleRow = -1;

    QPainter painter(&device);
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            const std::int32_t value = game.Tile(column, row);
            if (value <= 0) {
                continue;
            }
            const int x = geometry.TileX(column);
            const int y = geometry.TileY(row);
            const QImage* ball = nullptr;
            if (options.AnzeigeBitmaps && value <= KColours) {
                ball = &Balls.Ball(tileWidth, value, FRatio);
            }
            if (ball && !ball->isNull()) {
                painter.drawImage(DeviceEdge(x, FRatio), DeviceEdge(y, FRatio),
                                  options.Symbole ? Symbols.OnImage(*ball, value) : *ball);
            } else {
                DrawEllipse(painter, x, y, tileWidth, tileHeight,
                            GetColorForValue(value, options.AltColor), options.Symbole ? value : 0);
            }
            if (game.IsMarked(column, row)) {
                if (bubbleColumn < 0) {
                    bubbleColumn = column;
                    bubbleRow = row;
                }
                DrawEdges(TPixelWriter(device, FRatio), game, geometry, column, row, OutlineColor(),
                          true);
            }
        }
    }
    painter.end();

    if (options.Bubble && bubbleColumn >= 0) {
        DrawBubble(game, geometry, bubbleColumn, bubbleRow, options.AltColor);
    }

    // The preview column: small circles in the left margin, from the left edge of the box.
    if (HasPreview(game.Modus())) {
        device = DevicePixels();
        painter.begin(&device);
        for (int row = 0; row < KRows; ++row) {
            const std::int32_t value = game.Tile(KPreviewColumn, row);
            if (value <= 0) {
                continue;
            }
            const TBox box = geometry.PreviewBox(row);
            DrawEllipse(painter, box.X, box.Y, box.Width, box.Height,
                        GetColorForValue(value, options.AltColor), options.Symbole ? value : 0);
        }
    }
}

void TBoardRenderer::DrawBubble(const TGame& game, const TBoardGeometry& geometry, int column,
                                int row, bool altColor) {
    const int x = geometry.TileX(column);
    const int y = geometry.TileY(row);
    const QColor colour(GetColorForValue(game.Tile(column, row), altColor));
    QImage device = DevicePixels();
    QPainter circle(&device);
    if (FRatio == 1.0) {
        circle.setPen(QPen(colour, 1));
        circle.setBrush(colour);
        DrawEllipseBox(circle, x - 8, y - 8, x + 8, y + 8);
    } else {
        // Outline and fill share the colour: one smooth disc filling the box.
        circle.setRenderHint(QPainter::Antialiasing);
        circle.setPen(Qt::NoPen);
        circle.setBrush(colour);
        circle.drawEllipse(QRectF(DeviceRect(x - 8, y - 8, 16, 16, FRatio)));
    }
    circle.end();

    // The text is drawn in pixels of the paint box on the back buffer itself, whose device
    // pixel ratio gives the font its size in device pixels.
    const std::int32_t count = game.MarkedCount();
    const int left = count <= 9 ? x - 3 : x - 5;
    QPainter text(&FBackBuffer);
    text.setFont(BubbleFont);
    text.setPen(QColor(OutlineColor()));
    const QRectF box(DeviceEdge(left, FRatio) / FRatio, DeviceEdge(y - 8, FRatio) / FRatio, 64, 32);
    QRectF drawn;
    text.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                  QString::fromStdString(IntToText(count)), &drawn);
    FBubbleBox = QRect(x - 8, y - 8, 17, 17).united(drawn.toAlignedRect());
}

void TBoardRenderer::SpielfeldDrawMarkierung(const TGame& game, const TBoardGeometry& geometry) {
    if (FBackBuffer.isNull()) {
        return;
    }
    const QRgb erase = BackgroundColor();
    const QRgb outline = OutlineColor();
    const TPixelWriter writer(FBackBuffer, FRatio);
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            if (game.Tile(column, row) <= 0) {
                continue;
            }
            const bool marked = game.IsMarked(column, row);
            DrawEdges(writer, game, geometry, column, row, marked ? outline : erase, marked);
        }
    }
}

void TBoardRenderer::DrawEllipse(QPainter& painter, int x, int y, int width, int height, QRgb fill,
                                 std::int32_t symbol) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const QRect box = DeviceRect(x, y, width, height, FRatio);
    if (box.isEmpty()) {
        return;
    }
    painter.drawImage(box.topLeft(), EllipseSprite(box.width(), box.height(), fill, symbol));
}

const QImage& TBoardRenderer::EllipseSprite(int width, int height, QRgb fill, std::int32_t symbol) {
    for (const TSprite& sprite : Sprites) {
        if (sprite.Fill == fill && sprite.Symbol == symbol && sprite.Image.width() == width &&
            sprite.Image.height() == height) {
            return sprite.Image;
        }
    }
    if (Sprites.size() >= 64) {
        Sprites.clear(); // sizes of earlier window sizes
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QColor(fill));
    const qreal pen = FRatio; // one pixel of the paint box
    const QColor outline(OutlineColor());
    if (FRatio == 1.0) {
        painter.setPen(QPen(outline, 1));
        DrawEllipseBox(painter, 0, 0, width, height);
    } else if (width > 2 * pen && height > 2 * pen) {
        // The outline's outer edge on the box, as at ratio 1.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(outline, pen));
        painter.drawEllipse(QRectF(pen / 2, pen / 2, width - pen, height - pen));
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline);
        painter.drawEllipse(QRectF(0, 0, width, height));
    }
    if (symbol != 0) {
        TSymbols::Draw(painter, image.rect(), symbol, fill);
    }
    painter.end();
    Sprites.push_back({fill, symbol, image});
    return Sprites.back().Image;
}

} // namespace brimbal
