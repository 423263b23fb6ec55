// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>
#include <string>

namespace brimbal {

// The signed integer in plain decimal: a leading "-" for negative values, no grouping.
std::string IntToText(std::int32_t value);

// IntToText, left-padded with pad until it is width characters long. A longer text stays as it is.
std::string IntToTextPadded(std::int32_t value, char pad, int width);

// "1h 5min 0s ": hours and minutes only when not zero, seconds always; every text ends in a blank.
std::string DurationText(std::uint16_t hours, std::uint16_t minutes, std::uint16_t seconds);

} // namespace brimbal
