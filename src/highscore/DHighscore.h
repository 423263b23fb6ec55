// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "DialogLayout.h"
#include "ScoreTables.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace brimbal {

// The window "Highscore-Tabelle": shows the score tables given to it, one mode at a time.
class TDlgHighscore : public QDialog {
    Q_OBJECT

public:
    explicit TDlgHighscore(const TScoreTables& tables, QWidget* parent = nullptr);

    // Fills the table with the ten entries of a mode's list. A mode outside 1 to 5 keeps the
    // table as it is.
    void ShowList(std::int32_t mode);
    // Selects a mode's item in the drop-down; a mode outside 1 to 5 keeps the current item.
    void SelectMode(std::int32_t mode);

    void FormActivate();
    void CBModusChange();
    void BCloseClick();
    void BDeleteClick();

signals:
    // A text for a screen reader: the mode and rank 1 after the player changed the mode.
    void Spoken(const QString& text);

public:
    QLabel* Label1() const { return FLabel1; }
    QComboBox* CBModus() const { return FCBModus; }
    QTreeWidget* LVScore() const { return FLVScore; }
    QPushButton* BClose() const { return FBClose; }
    QPushButton* BDelete() const { return FBDelete; }
    // The controls' designed places.
    const TDialogLayout& Layout() const { return FLayout; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void PlaceControls();

    const TScoreTables& Tables;
    TDialogLayout FLayout;

    QLabel* FLabel1 = nullptr;
    QComboBox* FCBModus = nullptr;
    QTreeWidget* FLVScore = nullptr;
    QPushButton* FBClose = nullptr;
    QPushButton* FBDelete = nullptr;
};

} // namespace brimbal
