// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DHighscore.h"

#include "DateText.h"
#include "NumberText.h"

#include <QComboBox>
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

// Room between a label and the control it names, and between neighbouring controls.
constexpr int KLabelGap = 6;
constexpr int KButtonGap = 7;

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

TDlgHighscore::TDlgHighscore(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgHighscore"));
    setWindowTitle(QStringLiteral("Highscore-Tabelle"));
    CreateControls();
    PlaceControls();
}

void TDlgHighscore::CreateControls() {
    FLabel1 = new QLabel(QStringLiteral("Modus"), this);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    FCBModus = new QComboBox(this);
    FCBModus->setObjectName(QStringLiteral("CBModus"));
    FCBModus->setEditable(false);
    FCBModus->addItems({QStringLiteral("Einfach"), QStringLiteral("Fortlaufend"),
                        QStringLiteral("Tirlan"), QStringLiteral("MegaTirlan"),
                        QStringLiteral("Bricks")});
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
    FLVScore->setHeaderLabels({QStringLiteral("Platz"), QStringLiteral("Name"),
                               QStringLiteral("Datum"), QStringLiteral("Max."),
                               QStringLiteral("Punkte")});
    QTreeWidgetItem* header = FLVScore->headerItem();
    for (int column = 0; column < KColumns; ++column) {
        header->setTextAlignment(column, ColumnAlignment(column));
    }
    QHeaderView* headerView = FLVScore->header();
    headerView->setSectionsMovable(false);
    headerView->setStretchLastSection(false);
    headerView->setSectionResizeMode(QHeaderView::Interactive);

    FBClose = new QPushButton(QStringLiteral("&Schließen"), this);
    FBClose->setObjectName(QStringLiteral("BClose"));
    FBClose->setDefault(true);

    FBDelete = new QPushButton(QStringLiteral("Einträge löschen"), this);
    FBDelete->setObjectName(QStringLiteral("BDelete"));

    setTabOrder(FCBModus, FBClose);
    setTabOrder(FBClose, FLVScore);
    setTabOrder(FLVScore, FBDelete);
    FLVScore->setFocus();

    connect(FCBModus, &QComboBox::currentIndexChanged, this, &TDlgHighscore::CBModusChange);
    connect(FBClose, &QPushButton::clicked, this, &TDlgHighscore::BCloseClick);
    connect(FBDelete, &QPushButton::clicked, this, &TDlgHighscore::BDeleteClick);
}

