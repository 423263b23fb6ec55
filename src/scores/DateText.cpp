// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DateText.h"

#include <algorithm>

namespace brimbal {

namespace {

// A date or time format split into runs: a quoted literal ('...'), a run of one pattern letter
// ("yy", "HH") or a single other character. Joining the runs gives the format back.
QStringList FormatRuns(const QString& format) {
    QStringList runs;
    qsizetype i = 0;
    while (i < format.size()) {
        qsizetype end = i + 1;
        if (format[i] == QLatin1Char('\'')) {
            while (end < format.size() && format[end] != QLatin1Char('\'')) {
                ++end;
            }
            end = std::min(end + 1, format.size());
        } else if (format[i].isLetter()) {
            while (end < format.size() && format[end] == format[i]) {
                ++end;
            }
        }
        runs.append(format.mid(i, end - i));
        i = end;
    }
    return runs;
}

bool IsBlank(const QString& run) {
    return run == QLatin1String(" ");
}

// The short date format with a two-digit year widened to four digits.
QString DateFormat(const QLocale& locale) {
    QStringList runs = FormatRuns(locale.dateFormat(QLocale::ShortFormat));
    for (QString& run : runs) {
        if (run == QLatin1String("yy")) {
            run = QStringLiteral("yyyy");
        }
    }
    return runs.join(QString());
}

// The long time format without the time zone ("t") and the blanks around it.
QString TimeFormat(const QLocale& locale) {
    QStringList runs = FormatRuns(locale.timeFormat(QLocale::LongFormat));
    for (qsizetype i = 0; i < runs.size();) {
        if (!runs[i].startsWith(QLatin1Char('t'))) {
            ++i;
            continue;
        }
        qsizetype first = i;
        qsizetype last = i + 1;
        while (first > 0 && IsBlank(runs[first - 1])) {
            --first;
        }
        while (last < runs.size() && IsBlank(runs[last])) {
            ++last;
        }
        // A zone between two parts leaves one blank to keep them apart.
        const bool between = first > 0 && last < runs.size();
        runs.erase(runs.begin() + first, runs.begin() + last);
        if (between) {
            runs.insert(first, QStringLiteral(" "));
        }
        i = first;
    }
    return runs.join(QString());
}

} // namespace

QString DateText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), DateFormat(locale)) + QLatin1Char(' ') +
           locale.toString(when.time(), TimeFormat(locale));
}

} // namespace brimbal
