// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"

#include "Game.h"

#include <algorithm>

namespace brimbal {

namespace {
// The field is square; the paint box holds one cell more each way for the margins.
static_assert(KFieldColumns == KRows);
constexpr std::int32_t KCells = KFieldColumns;
} // namespace

void TBoardGeometry::RecalcSpielfeld(std::int32_t width, std::int32_t height, bool bitmaps) {
    FCellWidth = width / (KCells + 1);
    FCellHeight = height / (KCells + 1);
    FTileWidth = (FCellWidth * 8) / 9;
    FTileHeight = (FCellHeight * 3) / 4;
    if (bitmaps) {
        const std::int32_t size = std::min(FTileWidth, FTileHeight) >= 35 ? 48 : 32;
        FTileWidth = size;
        FTileHeight = size;
    }
    FFieldLeft = (width - KCells * FCellWidth) / 2 + (FCellWidth - FTileWidth) / 2;
    FFieldTop = (height - KCells * FCellHeight) / 2 + (FCellHeight - FTileHeight) / 2;
}

TCell TBoardGeometry::TryToFigureOutTheField(std::int32_t x, std::int32_t y) const {
    if (x < FFieldLeft || y < FFieldTop || FCellWidth <= 0 || FCellHeight <= 0) {
        return {};
    }
    const std::int32_t column = (x - FFieldLeft) / FCellWidth;
    const std::int32_t row = (y - FFieldTop) / FCellHeight;
    if (column >= KCells || row >= KCells) {
        return {};
    }
    return {column, row};
}

TBox TBoardGeometry::CellBox(TCell cell) const {
    return {TileX(cell.Column) - GapX(), TileY(cell.Row) - GapY(), FCellWidth, FCellHeight};
}

TBox TBoardGeometry::PreviewBox(std::int32_t row) const {
    return {FTileWidth / 4, TileY(row) + FTileHeight / 2, FTileWidth / 4, FTileHeight / 4};
}

int TBoardGeometry::IndexOfCell(TCell cell) {
    return InField(cell.Column, cell.Row) ? cell.Row * KCells + cell.Column : -1;
}

TCell TBoardGeometry::CellOfIndex(int index) {
    if (index < 0 || index >= KCells * KCells) {
        return {};
    }
    return {index % KCells, index / KCells};
}

} // namespace brimbal
