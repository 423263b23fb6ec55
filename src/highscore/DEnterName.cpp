// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brimbal {

TDlgEnterName::TDlgEnterName(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgEnterName"));
    setWindowTitle(QStringLiteral("DlgEnterName"));
    CreateControls();
    PlaceControls();
}

void TDlgEnterName::CreateControls() {
    FLText = new QLabel(this);
    FLText->setObjectName(QStringLiteral("LText"));
    FLText->setTextFormat(Qt::PlainText);
    // The congratulation wraps within its box, which has room for several lines, so that a long
    // name never cuts off the rank.
    FLText->setWordWrap(true);
    FLText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    FLabel3 = new QLabel(QStringLiteral("Punkte:"), this);
    FLabel3->setObjectName(QStringLiteral("Label3"));
    FEPunkte = new QLineEdit(this);
    FEPunkte->setObjectName(QStringLiteral("EPunkte"));
    FEPunkte->setReadOnly(true);
    FEPunkte->setEnabled(false);

    FLabel2 = new QLabel(QStringLiteral("Rang:"), this);
    FLabel2->setObjectName(QStringLiteral("Label2"));
    FERang = new QLineEdit(this);
    FERang->setObjectName(QStringLiteral("ERang"));
    FERang->setReadOnly(true);
    FERang->setEnabled(false);

    FLabel1 = new QLabel(QStringLiteral("Bitte gib deinen Namen ein:"), this);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FEName = new QLineEdit(this);
    FEName->setObjectName(QStringLiteral("EName"));

    for (QLabel* label : {FLabel3, FLabel2, FLabel1}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    FCHNeu = new QCheckBox(QStringLiteral("Danach neues Spiel starten"), this);
    FCHNeu->setObjectName(QStringLiteral("CHNeu"));
    FCHNeu->setChecked(true);

    FBOK = new QPushButton(QStringLiteral("Eintragen"), this);
    FBOK->setObjectName(QStringLiteral("BOK"));
    FBOK->setDefault(true);
    FBCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    FBCancel->setObjectName(QStringLiteral("BCancel"));

    setTabOrder(FEName, FBOK);
    setTabOrder(FBOK, FBCancel);
    setTabOrder(FBCancel, FEPunkte);
    setTabOrder(FEPunkte, FERang);
    setTabOrder(FERang, FCHNeu);

    connect(FBOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FBCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The form's design; the congratulation, the name field and the buttons move down when the
    // congratulation needs more lines than its box holds.
    FLayout = TDialogLayout(
        {367, 287},
        {
            TPlace(FLText, 8, 8, 217, 137),
            TPlace(FLabel3, 232, 8).RightOf(FLText),
            TPlace(FEPunkte, 272, 8, 73).RightOf(FLabel3),
            TPlace(FLabel2, 232, 32).RightOf(FLText).Below(FLabel3).SameWidth(FLabel3),
            TPlace(FERang, 272, 32, 73).RightOf(FLabel2).Below(FEPunkte),
            TPlace(FLabel1, 16, 152).Below(FLText),
            TPlace(FEName, 152, 152, 185).RightOf(FLabel1).Below(FLText),
            TPlace(FCHNeu, 8, 232, 153, 17).Below(FLabel1),
            TPlace(FBOK, 184, 224, 73, 25).RightOf(FCHNeu).Below(FEName),
            TPlace(FBCancel, 264, 224, 73, 25).RightOf(FBOK).Below(FEName).AlignRight(FEName),
        });
}

void TDlgEnterName::PlaceControls() {
    resize(FLayout.Apply());
}

// The name field takes the focus at every opening, its text selected so that typing replaces
// the offered name.
void TDlgEnterName::showEvent(QShowEvent* event) {
    PlaceControls();
    QDialog::showEvent(event);
    FEName->setFocus();
    FEName->selectAll();
}

} // namespace brimbal
