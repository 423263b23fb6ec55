// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardRenderer.h"

#include "BoardGeometry.h"
#include "Game.h"
#include "NStrings.h"
#include "Palette.h"

#include <QPainter>

#include <cstdlib>

namespace brimbal {

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// An axis-aligned 1-pixel line from (x1, y1) towards (x2, y2) without its end point. A dotted
// line paints every third pixel from its start and leaves the pixels between untouched. The
// lines are written straight into the image: they are many and short, and a painter's pen
// change for each of them costs more than the pixels.
void DrawLineOpenEnd(QImage& image, int x1, int y1, int x2, int y2, QRgb colour, bool dotted) {
    const int dx = Sign(x2 - x1);
    const int dy = Sign(y2 - y1);
    const int length = std::abs(x2 - x1) + std::abs(y2 - y1);
    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* pixels = reinterpret_cast<QRgb*>(image.bits());
    for (int i = 0; i < length; i += dotted ? 3 : 1) {
        const int x = x1 + i * dx;
        const int y = y1 + i * dy;
        if (x >= 0 && y >= 0 && x < width && y < height) {
            pixels[y * stride + x] = colour;
        }
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
void DrawEdges(QImage& image, const TGame& game, const TBoardGeometry& geometry, int column,
               int row, QRgb colour, bool dotted) {
    const int left = geometry.TileX(column) - geometry.GapX();
    const int right = left + geometry.CellWidth() + 1;
    const int top = geometry.TileY(row) - geometry.GapY();
    const int bottom = top + geometry.CellHeight() + 1;
    if (column == 0 || !game.IsMarked(column - 1, row)) {
        DrawLineOpenEnd(image, left, top, left, bottom, colour, dotted);
    }
    if (column == KFieldColumns - 1 || !game.IsMarked(column + 1, row)) {
        DrawLineOpenEnd(image, right, top, right, bottom, colour, dotted);
    }
    if (row == 0 || !game.IsMarked(column, row - 1)) {
        DrawLineOpenEnd(image, left, top, right, top, colour, dotted);
    }
    if (row == KRows - 1 || !game.IsMarked(column, row + 1)) {
        DrawLineOpenEnd(image, left, bottom, right, bottom, colour, dotted);
    }
}

const QRgb KOutlineColour = qRgb(0, 0, 0);

} // namespace

TBoardRenderer::TBoardRenderer() : BubbleFont("Arial", 8) {}

void TBoardRenderer::SetSize(int width, int height) {
    if (width == FBackBuffer.width() && height == FBackBuffer.height()) {
        return;
    }
    if (width <= 0 || height <= 0) {
        FBackBuffer = QImage();
        return;
    }
    FBackBuffer = QImage(width, height, QImage::Format_RGB32);
}

void TBoardRenderer::SpielfeldDraw(const TGame& game, const TBoardGeometry& geometry,
                                   const TOptions& options) {
    if (FBackBuffer.isNull()) {
        return;
    }
    FBackBuffer.fill(BackgroundColor());
    QPainter painter(&FBackBuffer);
    const int tileWidth = geometry.TileWidth();
    const int tileHeight = geometry.TileHeight();
    int bubbleColumn = -1;
    int bubbleRow = -1;

    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            const std::int32_t value = game.Tile(column, row);
            if (value <= 0) {
                continue;
            }
            const int x = geometry.TileX(column);
            const int y = geometry.TileY(row);
            const QImage& ball = Balls.Ball(tileWidth, value);
            if (options.AnzeigeBitmaps && value <= 5 && !ball.isNull()) {
                painter.drawImage(x, y, ball);
            } else {
                DrawEllipse(painter, x, y, tileWidth, tileHeight,
                            GetColorForValue(value, options.AltColor));
            }
            if (game.IsMarked(column, row)) {
                if (bubbleColumn < 0) {
                    bubbleColumn = column;
                    bubbleRow = row;
                }
                DrawEdges(FBackBuffer, game, geometry, column, row, KOutlineColour, true);
            }
        }
    }

    if (options.Bubble && bubbleColumn >= 0) {
        DrawBubble(painter, game, geometry, bubbleColumn, bubbleRow, options.AltColor);
    }

    // The preview column: small circles in the left margin, from the left edge of the box.
    if (game.Modus() != 1) {
        const int x0 = tileWidth / 4;
        for (int row = 0; row < KRows; ++row) {
            const std::int32_t value = game.Tile(KPreviewColumn, row);
            if (value <= 0) {
                continue;
            }
            const int y0 = geometry.TileY(row) + tileHeight / 2;
            DrawEllipse(painter, x0, y0, tileWidth / 4, tileHeight / 4,
                        GetColorForValue(value, options.AltColor));
        }
    }
}

void TBoardRenderer::DrawBubble(QPainter& painter, const TGame& game,
                                const TBoardGeometry& geometry, int column, int row,
                                bool altColor) const {
    const int x = geometry.TileX(column);
    const int y = geometry.TileY(row);
    const QColor colour(GetColorForValue(game.Tile(column, row), altColor));
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    DrawEllipseBox(painter, x - 8, y - 8, x + 8, y + 8);

    const std::int32_t count = game.MarkedCount();
    const int left = count <= 9 ? x - 3 : x - 5;
    painter.setFont(BubbleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRect(left, y - 8, 64, 32), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromStdString(IntToText(count)));
}

void TBoardRenderer::SpielfeldDrawMarkierung(const TGame& game, const TBoardGeometry& geometry) {
    if (FBackBuffer.isNull()) {
        return;
    }
    const QRgb erase = BackgroundColor();
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            if (game.Tile(column, row) <= 0) {
                continue;
            }
            const bool marked = game.IsMarked(column, row);
            DrawEdges(FBackBuffer, game, geometry, column, row, marked ? KOutlineColour : erase,
                      marked);
        }
    }
}

void TBoardRenderer::DrawEllipse(QPainter& painter, int x, int y, int width, int height,
                                 QRgb fill) {
    if (width <= 0 || height <= 0) {
        return;
    }
    painter.drawImage(x, y, EllipseSprite(width, height, fill));
}

const QImage& TBoardRenderer::EllipseSprite(int width, int height, QRgb fill) {
    for (const TSprite& sprite : Sprites) {
        if (sprite.Fill == fill && sprite.Image.width() == width &&
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
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(fill));
    DrawEllipseBox(painter, 0, 0, width, height);
    painter.end();
    Sprites.push_back({fill, image});
    return Sprites.back().Image;
}

} // namespace brimbal
