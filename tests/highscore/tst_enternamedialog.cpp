// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"
#include "GameoverFlow.h"
#include "LayoutCheck.h"
#include "ModalAnswer.h"

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
    QVERIFY(!dialog.LText()->wordWrap());
    QCOMPARE(dialog.LText()->alignment(), Qt::AlignLeft | Qt::AlignTop);
    // A name is shown as it is, never read as markup.
    QCOMPARE(dialog.LText()->textFormat(), Qt::PlainText);
}

void TestEnterNameDialog::layout() {
    TDlgEnterName dialog;
    const QString fault = LayoutFault(dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // The arrangement: controls move only where a caption needs the room.
    const QRect text = dialog.LText()->geometry();
    QCOMPARE(text.topLeft(), QPoint(8, 8));
    QCOMPARE(text.height(), 137);
    QVERIFY(text.width() >= 217);
    QCOMPARE(dialog.Label3()->x(), text.right() + 1 + 7);
    QCOMPARE(dialog.Label2()->x(), dialog.Label3()->x());
    QCOMPARE(dialog.Label3()->y(), 8);
    QCOMPARE(dialog.EPunkte()->y(), 8);
    QVERIFY(dialog.ERang()->y() >= 32);
    QCOMPARE(dialog.Label2()->y(), dialog.ERang()->y());
    QCOMPARE(dialog.EPunkte()->x(), dialog.ERang()->x());
    QVERIFY(dialog.EPunkte()->x() >= 272 + text.width() - 217);
    QCOMPARE(dialog.EPunkte()->width(), 73);
    QCOMPARE(dialog.Label1()->pos(), QPoint(16, 152));
    QCOMPARE(dialog.EName()->y(), 152);
    QVERIFY(dialog.EName()->x() >= 152);
    QCOMPARE(dialog.BCancel()->geometry().right(), dialog.EName()->geometry().right());
    QCOMPARE(dialog.BOK()->geometry().right() + 1, dialog.BCancel()->x() - 7);
    QCOMPARE(dialog.BOK()->y(), dialog.BCancel()->y());
    QVERIFY(dialog.BOK()->y() >= 224);
    QCOMPARE(dialog.CHNeu()->pos(), QPoint(8, dialog.BOK()->y() + 8));
    QVERIFY(dialog.width() >= 367);
    QVERIFY(dialog.height() >= 287);

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
}

void TestEnterNameDialog::congratulationFits() {
    QFETCH(QString, name);
    QFETCH(int, rank);
    TDlgEnterName dialog;
    dialog.LText()->setText(CongratulationText(name, rank).replace("\r\n", "\n"));
    QVERIFY(dialog.LText()->sizeHint().width() <= dialog.LText()->width());
    QVERIFY(dialog.LText()->sizeHint().height() <= dialog.LText()->height());
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
