// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "DialogLayout.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brimbal {

// The name entry after a game that enters the high score table. The game-over flow fills it and
// reads it; the dialog keeps its controls' state between uses, the check box included.
// "Eintragen" and Enter accept, "Abbrechen", Escape and the window's close box reject.
class TDlgEnterName : public QDialog {
    Q_OBJECT

public:
    explicit TDlgEnterName(QWidget* parent = nullptr);

    QLabel* LText() const { return FLText; }
    QLabel* Label3() const { return FLabel3; }
    QLineEdit* EPunkte() const { return FEPunkte; }
    QLabel* Label2() const { return FLabel2; }
    QLineEdit* ERang() const { return FERang; }
    QLabel* Label1() const { return FLabel1; }
    QLineEdit* EName() const { return FEName; }
    QCheckBox* CHNeu() const { return FCHNeu; }
    QPushButton* BOK() const { return FBOK; }
    QPushButton* BCancel() const { return FBCancel; }
    // The controls' designed places.
    const TDialogLayout& Layout() const { return FLayout; }
    // Places the controls for the texts they hold now; showing the dialog does it as well.
    void PlaceControls();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();

    QLabel* FLText = nullptr;
    QLabel* FLabel3 = nullptr;
    QLineEdit* FEPunkte = nullptr;
    QLabel* FLabel2 = nullptr;
    QLineEdit* FERang = nullptr;
    QLabel* FLabel1 = nullptr;
    QLineEdit* FEName = nullptr;
    QCheckBox* FCHNeu = nullptr;
    QPushButton* FBOK = nullptr;
    QPushButton* FBCancel = nullptr;
    TDialogLayout FLayout;
};

} // namespace brimbal
