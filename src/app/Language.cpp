// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace brimbal {

namespace {

const QString KCatalogueFolder = QStringLiteral(":/i18n");
const QString KSourceLanguage = QStringLiteral("de");

const QString KCataloguePrefix = QStringLiteral("brimbal_");
const QString KCatalogueSuffix = QStringLiteral(".qm");

} // namespace

QStringList CatalogueLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(KCatalogueFolder).entryList({KCataloguePrefix + '*' + KCatalogueSuffix})) {
        languages << file.mid(KCataloguePrefix.size(),
                              file.size() - KCataloguePrefix.size() - KCatalogueSuffix.size());
    }
    return languages;
}

bool LoadCatalogue(QTranslator& translator, const QString& language) {
    return language != KSourceLanguage &&
           translator.load(KCataloguePrefix + language, KCatalogueFolder);
}

bool LoadQtCatalogue(QTranslator& translator, const QString& language) {
    return translator.load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& catalogues) {
    bool asked = false;
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("c") || language.isEmpty()) {
            continue;
        }
        asked = true;
        if (language == KSourceLanguage || catalogues.contains(language)) {
            return language;
        }
    }
    return asked ? QStringLiteral("en") : KSourceLanguage;
}

QString DesktopLanguage() {
    return ChooseLanguage(QLocale::system().uiLanguages(), CatalogueLanguages());
}

bool InstallTranslations(const QString& language) {
    // The translators live as long as the application object.
    auto* program = new QTranslator(QCoreApplication::instance());
    if (LoadCatalogue(*program, language)) {
        QCoreApplication::installTranslator(program);
    } else {
        delete program;
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!LoadQtCatalogue(*qt, language)) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

QString TranslateEarly(const char* context, const char* text) {
    static const std::unique_ptr<QTranslator> translator = [] {
        auto loaded = std::make_unique<QTranslator>();
        if (!LoadCatalogue(*loaded, DesktopLanguage())) {
            loaded.reset();
        }
        return loaded;
    }();
    const QString translated = translator ? translator->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace brimbal
