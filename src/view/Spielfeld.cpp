// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Spielfeld.h"

#include "SpielfeldHandler.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace brimbal {

TSpielfeld::TSpielfeld(ISpielfeldHandler& handler, QWidget* parent)
    : QWidget(parent), Handler(handler) {
    setObjectName("Spielfeld");
    // Every paint covers the whole box with the back buffer: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TSpielfeld::sizeHint() const {
    return {637, 485};
}

QSize TSpielfeld::minimumSizeHint() const {
    return {0, 0};
}

void TSpielfeld::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Handler.SpielfeldPaint(painter);
}

void TSpielfeld::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    Handler.SpielfeldMouseUp(event->button(), event->modifiers(),
                             static_cast<int>(std::floor(position.x())),
                             static_cast<int>(std::floor(position.y())));
}

} // namespace brimbal