// The form's positions and sizes, in pixels. A control whose caption would not fit in the given
// size with the fonts at hand gets the size it asks for; its neighbours then move aside so that
// the arrangement stays: the drop-down to the right of its label, the buttons right-aligned with
// the table below it, and the window grows by what its contents grew.
void TDlgHighscore::PlaceControls() {
    const int comboHeight = FCBModus->sizeHint().height();
    const int labelWidth = FLabel1->sizeHint().width();
    FLabel1->setGeometry(8, 8, labelWidth, comboHeight);
    const int comboLeft = std::max(48, 8 + labelWidth + KLabelGap);
    FCBModus->setGeometry(comboLeft, 8, std::max(161, FCBModus->sizeHint().width()), comboHeight);

    // Column widths: at least the given ones, and wide enough for the captions and for a row
    // with the placeholder name, a date stamp, the largest possible group and five-digit points.
    // The name column takes what the others leave; the table grows should that be too little.
    const QDateTime sampleDate(QDate(2026, 12, 28), QTime(20, 58, 58));
    new QTreeWidgetItem(FLVScore,
                        {NumberText(KScoreRanks), QStringLiteral("NAMENLOS"),
                         DateText(sampleDate, QLocale()), NumberText(121), NumberText(99999)});
    QHeaderView* header = FLVScore->header();
    const int givenWidths[KColumns] = {50, 0, 120, 50, 50};
    int nameWidth = 0;
    int otherWidths = 0;
    for (int column = 0; column < KColumns; ++column) {
        FLVScore->resizeColumnToContents(column);
        const int width = std::max(
            {givenWidths[column], header->sectionSize(column), header->sectionSizeHint(column)});
        if (column == KColName) {
            nameWidth = width;
        } else {
            header->resizeSection(column, width);
            otherWidths += width;
        }
    }
    header->setSectionResizeMode(KColName, QHeaderView::Stretch);
    const int tableWidth = std::max(417, otherWidths + nameWidth + 2 * FLVScore->frameWidth());

    // Ten rows under the header without a scroll bar. Filling the table drops the sample row.
    ShowList(1);
    const int tableTop = std::max(40, 8 + comboHeight + 8);
    const int tableHeight =
        std::max(201, header->sizeHint().height() + KScoreRanks * FLVScore->sizeHintForRow(0) +
                          2 * FLVScore->frameWidth());
    FLVScore->setGeometry(8, tableTop, tableWidth, tableHeight);
    const int tableRight = 8 + tableWidth;

    const int buttonHeight =
        std::max({25, FBClose->sizeHint().height(), FBDelete->sizeHint().height()});
    const int buttonTop = std::max(256, tableTop + tableHeight + 15);
    const int closeWidth = std::max(97, FBClose->sizeHint().width());
    const int deleteWidth = std::max(89, FBDelete->sizeHint().width());
    FBClose->setGeometry(tableRight - closeWidth, buttonTop, closeWidth, buttonHeight);
    FBDelete->setGeometry(FBClose->x() - KButtonGap - deleteWidth, buttonTop, deleteWidth,
                          buttonHeight);

    const int right = std::max(FCBModus->geometry().right() + 1, tableRight);
    resize(443 + std::max(0, right - (8 + 417)),
           315 + std::max(0, buttonTop + buttonHeight - (256 + 25)));
}

bool TDlgHighscore::ValidMode(std::int32_t mode) {
    return mode >= 1 && mode <= KScoreModes;
}

void TDlgHighscore::Init() {
    Lists.fill(TScorelist());
}

void TDlgHighscore::ClearAll() {
    for (TScorelist& list : Lists) {
        list.Clear();
    }
}

void TDlgHighscore::Add(std::int32_t mode, const QString& name, const QString& date,
                        std::int32_t points, std::int32_t maxGroup) {
    if (ValidMode(mode)) {
        Lists[mode - 1].AddEntry(name, date, points, maxGroup);
    }
}

void TDlgHighscore::GetScore(std::int32_t mode, int rank, QString& name, QString& date,
                             std::int32_t& points, std::int32_t& maxGroup) const {
    if (ValidMode(mode)) {
        Lists[mode - 1].GetEntry(rank, name, date, points, maxGroup);
    }
}

int TDlgHighscore::GetRankForScore(std::int32_t mode, std::int32_t score) const {
    return ValidMode(mode) ? Lists[mode - 1].GetRank(score) : KNoRank;
}

void TDlgHighscore::ShowList(std::int32_t mode) {
    if (!ValidMode(mode)) {
        return;
    }
    FLVScore->clear();
    for (int rank = 1; rank <= KScoreRanks; ++rank) {
        QString name;
        QString date;
        std::int32_t points = 0;
        std::int32_t maxGroup = 0;
        Lists[mode - 1].GetEntry(rank, name, date, points, maxGroup);
        auto* item = new QTreeWidgetItem(
            FLVScore, {NumberText(rank), name, date, NumberText(maxGroup), NumberText(points)});
        for (int column = 0; column < KColumns; ++column) {
            item->setTextAlignment(column, ColumnAlignment(column));
        }
    }
}

void TDlgHighscore::SelectMode(std::int32_t mode) {
    if (ValidMode(mode)) {
        FCBModus->setCurrentIndex(mode - 1);
    }
}

void TDlgHighscore::FormActivate() {
    ShowList(FCBModus->currentIndex() + 1);
    FCBModus->setFocus();
}

void TDlgHighscore::CBModusChange() {
    ShowList(FCBModus->currentIndex() + 1);
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
