// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>

class QWidget;

namespace brimbal {

class TSearchPosition;

// How much a deal holds: searches it from the start for up to three seconds, showing a progress
// bar whose "Abbrechen" keeps the best line found so far. Returns the points of the best line.
std::int32_t AnalyseDeal(QWidget* parent, const TSearchPosition& deal);

// Tells the player what the deal holds and where the game stands (running, or over); true when
// the player wants to play the deal again.
bool ShowAnalysis(QWidget* parent, std::int32_t points, std::int32_t total, bool running);

} // namespace brimbal
