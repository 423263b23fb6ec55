// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "SpielfeldAccessible.h"

#include "Game.h"
#include "Modes.h"
#include "Palette.h"
#include "Spielfeld.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QWindow>

#include <array>

namespace brimbal {

namespace {

// The context of the words that assistive technology hears of the board.
class Words {
    Q_DECLARE_TR_FUNCTIONS(SpielfeldAccessible)
};

constexpr int KCells = KFieldColumns * KRows;
// The registry's place for the answer about a cell that does not exist.
constexpr int KNoCell = KCells;

// A rectangle of the paint box on the screen.
QRect OnScreen(const TSpielfeld* box, const QRect& rect) {
    return {box->mapToGlobal(rect.topLeft()), rect.size()};
}

// Something shown in the paint box that is no object of its own: a cell or a preview ball.
class TBoardPart : public QAccessibleInterface {
public:
    explicit TBoardPart(TSpielfeld* box) : Box(box) {}

    bool isValid() const override { return !Box.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Box ? Box->window()->windowHandle() : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<TSpielfeld> Box;
};

// A cell of the board, or, with a place outside it, the answer to a question about a cell that
// does not exist: no name, no place, never selected. Qt's AT-SPI bridge uses whatever cellAt
// answers without checking it, so the table never answers with nothing.
class TCellAccessible : public TBoardPart, public QAccessibleTableCellInterface {
public:
    TCellAccessible(TSpielfeld* box, TCell cell) : TBoardPart(box), Cell(cell) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Box.data());
    }
    bool isValid() const override {
        return TBoardPart::isValid() && InField(Cell.Column, Cell.Row);
    }
    QString text(QAccessible::Text text) const override {
        if (text != QAccessible::Name || !isValid()) {
            return {};
        }
        return CellName(*Box, Cell);
    }
    QRect rect() const override { return isValid() ? OnScreen(Box, Box->CellRect(Cell)) : QRect(); }
    // A list item, not a table cell: a screen reader then reads the one cell that a key moves
    // to, where for a cell it reads its whole row.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = isSelected();
        state.focusable = true;
        state.focused =
            Box->hasFocus() && Box->Cursor().Column == Cell.Column && Box->Cursor().Row == Cell.Row;
        state.invisible = !Box->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return isValid() && Box->Game().IsMarked(Cell.Column, Cell.Row);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return InField(Cell.Column, Cell.Row) ? Cell.Column : -1; }
    int rowIndex() const override { return InField(Cell.Column, Cell.Row) ? Cell.Row : -1; }
    int columnExtent() const override { return InField(Cell.Column, Cell.Row) ? 1 : 0; }
    int rowExtent() const override { return InField(Cell.Column, Cell.Row) ? 1 : 0; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TCell Cell;
};

// Registered parts live as long as the interface that hands them out, at most N of them.
template <std::size_t N> class TPartRegistry {
public:
    TPartRegistry() = default;
    TPartRegistry(const TPartRegistry&) = delete;
    TPartRegistry& operator=(const TPartRegistry&) = delete;
    ~TPartRegistry() {
        for (QAccessible::Id id : Ids) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }
    template <typename TMake> QAccessibleInterface* Get(std::size_t index, TMake make) {
        if (Ids[index] == 0) {
            Ids[index] = QAccessible::registerAccessibleInterface(make());
        }
        return QAccessible::accessibleInterface(Ids[index]);
    }

private:
    std::array<QAccessible::Id, N> Ids{};
};

class TBoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TBoardTable(TSpielfeld* box)
        : QAccessibleWidget(box, QAccessible::Table, Words::tr("Spielfeld")), Box(box) {}

