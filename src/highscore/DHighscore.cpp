// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DHighscore.h"

#include "DateText.h"
#include "Game.h"
#include "NumberText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

namespace brimbal {

namespace {

enum EColumn { KColPlatz, KColName, KColDatum, KColMax, KColPunkte, KColumns };

// Texts left-aligned, numbers of groups and points right-aligned, in captions and cells alike.
Qt::Alignment ColumnAlignment(int column) {
    const bool number = column == KColMax || column == KColPunkte;
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// Rows tall enough for the dots of capital umlauts. In some fonts they rise above the ascent,
// and a row just one line high cuts them off at its top: "Ötzi" would read "Otzi".
class TScoreRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        const int rise = -metrics.tightBoundingRect(QStringLiteral("ÄÖÜ")).top() - metrics.ascent();
        // The line is centred in the row, so the room is needed below it as well.
        size.setHeight(std::max(size.height(), metrics.height() + 2 * std::max(0, rise)));
        return size;
    }
};

} // namespace

TDlgHighscore::TDlgHighscore(const TScoreTables& tables, QWidget* parent)
    : QDialog(parent), Tables(tables) {
    setObjectName(QStringLiteral("DlgHighscore"));
    setWindowTitle(tr("Highscore-Tabelle"));
    CreateControls();
    PlaceControls();
}

void TDlgHighscore::CreateControls() {
    FLabel1 = new QLabel(tr("Modus"), this);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    FCBModus = new QComboBox(this);
    FCBModus->setObjectName(QStringLiteral("CBModus"));
    FCBModus->setEditable(false);
    for (const TMode& mode : KModes) {
        FCBModus->addItem(QCoreApplication::translate(KModesContext,
                                                      mode.ListName)); // item index + 1 is the mode
    }
    FCBModus->setCurrentIndex(0);

    FLVScore = new QTreeWidget(this);
    FLVScore->setObjectName(QStringLiteral("LVScore"));
    FLVScore->setRootIsDecorated(false);
    FLVScore->setItemsExpandable(false);
    FLVScore->setSortingEnabled(false);
    FLVScore->setUniformRowHeights(true);
    FLVScore->setAllColumnsShowFocus(true);
    FLVScore->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FLVScore->setItemDelegate(new TScoreRowDelegate(FLVScore));
    FLVScore->setColumnCount(KColumns);
    FLVScore->setHeaderLabels({tr("Platz"), tr("Name"), tr("Datum"), tr("Max."), tr("Punkte")});
    QTreeWidgetItem* header = FLVScore->headerItem();
    for (int column = 0; column < KColumns; ++column) {
        header->setTextAlignment(column, ColumnAlignment(column));
    }
    QHeaderView* headerView = FLVScore->header();
    headerView->setSectionsMovable(false);
    headerView->setStretchLastSection(false);
    headerView->setSectionResizeMode(QHeaderView::Interactive);

    FBClose = new QPushButton(tr("&Schließen"), this);
    FBClose->setObjectName(QStringLiteral("BClose"));
    FBClose->setDefault(true);

    FBDelete = new QPushButton(tr("Einträge löschen"), this);
    FBDelete->setObjectName(QStringLiteral("BDelete"));

    setTabOrder(FCBModus, FBClose);
    setTabOrder(FBClose, FLVScore);
    setTabOrder(FLVScore, FBDelete);
    FLVScore->setFocus();

    connect(FCBModus, &QComboBox::currentIndexChanged, this, &TDlgHighscore::CBModusChange);
    connect(FBClose, &QPushButton::clicked, this, &TDlgHighscore::BCloseClick);
    connect(FBDelete, &QPushButton::clicked, this, &TDlgHighscore::BDeleteClick);
}

