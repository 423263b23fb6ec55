// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

namespace brimbal {

// Where the game keeps its settings: on Windows the registry key
// HKEY_CURRENT_USER\Software\<folder>\<name>, elsewhere the file <folder>/<name>.conf in the
// user's configuration folder.
inline constexpr char KSettingsFolder[] = "Zelkor";
inline constexpr char KSettingsName[] = "Brimbal";

} // namespace brimbal