    QString text(QAccessible::Text text) const override {
        if (text == QAccessible::Description) {
            return Box->Game().GameRunning() ? QString() : Words::tr("Spiel zu Ende");
        }
        return QAccessibleWidget::text(text);
    }
    int childCount() const override { return KCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= KCells) {
            return nullptr;
        }
        return Cells.Get(
            index, [&] { return new TCellAccessible(Box, TBoardGeometry::CellOfIndex(index)); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* iface = const_cast<QAccessibleInterface*>(child);
        if (const auto* cell = iface ? iface->tableCellInterface() : nullptr) {
            if (cell->table() == this) {
                return TBoardGeometry::IndexOfCell({cell->columnIndex(), cell->rowIndex()});
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = Box->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < KCells; ++index) {
            if (Box->CellRect(TBoardGeometry::CellOfIndex(index)).contains(local)) {
                return child(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Box->hasFocus() ? child(TBoardGeometry::IndexOfCell(Box->Cursor())) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (!InField(column, row)) {
            return Cells.Get(KNoCell, [&] { return new TCellAccessible(Box, {-1, -1}); });
        }
        return child(TBoardGeometry::IndexOfCell({column, row}));
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int index = 0; index < KCells; ++index) {
            const TCell cell = TBoardGeometry::CellOfIndex(index);
            if (Box->Game().IsMarked(cell.Column, cell.Row)) {
                cells << child(index);
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < KFieldColumns ? Words::tr("Spalte %1").arg(column + 1)
                                                     : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < KRows ? Words::tr("Zeile %1").arg(row + 1) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return KFieldColumns; }
    int rowCount() const override { return KRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Marking is the game's: a click, or Space on a cell.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TSpielfeld* Box;
    mutable TPartRegistry<KCells + 1> Cells;
};

bool HasPreview(const TSpielfeld* box) {
    return brimbal::HasPreview(box->Game().Modus());
}

// The rows of the preview column that hold a ball, from the top.
QList<int> PreviewRows(const TSpielfeld* box) {
    QList<int> rows;
    for (int row = 0; row < KRows; ++row) {
        if (box->Game().Tile(KPreviewColumn, row) > 0) {
            rows << row;
        }
    }
    return rows;
}

class TPreviewItem : public TBoardPart {
public:
    TPreviewItem(TSpielfeld* box, QAccessibleInterface* list, int row)
        : TBoardPart(box), List(list), Row(row) {}

    QAccessibleInterface* parent() const override { return List; }
    QString text(QAccessible::Text text) const override {
        if (text != QAccessible::Name || !Box) {
            return {};
        }
        return ColourName(Box->Game().Tile(KPreviewColumn, Row), Box->Options()) +
               Words::tr(", Zeile %1").arg(Row + 1);
    }
    QRect rect() const override { return Box ? OnScreen(Box, Box->PreviewRect(Row)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !Box || !Box->isVisible();
        state.readOnly = true;
        return state;
    }

private:
    QAccessibleInterface* List;
    const int Row;
};

class TPreviewList : public TBoardPart {
public:
    TPreviewList(TSpielfeld* box, QAccessibleInterface* window) : TBoardPart(box), Window(window) {}

    QAccessibleInterface* parent() const override { return Window; }
    QAccessibleInterface* child(int index) const override {
        const QList<int> rows = Box ? PreviewRows(Box) : QList<int>();
        if (index < 0 || index >= rows.size()) {
            return nullptr;
        }
        const int row = rows[index];
        return Items.Get(
            row, [&] { return new TPreviewItem(Box, const_cast<TPreviewList*>(this), row); });
    }
    int childCount() const override { return Box ? int(PreviewRows(Box).size()) : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child) {
                return index;
            }
        }
        return -1;
    }
    QString text(QAccessible::Text text) const override {
        return text == QAccessible::Name ? Words::tr("Vorschau") : QString();
    }
    QRect rect() const override {
        if (!Box) {
            return {};
        }
        const TBoardGeometry& geometry = Box->Geometry();
        return OnScreen(Box, QRect(0, geometry.FieldTop(), std::max(0, geometry.FieldLeft()),
                                   KRows * geometry.CellHeight()));
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !Box || !Box->isVisible() || !HasPreview(Box);
        state.readOnly = true;
        return state;
    }

private:
    QAccessibleInterface* Window;
    mutable TPartRegistry<KRows> Items;
};

// The main window holding the board, with the preview list beside the board's table.
class TBoardWindow : public QAccessibleWidget {
public:
    TBoardWindow(QMainWindow* window, TSpielfeld* box)
        : QAccessibleWidget(window, QAccessible::Window), Box(box) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + (Box && HasPreview(Box) ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        if (index == QAccessibleWidget::childCount() && Box && HasPreview(Box)) {
            return Preview();
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child == Preview()) {
            return Box && HasPreview(Box) ? QAccessibleWidget::childCount() : -1;
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QAccessibleInterface* Preview() const {
        return Registry.Get(0,
                            [&] { return new TPreviewList(Box, const_cast<TBoardWindow*>(this)); });
    }

    QPointer<TSpielfeld> Box;
    mutable TPartRegistry<1> Registry;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<TSpielfeld*>(object)) {
        return new TBoardTable(box);
    }
    if (auto* window = qobject_cast<QMainWindow*>(object)) {
        if (auto* box = qobject_cast<TSpielfeld*>(window->centralWidget())) {
            return new TBoardWindow(window, box);
        }
    }
    return nullptr;
}

} // namespace

QString CellName(const TSpielfeld& box, TCell cell) {
    const QString marked =
        box.Game().IsMarked(cell.Column, cell.Row) ? Words::tr(", markiert") : QString();
    return ColourName(box.Game().Tile(cell.Column, cell.Row), box.Options()) + marked +
           Words::tr(", Spalte %1, Zeile %2").arg(cell.Column + 1).arg(cell.Row + 1);
}

QString PreviewText(const TSpielfeld& box) {
    QStringList colours;
    for (int row = 0; row < KRows; ++row) {
        if (const std::int32_t tile = box.Game().Tile(KPreviewColumn, row); tile > 0) {
            colours << ColourName(tile, box.Options());
        }
    }
    if (!HasPreview(box.Game().Modus()) || colours.isEmpty()) {
        return Words::tr("Keine Vorschau");
    }
    return Words::tr("Vorschau: %1").arg(colours.join(QStringLiteral(", ")));
}

void InstallSpielfeldAccessibility() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
}

} // namespace brimbal
