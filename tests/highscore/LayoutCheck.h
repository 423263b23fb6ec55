// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

// What is wrong with a window's fixed layout, or an empty text when nothing is: every control
// lies inside the window, no two controls overlap, and every label, button and drop-down has at
// least the size its style asks for, so that no caption is clipped with the fonts at hand.
inline QString LayoutFault(const QWidget& window) {
    const QList<QWidget*> controls =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* control = controls[i];
        const QString name = control->objectName();
        if (!window.rect().contains(control->geometry())) {
            return name + QStringLiteral(" reaches outside the window");
        }
        const auto* label = qobject_cast<const QLabel*>(control);
        const bool captioned = (label && !label->text().isEmpty()) ||
                               qobject_cast<const QAbstractButton*>(control) ||
                               qobject_cast<const QComboBox*>(control);
        if (captioned && (control->width() < control->sizeHint().width() ||
                          control->height() < control->sizeHint().height())) {
            return QStringLiteral("%1 is %2 x %3 but needs %4 x %5")
                .arg(name)
                .arg(control->width())
                .arg(control->height())
                .arg(control->sizeHint().width())
                .arg(control->sizeHint().height());
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (control->geometry().intersects(controls[j]->geometry())) {
                return name + QStringLiteral(" overlaps ") + controls[j]->objectName();
            }
        }
    }
    return {};
}
