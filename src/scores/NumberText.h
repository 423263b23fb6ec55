// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "NStrings.h"

#include <QString>

#include <cstdint>

namespace brimbal {

// IntToText for the dialogs' texts.
inline QString NumberText(std::int32_t value) {
    return QString::fromStdString(IntToText(value));
}

} // namespace brimbal
