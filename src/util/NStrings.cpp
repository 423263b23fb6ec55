// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "NStrings.h"

namespace brimbal {

std::string IntToText(std::int32_t value) {
    return std::to_string(value);
}

std::string IntToTextPadded(std::int32_t value, char pad, int width) {
    std::string text = IntToText(value);
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), pad);
    }
    return text;
}

std::string DurationText(std::uint16_t hours, std::uint16_t minutes, std::uint16_t seconds) {
    std::string text;
    if (hours != 0) {
        text += std::to_string(hours) + "h ";
    }
    if (minutes != 0) {
        text += std::to_string(minutes) + "min ";
    }
    text += std::to_string(seconds) + "s ";
    return text;
}

} // namespace brimbal
