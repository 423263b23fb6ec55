// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"

#include "GameoverText.h"
#include "UHilist.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brimbal {

TDlgEnterName::TDlgEnterName(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgEnterName"));
    setWindowTitle(QStringLiteral("DlgEnterName"));
    // The caption stays as designed; a screen reader names the dialog by its purpose.
    setAccessibleName(tr("Namen eintragen"));
    CreateControls();
    PlaceControls();
}

void TDlgEnterName::CreateControls() {
    FLText = new QLabel(this);
    FLText->setObjectName(QStringLiteral("LText"));
    FLText->setTextFormat(Qt::PlainText);
    FLText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    FLabel3 = new QLabel(tr("Punkte:"), this);
    FLabel3->setObjectName(QStringLiteral("Label3"));
    FEPunkte = new QLineEdit(this);
    FEPunkte->setObjectName(QStringLiteral("EPunkte"));
    FEPunkte->setReadOnly(true);
    FEPunkte->setEnabled(false);

    FLabel2 = new QLabel(tr("Rang:"), this);
    FLabel2->setObjectName(QStringLiteral("Label2"));
    FERang = new QLineEdit(this);
    FERang->setObjectName(QStringLiteral("ERang"));
    FERang->setReadOnly(true);
    FERang->setEnabled(false);

    FLabel1 = new QLabel(tr("Bitte gib deinen Namen ein:"), this);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FEName = new QLineEdit(this);
    FEName->setObjectName(QStringLiteral("EName"));

    for (QLabel* label : {FLabel3, FLabel2, FLabel1}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    FCHNeu = new QCheckBox(tr("Danach neues Spiel starten"), this);
    FCHNeu->setObjectName(QStringLiteral("CHNeu"));
    FCHNeu->setChecked(true);

    FBOK = new QPushButton(tr("Eintragen"), this);
    FBOK->setObjectName(QStringLiteral("BOK"));
    FBOK->setDefault(true);
    FBCancel = new QPushButton(tr("Abbrechen"), this);
    FBCancel->setObjectName(QStringLiteral("BCancel"));

    setTabOrder(FEName, FBOK);
    setTabOrder(FBOK, FBCancel);
    setTabOrder(FBCancel, FEPunkte);
    setTabOrder(FEPunkte, FERang);
    setTabOrder(FERang, FCHNeu);

    connect(FBOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FBCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The form's design. The buttons and the name field's right edge move along with the
    // congratulation's right edge.
    FLayout = TDialogLayout(
        {367, 287},
        {
            TPlace(FLText, 8, 8, 217, 137),
            TPlace(FLabel3, 232, 8).RightOf(FLText),
            TPlace(FEPunkte, 272, 8, 73).RightOf(FLabel3),
            TPlace(FLabel2, 232, 32).RightOf(FLText).Below(FLabel3).SameWidth(FLabel3),
            TPlace(FERang, 272, 32, 73).RightOf(FLabel2).Below(FEPunkte),
            TPlace(FLabel1, 16, 152).Below(FLText),
            TPlace(FCHNeu, 8, 232, 153, 17).Below(FLabel1),
            TPlace(FBCancel, 264, 224, 73, 25).Below(FLabel1).AlignRight(FLText),
            TPlace(FBOK, 184, 224, 73, 25).RightOf(FCHNeu).Below(FLabel1).LeftOf(FBCancel),
            TPlace(FEName, 152, 152, 185).RightOf(FLabel1).Below(FLText).AlignRight(FBCancel),
        });
}

void TDlgEnterName::PlaceControls() {
    // The congratulation's box is as wide as a congratulation to a name of usual length at the
    // lowest rank needs on one line. A longer one wraps within it, so that the rank stays in
    // sight, and the box grows only when the wrapped text needs more lines than it holds.
    const QString text = FLText->text();
    FLText->setWordWrap(false);
    FLText->setMinimumWidth(0);
    FLText->setText(ScreenText(CongratulationText(QStringLiteral("NAMENLOS"), KScoreRanks)));
    FLText->setMinimumWidth(FLText->sizeHint().width());
    FLText->setText(text);
    FLText->setWordWrap(FLText->sizeHint().width() > FLText->minimumWidth());
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
