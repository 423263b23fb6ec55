// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace brimbal {

// The program's texts are written in German; every other language has a catalogue compiled
// into the program. The codes of those languages ("en", "fr").
QStringList CatalogueLanguages();

// The language to speak, from the desktop's UI languages in order (QLocale::uiLanguages): the
// first that is German or has a catalogue. Without one: German where no language is asked for
// ("C", which stands for C and POSIX, or none), English otherwise.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& catalogues);

// The language of the desktop, as ChooseLanguage finds it.
QString DesktopLanguage();

// Loads the program's catalogue for the language into a translator; false for German, which has
// none, and for a language without one. LoadQtCatalogue loads Qt's own texts in it.
bool LoadCatalogue(QTranslator& translator, const QString& language);
bool LoadQtCatalogue(QTranslator& translator, const QString& language);

// Installs the program's catalogue for the language (none for German) and Qt's own texts in it
// (standard buttons, shortcut names, context menus). Needs the application object. Answers
// whether Qt's catalogue was found; without it those texts stay English and the game runs all
// the same. The default locale, which the dates in the high score table follow, is left alone.
bool InstallTranslations(const QString& language);

// A text of the program in the desktop's language before the application object exists (the
// command line's answers); context and text as QT_TRANSLATE_NOOP marks them.
QString TranslateEarly(const char* context, const char* text);

} // namespace brimbal
