// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace brimbal {

// The date and time stamp of a score entry: the locale's short date with the year in four digits,
// one blank, and the locale's long time (hours, minutes, seconds) without its time zone.
// "07.12.2026 20:13:05" for German (Germany).
QString DateText(const QDateTime& when, const QLocale& locale);

} // namespace brimbal
