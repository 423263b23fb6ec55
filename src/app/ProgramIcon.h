// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QIcon>

namespace brimbal {

// The program's icon, the red ball on a transparent ground, in every size of the icon set that
// the desktop gets as well: each window and task switcher picks the size it shows.
QIcon ProgramIcon();

} // namespace brimbal
