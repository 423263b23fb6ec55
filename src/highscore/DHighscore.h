// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "DialogLayout.h"
#include "Modes.h"
#include "UHilist.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace brimbal {

// The window "Highscore-Tabelle": shows the score list of one mode at a time, and owns the five
// lists. Its methods are the one way to rank, file, read and clear scores.
class TDlgHighscore : public QDialog {
    Q_OBJECT

public:
    explicit TDlgHighscore(QWidget* parent = nullptr);

    // Starts the five lists afresh, all entries empty.
    void Init();
    // Clear on each of the five lists.
    void ClearAll();
    // Files an entry in a mode's list; a mode outside 1 to 5 files nothing.
    void Add(std::int32_t mode, const QString& name, const QString& date, std::int32_t points,
             std::int32_t maxGroup);
    // GetEntry of a mode's list; for a mode outside 1 to 5 the outputs are left as they are.
    void GetScore(std::int32_t mode, int rank, QString& name, QString& date, std::int32_t& points,
                  std::int32_t& maxGroup) const;
    // The rank 1 to 11 that a score would take in a mode's list; 11 for a mode outside 1 to 5,
    // which has no list to enter.
    int GetRankForScore(std::int32_t mode, std::int32_t score) const;
    // Fills the table with the ten entries of a mode's list. A mode outside 1 to 5 keeps the
    // table as it is.
    void ShowList(std::int32_t mode);
    // Selects a mode's item in the drop-down; a mode outside 1 to 5 keeps the current item.
    void SelectMode(std::int32_t mode);

    void FormActivate();
    void CBModusChange();
    void BCloseClick();
    void BDeleteClick();

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
    static bool ValidMode(std::int32_t mode);

    std::array<TScorelist, KModeCount> Lists;
    TDialogLayout FLayout;

    QLabel* FLabel1 = nullptr;
    QComboBox* FCBModus = nullptr;
    QTreeWidget* FLVScore = nullptr;
    QPushButton* FBClose = nullptr;
    QPushButton* FBDelete = nullptr;
};

} // namespace brimbal