// The table is as wide as a row with the placeholder name, a date stamp, the largest possible
// group and five-digit points needs, and tall enough for ten rows under its header; the rest is
// the form's design, grown where the font needs more room.
void TDlgHighscore::PlaceControls() {
    const QDateTime sampleDate(QDate(2026, 12, 28), QTime(20, 58, 58));
    new QTreeWidgetItem(FLVScore, {NumberText(KScoreRanks), QStringLiteral("NAMENLOS"),
                                   DateText(sampleDate, QLocale()),
                                   NumberText(KFieldColumns * KRows), NumberText(99999)});
    QHeaderView* header = FLVScore->header();
    const int givenWidths[KColumns] = {50, 0, 120, 50, 50};
    int rowWidth = 2 * FLVScore->frameWidth();
    for (int column = 0; column < KColumns; ++column) {
        FLVScore->resizeColumnToContents(column);
        const int width = std::max(
            {givenWidths[column], header->sectionSize(column), header->sectionSizeHint(column)});
        if (column != KColName) {
            header->resizeSection(column, width);
        }
        rowWidth += width;
    }
    // The name column takes what the others leave.
    header->setSectionResizeMode(KColName, QHeaderView::Stretch);
    ShowList(1); // drops the sample row
    FLVScore->setMinimumSize(rowWidth, header->sizeHint().height() +
                                           KScoreRanks * FLVScore->sizeHintForRow(0) +
                                           2 * FLVScore->frameWidth());

    FLayout = TDialogLayout(
        {443, 315}, {
                        TPlace(FLabel1, 8, 8),
                        TPlace(FCBModus, 48, 8, 161).RightOf(FLabel1),
                        TPlace(FLVScore, 8, 40, 417, 201).Below(FCBModus),
                        TPlace(FBClose, 328, 256, 97, 25).Below(FLVScore).AlignRight(FLVScore),
                        TPlace(FBDelete, 232, 256, 89, 25).Below(FLVScore).LeftOf(FBClose),
                    });
    resize(FLayout.Apply());
}

void TDlgHighscore::ShowList(std::int32_t mode) {
    if (!FindMode(mode)) {
        return;
    }
    FLVScore->clear();
    for (int rank = 1; rank <= KScoreRanks; ++rank) {
        const TScoreEntry entry = Tables.GetScore(mode, rank);
        auto* item =
            new QTreeWidgetItem(FLVScore, {NumberText(rank), entry.Name, entry.Date,
                                           NumberText(entry.MaxGroup), NumberText(entry.Points)});
        for (int column = 0; column < KColumns; ++column) {
            item->setTextAlignment(column, ColumnAlignment(column));
            // A screen reader reads each cell with its column's name.
            item->setData(
                column, Qt::AccessibleTextRole,
                tr("%1: %2").arg(FLVScore->headerItem()->text(column), item->text(column)));
        }
    }
}

void TDlgHighscore::SelectMode(std::int32_t mode) {
    if (FindMode(mode)) {
        FCBModus->setCurrentIndex(mode - 1);
    }
}

void TDlgHighscore::FormActivate() {
    ShowList(FCBModus->currentIndex() + 1);
    FCBModus->setFocus();
}

void TDlgHighscore::CBModusChange() {
    const std::int32_t mode = FCBModus->currentIndex() + 1;
    ShowList(mode);
    if (FCBModus->hasFocus()) {
        // A screen reader says nothing of a drop-down's new value: the mode and its best.
        const TScoreEntry best = Tables.GetScore(mode, 1);
        emit Spoken(best.Name.isEmpty()
                        ? tr("%1, keine Einträge").arg(FCBModus->currentText())
                        : tr("%1, Platz 1: %2, %3 Punkte")
                              .arg(FCBModus->currentText(), best.Name, NumberText(best.Points)));
    }
}

void TDlgHighscore::BCloseClick() {
    close();
}

void TDlgHighscore::BDeleteClick() {}

bool TDlgHighscore::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(event);
}

// Without a window manager the window may never be activated: showing it counts as well.
void TDlgHighscore::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

} // namespace brimbal
