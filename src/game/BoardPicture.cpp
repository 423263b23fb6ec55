// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardPicture.h"

#include "Game.h"

namespace brimbal {

namespace {

bool ValidCell(char cell) {
    return cell == '.' || (cell >= '0' && cell <= '9');
}

} // namespace

bool LoadBoardPicture(TGame& game, const TBoardPicture& picture) {
    if (picture.size() != static_cast<std::size_t>(KRows)) {
        return false;
    }
    for (const std::string& line : picture) {
        if (line.size() != KFieldColumns && line.size() != KColumnsWithPreview) {
            return false;
        }
        for (char cell : line) {
            if (!ValidCell(cell)) {
                return false;
            }
        }
    }
    for (int row = 0; row < KRows; ++row) {
        const std::string& line = picture[static_cast<std::size_t>(row)];
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            const char cell = static_cast<std::size_t>(column) < line.size() ? line[column] : '.';
            game.SetTile(column, row, cell == '.' ? 0 : cell - '0');
        }
    }
    return true;
}

TBoardPicture BoardPicture(const TGame& game, bool withPreview) {
    TBoardPicture picture;
    const int columns = withPreview ? KColumnsWithPreview : KFieldColumns;
    for (int row = 0; row < KRows; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            const int value = game.Tile(column, row);
            line += value == 0 ? '.' : (value > 0 && value <= 9 ? char('0' + value) : '?');
        }
        picture.push_back(line);
    }
    return picture;
}

TBoardPicture MarkPicture(const TGame& game) {
    TBoardPicture picture;
    for (int row = 0; row < KRows; ++row) {
        std::string line;
        for (int column = 0; column < KFieldColumns; ++column) {
            line += game.IsMarked(column, row) ? 'x' : '.';
        }
        picture.push_back(line);
    }
    return picture;
}

} // namespace brimbal
