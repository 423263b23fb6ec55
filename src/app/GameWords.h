// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "GameHost.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace brimbal {

struct TMode;
struct TSwitchOption;

// The one place where the app words what the rules report, in the player's language, and where
// the texts of the mode and option tables are translated.
class TGameWords {
    Q_DECLARE_TR_FUNCTIONS(TGameWords)

public:
    // The text of a piece of news: panel 1's for the score, panel 0's for the rest.
    static QString News(IGameHost::ENews news, std::int32_t value);
    // Panel 1's text for a score given as text.
    static QString Score(const QString& number);
    // A mode's caption, hint and title, and a switch's caption and hint, translated.
    static QString ModeCaption(const TMode& mode);
    static QString ModeHint(const TMode& mode);
    static QString ModeTitle(std::int32_t number);
    static QString SwitchCaption(const TSwitchOption& option);
    static QString SwitchHint(const TSwitchOption& option);
};

} // namespace brimbal
