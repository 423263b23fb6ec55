// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// Qt's own texts speak German whatever the locale, and the locale stays the user's.
#include "Main.h"
#include "QtTranslations.h"
#include "SettingsFixture.h"

#include <QAction>
#include <QLocale>
#include <QtTest>

using namespace brimbal;

class TestQtTranslations : public QObject {
    Q_OBJECT

private slots:
    void shortcutInGerman();
};

// The menu shows an action's shortcut in its native text, which Qt translates.
void TestQtTranslations::shortcutInGerman() {
    TSettingsDir settings;
    TFrmMain frm;
    const QAction* neu = frm.DateiNeu;
    QVERIFY(neu);
    QCOMPARE(neu->text(), QStringLiteral("&Neu"));
    QCOMPARE(neu->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Ctrl+N"));
    const QLocale locale;

    QVERIFY(InstallQtTranslations());
    QCOMPARE(neu->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+N"));
    QCOMPARE(QLocale(), locale);
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
