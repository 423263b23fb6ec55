// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <string>
#include <vector>

namespace brimbal {

class TGame;

// A board written as text: 11 rows from the top, each 11 characters for columns 0 to 10 and an
// optional 12th for the preview column. Digits are tile values, '.' an empty cell.
using TBoardPicture = std::vector<std::string>;

// Fills the board from a picture; a missing preview character leaves column 11 empty.
// Returns false (and leaves the board alone) when the picture is malformed.
bool LoadBoardPicture(TGame& game, const TBoardPicture& picture);

// The board as a picture; with withPreview, each row carries column 11 as its 12th character.
TBoardPicture BoardPicture(const TGame& game, bool withPreview = false);

// The marks as a picture: 'x' for a marked cell, '.' otherwise.
TBoardPicture MarkPicture(const TGame& game);

} // namespace brimbal
