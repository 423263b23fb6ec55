// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

namespace brimbal {

class TDlgHighscore;
struct TOptions;

// Reads the options and the five high score tables from the settings store. Missing values and
// values of the wrong type take their defaults; everything else is read.
void LoadSettings(TOptions& options, TDlgHighscore& highscore);

// Writes the options and all 50 high score entries. False, with the store's location in where,
// when the store refused the write; the file as it was then stays untouched.
bool SaveSettings(const TOptions& options, const TDlgHighscore& highscore,
                  QString* where = nullptr);

} // namespace brimbal
