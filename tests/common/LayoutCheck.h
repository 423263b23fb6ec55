// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "DialogLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <memory>

namespace brimbal {

// The fonts a layout is tried with: a small one that leaves room for the whole design, the
// application's own, and a large one. Columns "font" and "asDesigned".
inline void AddFontRows() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<bool>("asDesigned");
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(9);
    QTest::newRow("small font") << small << true;
    QTest::newRow("application font") << QApplication::font() << false;
    QFont large(QStringLiteral("Liberation Serif"));
    large.setPixelSize(24);
    QTest::newRow("large font") << large << false;
}

// A window made while the application's font is the one given, as a user's font setting would
// have it.
template <typename TWindow, typename... TArguments>
std::unique_ptr<TWindow> MadeWithFont(const QFont& font, const TArguments&... arguments) {
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(font);
    auto window = std::make_unique<TWindow>(arguments...);
    QApplication::setFont(applicationFont);
    return window;
}

// What a player would find wrong with controls laid out by their table, or an empty text when
// nothing is:
// - every control lies inside what holds it, and no two overlap;
// - no caption is clipped: labels, buttons and drop-downs have the size their style asks for,
//   and a wrapping label has the height its text needs at its width;
// - every control has at least its designed size, and exactly that where its caption fits;
// - the design's order holds: a control designed left of another (on a common row) stays left
//   of it, one designed above another (in a common column) stays above it;
// - controls anchored on the right edge of another stay there.
inline QString LayoutFault(const TDialogLayout& layout, const QWidget& holder) {
    const std::vector<TPlace>& places = layout.Places();
    // The designed extent: a size of 0 is what the control asks for.
    auto designed = [](const TPlace& place) {
        const QSize hint = place.Control->sizeHint();
        return QRect(place.Design.topLeft(),
                     QSize(place.Design.width() > 0 ? place.Design.width() : hint.width(),
                           place.Design.height() > 0 ? place.Design.height() : hint.height()));
    };
    for (std::size_t i = 0; i < places.size(); ++i) {
        const QWidget* control = places[i].Control;
        const QRect rect = control->geometry();
        const QRect design = places[i].Design;
        const QString name = control->objectName();
        if (!holder.rect().contains(rect)) {
            return name + QStringLiteral(" reaches outside ") + holder.objectName();
        }
        const auto* label = qobject_cast<const QLabel*>(control);
        const bool captioned = (label && !label->text().isEmpty()) ||
                               qobject_cast<const QAbstractButton*>(control) ||
                               qobject_cast<const QComboBox*>(control);
        QSize need = captioned ? control->sizeHint() : QSize(0, 0);
        if (label && label->wordWrap()) {
            // Wrapped at its width, the whole text fits: no word sticks out, no line is lost.
            const QRect text = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            if (!label->contentsRect().contains(text)) {
                return name + QStringLiteral(" cuts off its text");
            }
            need = QSize(0, label->heightForWidth(rect.width()));
        }
        if (rect.width() < std::max(need.width(), design.width()) ||
            rect.height() < std::max(need.height(), design.height())) {
            return QStringLiteral("%1 is %2 x %3 but needs %4 x %5")
                .arg(name)
                .arg(rect.width())
                .arg(rect.height())
                .arg(std::max(need.width(), design.width()))
                .arg(std::max(need.height(), design.height()));
        }
        if (captioned && !(label && label->wordWrap()) && design.width() >= need.width() &&
            rect.width() != design.width()) {
            return name + QStringLiteral(" is wider than designed although its caption fits");
        }
        for (const TPlace& edge : places) {
            if (edge.Control == places[i].FAlignRight &&
                rect.right() - edge.Control->geometry().right() !=
                    designed(places[i]).right() - designed(edge).right()) {
                return name + QStringLiteral(" leaves the right edge it is aligned with");
            }
        }
        for (std::size_t j = 0; j < places.size(); ++j) {
            const QWidget* other = places[j].Control;
            if (j == i) {
                continue;
            }
            if (j > i && rect.intersects(other->geometry())) {
                return name + QStringLiteral(" overlaps ") + other->objectName();
            }
            const QRect a = designed(places[i]);
            const QRect b = designed(places[j]);
            const bool sameRows = a.top() <= b.bottom() && b.top() <= a.bottom();
            const bool sameColumns = a.left() <= b.right() && b.left() <= a.right();
            if (sameRows && a.right() < b.left() && rect.right() >= other->x()) {
                return name + QStringLiteral(" is no longer left of ") + other->objectName();
            }
            if (sameColumns && a.bottom() < b.top() && rect.bottom() >= other->y()) {
                return name + QStringLiteral(" is no longer above ") + other->objectName();
            }
        }
    }
    return {};
}

// What differs from the design where the font leaves room for it, or an empty text: every
// control at its designed place, in its designed size where it has one, and the holder in its
// designed size.
inline QString DesignFault(const TDialogLayout& layout, const QWidget& holder,
                           bool holderSize = true) {
    for (const TPlace& place : layout.Places()) {
        const QRect rect = place.Control->geometry();
        if (rect.topLeft() != place.Design.topLeft() ||
            (place.Design.width() > 0 && rect.width() != place.Design.width()) ||
            (place.Design.height() > 0 && rect.height() != place.Design.height())) {
            return QStringLiteral("%1 is at %2,%3 %4 x %5")
                .arg(place.Control->objectName())
                .arg(rect.x())
                .arg(rect.y())
                .arg(rect.width())
                .arg(rect.height());
        }
    }
    if (holderSize && holder.size() != layout.DesignSize()) {
        return QStringLiteral("%1 is %2 x %3")
            .arg(holder.objectName())
            .arg(holder.width())
            .arg(holder.height());
    }
    return {};
}

} // namespace brimbal
