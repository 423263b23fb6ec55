// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The game speaks the desktop's language: the choice, the catalogues, and every window in each.
#include "About.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "GameoverText.h"
#include "Language.h"
#include "LayoutCheck.h"
#include "Main.h"
#include "SettingsFixture.h"
#include "StatusBar.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace brimbal;

namespace {

// The accelerator of a caption, lower case; none without one.
QChar Accelerator(const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

// The placeholders of a text, sorted, and how many accelerators it marks.
QString Shape(const QString& text) {
    QStringList marks;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text)) {
        marks << match.captured();
    }
    marks.sort();
    return marks.join(QLatin1Char(' ')) + QStringLiteral(" &x%1").arg(text.count('&'));
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void chooseLanguage_data();
    void chooseLanguage();
    void shortcutInGerman();
    void catalogues();
    void everyWindow_data();
    void everyWindow();
};

void TestLanguages::chooseLanguage_data() {
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << "en";
    QTest::newRow("French") << QStringList{"fr-CA", "fr"} << "fr";
    QTest::newRow("C or POSIX") << QStringList{"C"} << "de";
    QTest::newRow("none") << QStringList() << "de";
    QTest::newRow("no catalogue") << QStringList{"it-IT", "it"} << "en";
    QTest::newRow("the first with one") << QStringList{"it", "fr", "de"} << "fr";
    QTest::newRow("German before French") << QStringList{"de-AT", "fr"} << "de";
}

void TestLanguages::chooseLanguage() {
    QFETCH(QStringList, desktop);
    QFETCH(QString, language);
    QCOMPARE(ChooseLanguage(desktop, CatalogueLanguages()), language);
}

// The menu shows an action's shortcut in its native text, which Qt translates; the locale stays.
void TestLanguages::shortcutInGerman() {
    TSettingsDir settings;
    TFrmMain frm;
    const QAction* neu = frm.DateiNeu;
    QCOMPARE(neu->text(), QStringLiteral("&Neu"));
    QCOMPARE(neu->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Ctrl+N"));
    const QLocale locale;
    QVERIFY(InstallTranslations(QStringLiteral("de")));
    QCOMPARE(neu->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+N"));
    QCOMPARE(QLocale(), locale);
}

// Every language of the build is compiled in, and its catalogue is complete: each message is
// translated with the placeholders and accelerator marks of its German source.
void TestLanguages::catalogues() {
    QStringList built = QString(BRIMBAL_LANGUAGES).split(',');
    QStringList found = CatalogueLanguages();
    built.sort();
    found.sort();
    QCOMPARE(found, built);
    for (const QString& language : built) {
        QFile file(QStringLiteral(BRIMBAL_TRANSLATIONS_DIR "/brimbal_%1.ts").arg(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value("type").toString();
                const QString text = xml.readElementText();
                const QString where = language + QStringLiteral(": ") + source;
                QVERIFY2(type.isEmpty() && !text.isEmpty(), qPrintable(where + " " + type));
                QVERIFY2(Shape(text) == Shape(source), qPrintable(where + " -> " + text));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 100);
    }
}

void TestLanguages::everyWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << "de";
    for (const QString& language : CatalogueLanguages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// In each language: accelerators are unique within each menu (German as designed), every menu hint
// fits panel 0 of the window as it opens, the score and the clock fit their panels, and no caption
// of a dialog is cut off.
void TestLanguages::everyWindow() {
    QFETCH(QString, language);
    QTranslator catalogue;
    QTranslator qt;
    if (LoadCatalogue(catalogue, language)) {
        QCoreApplication::installTranslator(&catalogue);
    }
    if (LoadQtCatalogue(qt, language)) {
        QCoreApplication::installTranslator(&qt);
    }
    TSettingsDir settings;
    TFrmMain frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QList<QWidget*> menus{frm.menuBar()};
    for (QMenu* menu : frm.menuBar()->findChildren<QMenu*>()) {
        menus << menu;
    }
    const QLabel* panel0 = frm.StatusBar()->Panel(0);
    for (QWidget* menu : menus) {
        QString taken;
        for (const QAction* action : menu->actions()) {
            const QChar key = Accelerator(action->text());
            // The German design has two of them in "&Optionen"; the catalogues have none.
            QVERIFY2(key.isNull() || !taken.contains(key) || language == "de",
                     qPrintable(action->text()));
            taken += key;
            QVERIFY2(panel0->fontMetrics().horizontalAdvance(action->statusTip()) <=
                         panel0->contentsRect().width() - panel0->indent(),
                     qPrintable(action->statusTip()));
        }
    }
    frm.Report(IGameHost::ENews::Score, 999999);
    frm.Timer1Timer();
    for (int panel = 1; panel < TStatusBar::KPanels; ++panel) {
        const QLabel* label = frm.StatusBar()->Panel(panel);
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
    }
    TScoreTables tables;
    TDlgHighscore highscore(tables);
    TDlgEnterName enterName;
    enterName.LText()->setText(ScreenText(CongratulationText("Alexander von Humboldt", 10)));
    enterName.PlaceControls();
    TFrmAbout about;
    for (const auto& [layout, window] :
         {std::pair<const TDialogLayout*, const QWidget*>{&highscore.Layout(), &highscore},
          {&enterName.Layout(), &enterName},
          {&about.Layout(), &about},
          {&about.VersionLayout(), about.findChild<QWidget*>("GroupBox3")},
          {&about.LinksLayout(), about.findChild<QWidget*>("GroupBox1")}}) {
        const QString fault = LayoutFault(*layout, *window);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    QCoreApplication::removeTranslator(&catalogue);
    QCoreApplication::removeTranslator(&qt);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
