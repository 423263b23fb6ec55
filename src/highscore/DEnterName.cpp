// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"

#include "GameoverFlow.h"
#include "UHilist.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace brimbal {

namespace {

// Room between a label and the control it names, and between neighbouring controls.
constexpr int KLabelGap = 6;
constexpr int KButtonGap = 7;
constexpr int KControlGap = 8;
constexpr int KMinNameWidth = 150;

} // namespace

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
    FLText->setWordWrap(false);
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
}

// The form's positions and sizes, in pixels. A control whose caption would not fit with the
// fonts at hand gets the size it asks for, and the arrangement stays: the congratulation at the
// top left with points and rank to its right, the name field right of its label, the check box
// at the bottom left and the buttons at the bottom right. What the left-hand controls need more
// widens the window, and the right-hand controls move along with its right edge.
void TDlgEnterName::PlaceControls() {
    // The congratulation to the placeholder name at the lowest rank fits without clipping.
    FLText->setText(CongratulationText(QStringLiteral("NAMENLOS"), KScoreRanks)
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const int textWidth = FLText->sizeHint().width();
    FLText->clear();

    const int editHeight = FEName->sizeHint().height();
    const int nameLabelWidth = FLabel1->sizeHint().width();
    const int nameLeft = std::max(152, 16 + nameLabelWidth + KLabelGap);
    const int checkWidth = std::max(153, FCHNeu->sizeHint().width());
    const int okWidth = std::max(73, FBOK->sizeHint().width());
    const int cancelWidth = std::max(73, FBCancel->sizeHint().width());

    // How far the right-hand side moves out.
    const int shift =
        std::max({0, textWidth - 217, nameLeft + KMinNameWidth - 337,
                  8 + checkWidth + KControlGap + okWidth + KButtonGap + cancelWidth - 337});

    FLText->setGeometry(8, 8, 217 + shift, 137);

    const int labelLeft = 232 + shift;
    const int labelWidth = std::max(FLabel3->sizeHint().width(), FLabel2->sizeHint().width());
    const int editLeft = std::max(272 + shift, labelLeft + labelWidth + KLabelGap);
    const int rankTop = std::max(32, 8 + editHeight + 2);
    FLabel3->setGeometry(labelLeft, 8, labelWidth, editHeight);
    FEPunkte->setGeometry(editLeft, 8, 73, editHeight);
    FLabel2->setGeometry(labelLeft, rankTop, labelWidth, editHeight);
    FERang->setGeometry(editLeft, rankTop, 73, editHeight);

    const int buttonsRight = 337 + shift;
    const int nameTop = std::max(152, FLText->geometry().bottom() + 1 + KButtonGap);
    FLabel1->setGeometry(16, nameTop, nameLabelWidth, editHeight);
    FEName->setGeometry(nameLeft, nameTop, buttonsRight - nameLeft, editHeight);

    const int buttonHeight =
        std::max({25, FBOK->sizeHint().height(), FBCancel->sizeHint().height()});
    const int buttonTop = std::max(224, nameTop + editHeight + KControlGap);
    FBCancel->setGeometry(buttonsRight - cancelWidth, buttonTop, cancelWidth, buttonHeight);
    FBOK->setGeometry(FBCancel->x() - KButtonGap - okWidth, buttonTop, okWidth, buttonHeight);
    FCHNeu->setGeometry(8, buttonTop + 8, checkWidth, std::max(17, FCHNeu->sizeHint().height()));

    const int right = std::max(FERang->geometry().right(), FBCancel->geometry().right()) + 1;
    const int bottom = std::max(FBCancel->geometry().bottom(), FCHNeu->geometry().bottom()) + 1;
    resize(std::max(367, right + 367 - 345), std::max(287, bottom + 287 - 249));
}

// The name field takes the focus at every opening, its text selected so that typing replaces
// the offered name.
void TDlgEnterName::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FEName->setFocus();
    FEName->selectAll();
}

} // namespace brimbal
