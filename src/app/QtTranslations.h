// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

namespace brimbal {

// Installs Qt's own German texts (shortcut names, standard buttons, context menus) whatever the
// user's locale, so that they speak the language of the rest of the program. Needs the
// application object. Answers whether Qt's German catalogue was found; without it those texts
// stay English and the game runs all the same. The default locale, which the dates in the high
// score table follow, is left as it is.
bool InstallQtTranslations();

} // namespace brimbal
