// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"
#include "GameoverText.h"
#include "LayoutCheck.h"
#include "ModalAnswer.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace brimbal;

class TestEnterNameDialog : public QObject {
    Q_OBJECT

private slots:
    void controls();
    void layout_data();
    void layout();
    void congratulationFits_data();
    void congratulationFits();
    void answers_data();
    void answers();
    void focusAtEveryOpening();
    void tabOrder();
};

void TestEnterNameDialog::controls() {
    TDlgEnterName dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("DlgEnterName"));
    QCOMPARE(dialog.Label3()->text(), QStringLiteral("Punkte:"));
    QCOMPARE(dialog.Label2()->text(), QStringLiteral("Rang:"));
    QCOMPARE(dialog.Label1()->text(), QStringLiteral("Bitte gib deinen Namen ein:"));
    QCOMPARE(dialog.CHNeu()->text(), QStringLiteral("Danach neues Spiel starten"));
    QCOMPARE(dialog.BOK()->text(), QStringLiteral("Eintragen"));
    QCOMPARE(dialog.BCancel()->text(), QStringLiteral("Abbrechen"));
    QVERIFY(dialog.CHNeu()->isChecked());
    QVERIFY(dialog.BOK()->isDefault());
    QVERIFY(!dialog.BCancel()->isDefault());
    for (const QLineEdit* edit : {dialog.EPunkte(), dialog.ERang()}) {
        QVERIFY(!edit->isEnabled());
        QVERIFY(edit->isReadOnly());
    }
    QVERIFY(dialog.EName()->isEnabled());
    QVERIFY(!dialog.EName()->isReadOnly());
    QCOMPARE(dialog.LText()->alignment(), Qt::AlignLeft | Qt::AlignTop);
    // A name is shown as it is, never read as markup.
    QCOMPARE(dialog.LText()->textFormat(), Qt::PlainText);
}

void TestEnterNameDialog::layout_data() {
    AddFontRows();
}

// The controls make room for the font without clipping, overlapping or leaving the design's
// order; resizing leaves them where they are. (Even with the small font the style's buttons are
// wider than the 73 pixels designed for them, so the dialog never stands quite as designed.)
void TestEnterNameDialog::layout() {
    QFETCH(QFont, font);
    const auto made = MadeWithFont<TDlgEnterName>(font);
    TDlgEnterName& dialog = *made;
    const QString fault = LayoutFault(dialog.Layout(), dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // The labels and fields of points and rank line up.
    QCOMPARE(dialog.EPunkte()->x(), dialog.ERang()->x());

    const QRect name = dialog.EName()->geometry();
    dialog.show();
    dialog.resize(300, 200);
    QCOMPARE(dialog.EName()->geometry(), name);
}

void TestEnterNameDialog::congratulationFits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rank");
    QTest::newRow("placeholder name at rank 10") << "NAMENLOS" << 10;
    QTest::newRow("no name at rank 10") << "" << 10;
    QTest::newRow("short name at rank 1") << "Jörg" << 1;
    QTest::newRow("long name at rank 3") << "Maximilian Alexander von Hohenzollern-Sig" << 3;
    QTest::newRow("40 letters in one word at rank 10") << QString(40, QChar(u'W')) << 10;
}

// The congratulation shows whole, the rank included, whatever the name that is pushed down.
void TestEnterNameDialog::congratulationFits() {
    QFETCH(QString, name);
    QFETCH(int, rank);
    TDlgEnterName dialog;
    dialog.LText()->setText(CongratulationText(name, rank).replace("\r\n", "\n"));
    dialog.PlaceControls();
    const QString fault = LayoutFault(dialog.Layout(), dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(dialog.LText()->text().contains("Platz " + QString::number(rank) + "!"));
}

void TestEnterNameDialog::answers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("Eintragen") << "ok" << int(QDialog::Accepted);
    QTest::newRow("Enter in the name field") << "enter" << int(QDialog::Accepted);
    QTest::newRow("Abbrechen") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
    QTest::newRow("close box") << "close" << int(QDialog::Rejected);
}

void TestEnterNameDialog::answers() {
    QFETCH(QString, answer);
    QFETCH(int, result);
    TDlgEnterName dialog;
    TModalAnswer<TDlgEnterName> modal([&answer](TDlgEnterName* shown) {
        if (answer == QLatin1String("ok")) {
            QTest::mouseClick(shown->BOK(), Qt::LeftButton);
        } else if (answer == QLatin1String("enter")) {
            QTest::keyClick(shown->EName(), Qt::Key_Return);
        } else if (answer == QLatin1String("cancel")) {
            QTest::mouseClick(shown->BCancel(), Qt::LeftButton);
        } else if (answer == QLatin1String("escape")) {
            QTest::keyClick(shown->EName(), Qt::Key_Escape);
        } else {
            shown->close();
        }
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(modal.Answered());
    QVERIFY(!modal.TimedOut());
}

void TestEnterNameDialog::focusAtEveryOpening() {
    TDlgEnterName dialog;
    dialog.EName()->setText(QStringLiteral("Alte Eingabe"));
    for (int opening = 1; opening <= 2; ++opening) {
        dialog.show();
        QCOMPARE(dialog.focusWidget(), dialog.EName());
        // The offered name is selected: typing replaces it.
        QCOMPARE(dialog.EName()->selectedText(), QStringLiteral("Alte Eingabe"));
        dialog.BCancel()->setFocus();
        dialog.hide();
    }
    dialog.show();
    QTest::keyClicks(dialog.EName(), QStringLiteral("Neu"));
    QCOMPARE(dialog.EName()->text(), QStringLiteral("Neu"));
}

void TestEnterNameDialog::tabOrder() {
    TDlgEnterName dialog;
    // The declared order, the two read-only fields included.
    const QList<QWidget*> declared{dialog.EName(),   dialog.BOK(),   dialog.BCancel(),
                                   dialog.EPunkte(), dialog.ERang(), dialog.CHNeu()};
    QList<QWidget*> chain;
    QWidget* widget = dialog.EName();
    do {
        if (widget->parentWidget() == &dialog && widget->focusPolicy() != Qt::NoFocus) {
            chain.append(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != dialog.EName());
    QCOMPARE(chain, declared);

    // The Tab key passes over the disabled fields.
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (QWidget* next :
         {static_cast<QWidget*>(dialog.BOK()), static_cast<QWidget*>(dialog.BCancel()),
          static_cast<QWidget*>(dialog.CHNeu()), static_cast<QWidget*>(dialog.EName())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

QTEST_MAIN(TestEnterNameDialog)
#include "tst_enternamedialog.moc"
