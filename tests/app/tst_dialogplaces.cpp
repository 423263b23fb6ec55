// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The dialogs at the default font stand exactly where the hand-placed layout
// of release 1.5 put them (measured with commit 745fd0c in DejaVu Sans 9, the font of a fresh
// desktop): wherever a caption fits, the shared layout rule changes nothing a player sees.
#include "About.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "GameoverText.h"
#include "ScoreTables.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <memory>

using namespace brimbal;

namespace {

// "Name x y width height" of each named control in creation order, after the window's size.
QString Places(const QWidget& window) {
    QStringList places{QString::asprintf("%s %d %d", qPrintable(window.objectName()),
                                         window.width(), window.height())};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect r = control->geometry();
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_")) {
            places << QString::asprintf("%s %d %d %d %d", qPrintable(control->objectName()), r.x(),
                                        r.y(), r.width(), r.height());
        }
    }
    return places.join(", ");
}

const QString KEnterName = QStringLiteral(
    "DlgEnterName 440 290, LText 8 8 278 137, Label3 293 8 46 22, EPunkte 345 8 73 22, Label2 293 "
    "32 46 22, ERang 345 32 73 22, Label1 16 152 169 22, EName 191 152 207 22, CHNeu 8 232 191 "
    "20, BOK 231 224 80 25, BCancel 318 224 80 25");

} // namespace

class TestDialogPlaces : public QObject {
    Q_OBJECT

private slots:
    void places_data();
    void places();
};

void TestDialogPlaces::places_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name"); // the name that the congratulation pushes down
    QTest::addColumn<QString>("expected");
    QTest::newRow("About") << "about"
                           << ""
                           << "FrmAbout 369 301, Button1 136 263 97 25, GroupBox3 8 8 352 81, "
                              "LVersion 8 20 159 14, LCopy 8 40 173 14, Label6 8 56 144 14, "
                              "GroupBox1 8 152 352 89, URLLabel1 8 20 108 14, URLLabel2 8 40 95 "
                              "14, URLLabel3 8 64 336 14";
    QTest::newRow("high scores") << "highscore"
                                 << ""
                                 << "DlgHighscore 443 315, Label1 8 8 40 22, CBModus 54 8 161 22, "
                                    "LVScore 8 40 417 201, BClose 328 256 97 25, BDelete 212 256 "
                                    "109 25";
    QTest::newRow("name entry, Anna at rank 1") << "entername"
                                                << "Anna" << KEnterName;
    // Cut off before; now wrapped within the same box, so nothing moves.
    QTest::newRow("name entry, 40 letters")
        << "entername"
        << "Alexander von Humboldt-Wilhelmsburg-Tapir" << KEnterName;
}

void TestDialogPlaces::places() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QFontInfo font(QApplication::font());
    if (font.family() != QLatin1String("DejaVu Sans") || font.pointSize() != 9) {
        QSKIP("the places were measured in DejaVu Sans 9");
    }
    TScoreTables tables;
    std::unique_ptr<QDialog> dialog;
    if (window == "about") {
        dialog = std::make_unique<TFrmAbout>();
    } else if (window == "highscore") {
        dialog = std::make_unique<TDlgHighscore>(tables);
    } else {
        auto enterName = std::make_unique<TDlgEnterName>();
        enterName->LText()->setText(ScreenText(CongratulationText(name, 1)));
        dialog = std::move(enterName);
    }
    dialog->show();
    QCOMPARE(Places(*dialog), expected);
}

QTEST_MAIN(TestDialogPlaces)
#include "tst_dialogplaces.moc"
