// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace brimbal {

// Tells a screen reader what the player has just caused: a hidden widget that assistive
// technology sees as a notification. Each announcement renames it and shows it anew, which Orca
// speaks at once, in whatever window has the focus; a plain label that changes (the clock) is
// not spoken. Texts are collected while a key or click is handled and told as one sentence, so
// that none cuts off another.
class TAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit TAnnouncer(QWidget* parent = nullptr);

    // Adds a text to what is told next.
    void Add(const QString& text);
    // Tells what was added, if anything, and starts afresh.
    void Announce();
    // Forgets what was added.
    void Discard() { Pending.clear(); }
    // The text told last: the notification's name.
    const QString& Text() const { return FText; }

private:
    QStringList Pending;
    QString FText;
};

} // namespace brimbal
