// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Spielfeld.h"

#include "Game.h"
#include "Palette.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace brimbal {

namespace {

QRect ToRect(const TBox& box) {
    return {box.X, box.Y, box.Width, box.Height};
}

} // namespace

TSpielfeld::TSpielfeld(TGame& game, const TOptions& options, QWidget* parent)
    : QWidget(parent), FGame(game), FOptions(options) {
    setObjectName("Spielfeld");
    // Every paint covers the whole box with the back buffer: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Keys reach the board when it is clicked or tabbed to, and from the start.
    setFocusPolicy(Qt::StrongFocus);
    game.SetBoard(*this);
}

QSize TSpielfeld::sizeHint() const {
    return {637, 485};
}

QSize TSpielfeld::minimumSizeHint() const {
    return {0, 0};
}

QRect TSpielfeld::CellRect(TCell cell) const {
    return ToRect(FGeometry.CellBox(cell));
}

QRect TSpielfeld::PreviewRect(int row) const {
    return ToRect(FGeometry.PreviewBox(row));
}

void TSpielfeld::RecalcSpielfeld() {
    FGeometry.RecalcSpielfeld(width(), height(), FOptions.AnzeigeBitmaps);
    FNeedsRedraw = true;
}

void TSpielfeld::SizeChanged() {
    RecalcSpielfeld();
    Renderer.SetSize(width(), height(), devicePixelRatio());
}

void TSpielfeld::RepaintSpielfeld() {
    const bool redrawn = FNeedsRedraw;
    repaint();
    if (redrawn) {
        BoardChanged();
    }
}

void TSpielfeld::SpielfeldDrawMarkierung() {
    Renderer.SpielfeldDrawMarkierung(FGame, FGeometry);
    MarkingChanged();
}

void TSpielfeld::OptionChanged(ESwitchEffect effect) {
    if (effect == ESwitchEffect::NewGeometry) {
        RecalcSpielfeld();
    }
    if (effect != ESwitchEffect::None) {
        FNeedsRedraw = true;
        RepaintSpielfeld();
    }
}

void TSpielfeld::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SizeChanged();
}

void TSpielfeld::paintEvent(QPaintEvent*) {
    if (Renderer.DevicePixelRatio() != devicePixelRatio()) {
        SizeChanged(); // moved to a screen with another device pixel ratio
    }
    if (FNeedsRedraw) {
        Renderer.SpielfeldDraw(FGame, FGeometry, FOptions);
        FNeedsRedraw = false;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Renderer.BackBuffer());
    if (FCursorShown && hasFocus()) {
        DrawCursor(painter);
    }
}

bool TSpielfeld::event(QEvent* event) {
    // The digit keys of the main keyboard choose a mode; those of the keypad do nothing, so they
    // are kept from the mode items' shortcuts (which would take them as well).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::KeypadModifier) && key->key() >= Qt::Key_0 &&
            key->key() <= Qt::Key_9) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

// Three nested frames around the cell box, black, white and black, so that the cursor reads on
// either palette, on ball images and on the empty background alike.
void TSpielfeld::DrawCursor(QPainter& painter) const {
    const QRect box = CellRect(FCursor);
    if (box.isEmpty()) {
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The bubble's number stays readable: the frame leaves the bubble out.
    if (const QRect bubble = Renderer.BubbleBox(); !bubble.isEmpty()) {
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(bubble)));
    }
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(ring == 1 ? QColor(Qt::white) : QColor(OutlineColor()), 1));
        painter.drawRect(box.adjusted(ring, ring, -1 - ring, -1 - ring));
    }
}

void TSpielfeld::keyPressEvent(QKeyEvent* event) {
    // Keys with Ctrl or Alt belong to the menu.
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The keys that move the cursor, and the cell each moves it to.
    const TCell at = FCursor;
    const std::pair<int, TCell> moves[] = {
        {Qt::Key_Left, {at.Column - 1, at.Row}},
        {Qt::Key_Right, {at.Column + 1, at.Row}},
        {Qt::Key_Up, {at.Column, at.Row - 1}},
        {Qt::Key_Down, {at.Column, at.Row + 1}},
        {Qt::Key_Home, {0, at.Row}},
        {Qt::Key_End, {KFieldColumns - 1, at.Row}},
        {Qt::Key_PageUp, {at.Column, 0}},
        {Qt::Key_PageDown, {at.Column, KRows - 1}},
    };
    for (const auto& [key, to] : moves) {
        if (event->key() == key) {
            MoveCursor(to.Column, to.Row);
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowCursor(true);
        ActOn(FCursor); // as a mouse release over the cursor's cell
        break;
    case Qt::Key_I:
        emit PositionAsked();
        break;
    case Qt::Key_V:
        emit PreviewAsked();
        break;
    case Qt::Key_Escape:
        // As a click beside the cells. The frame stays as it is: a mouse player closing a menu
        // or a dialog with Escape has not taken up the keyboard.
        ActOn({});
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

void TSpielfeld::ActOn(TCell cell) {
    FGame.SpielfeldMouseUp(cell.Column, cell.Row);
    emit CellActed(cell);
}

void TSpielfeld::MoveCursor(int column, int row) {
    const TCell to{std::clamp(column, 0, KFieldColumns - 1), std::clamp(row, 0, KRows - 1)};
    const bool moved = to.Column != FCursor.Column || to.Row != FCursor.Row;
    FCursor = to;
    FCursorShown = true;
    repaint();
    if (moved) {
        AnnounceFocus();
    }
}

void TSpielfeld::ShowCursor(bool shown) {
    if (shown != FCursorShown) {
        FCursorShown = shown;
        update();
    }
}

void TSpielfeld::mousePressEvent(QMouseEvent* event) {
    ShowCursor(false);
    QWidget::mousePressEvent(event);
}

void TSpielfeld::mouseReleaseEvent(QMouseEvent* event) {
    ShowCursor(false);
    // Any button acts on the cell under the pointer.
    const QPointF position = event->position();
    ActOn(FGeometry.TryToFigureOutTheField(static_cast<int>(std::floor(position.x())),
                                           static_cast<int>(std::floor(position.y()))));
}

void TSpielfeld::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        ShowCursor(true);
    }
    update();
    // After the window's own focus event, which a screen reader would otherwise take last and
    // read as the whole table.
    QMetaObject::invokeMethod(
        this, [this] { AnnounceFocus(); }, Qt::QueuedConnection);
}

void TSpielfeld::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TSpielfeld::AnnounceFocus() const {
    if (!QAccessible::isActive() || !hasFocus()) {
        return;
    }
    QAccessibleEvent focus(const_cast<TSpielfeld*>(this), QAccessible::Focus);
    focus.setChild(TBoardGeometry::IndexOfCell(FCursor));
    QAccessible::updateAccessibility(&focus);
}

void TSpielfeld::MarkingChanged() {
    if (QAccessible::isActive()) {
        QAccessibleEvent selection(this, QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&selection);
    }
}

void TSpielfeld::BoardChanged() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
    MarkingChanged();
    // The ball under the cursor may be another now.
    QAccessibleEvent name(this, QAccessible::NameChanged);
    name.setChild(TBoardGeometry::IndexOfCell(FCursor));
    QAccessible::updateAccessibility(&name);
}

void TSpielfeld::GameOver() {
    if (QAccessible::isActive()) {
        QAccessibleEvent over(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&over);
    }
}

} // namespace brimbal
