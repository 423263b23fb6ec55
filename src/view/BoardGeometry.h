// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>

namespace brimbal {

// A cell of the playing field, or (-1, -1) for none.
struct TCell {
    std::int32_t Column = -1;
    std::int32_t Row = -1;
};

// A box of pixels: its top-left corner and its size.
struct TBox {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// The pixel geometry of the 11 x 11 board in a paint box of a given size. Integer arithmetic;
// every division truncates toward zero.
class TBoardGeometry {
public:
    // Recomputes the cell and tile sizes and the position of the first tile. With ball images
    // the tiles are 32 or 48 pixels square, whatever the size of the cells.
    void RecalcSpielfeld(std::int32_t width, std::int32_t height, bool bitmaps);

    // The cell whose hit area holds the pixel: from its tile's top-left corner, one cell wide
    // and high. (-1, -1) outside the 11 x 11 cells and when the cells have no size.
    TCell TryToFigureOutTheField(std::int32_t x, std::int32_t y) const;

    // The box of a cell: its tile and the gap around it, one cell wide and high. The outline of
    // a marked group, the keyboard cursor and assistive technology all frame a cell with it.
    TBox CellBox(TCell cell) const;
    // The small circle of a row's preview ball, in the left margin.
    TBox PreviewBox(std::int32_t row) const;
    // The cells of the field in reading order, row by row from the top left, as assistive
    // technology counts them: the index of a cell and the cell of an index, -1 and (-1, -1)
    // outside the field.
    static int IndexOfCell(TCell cell);
    static TCell CellOfIndex(int index);

    std::int32_t CellWidth() const { return FCellWidth; }
    std::int32_t CellHeight() const { return FCellHeight; }
    std::int32_t TileWidth() const { return FTileWidth; }
    std::int32_t TileHeight() const { return FTileHeight; }
    std::int32_t FieldLeft() const { return FFieldLeft; }
    std::int32_t FieldTop() const { return FFieldTop; }
    // Offset of a tile inside its cell; negative when the tile is larger than the cell.
    std::int32_t GapX() const { return (FCellWidth - FTileWidth) / 2; }
    std::int32_t GapY() const { return (FCellHeight - FTileHeight) / 2; }
    // Top-left corner of the tile in a column or row.
    std::int32_t TileX(std::int32_t column) const { return FFieldLeft + column * FCellWidth; }
    std::int32_t TileY(std::int32_t row) const { return FFieldTop + row * FCellHeight; }

private:
    std::int32_t FCellWidth = 0;
    std::int32_t FCellHeight = 0;
    std::int32_t FTileWidth = 0;
    std::int32_t FTileHeight = 0;
    std::int32_t FFieldLeft = 0;
    std::int32_t FFieldTop = 0;
};

} // namespace brimbal
