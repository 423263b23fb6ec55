// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace brimbal {

namespace {

class TAnnouncerAccessible : public QAccessibleWidget {
public:
    explicit TAnnouncerAccessible(TAnnouncer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text text) const override {
        return text == QAccessible::Name ? static_cast<TAnnouncer*>(widget())->Text() : QString();
    }
};

QAccessibleInterface* AnnouncerFactory(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<TAnnouncer*>(object)) {
        return new TAnnouncerAccessible(announcer);
    }
    return nullptr;
}

// A piece ends a sentence unless it ends in a full stop or an exclamation mark already.
QString Sentence(const QString& text) {
    return text.endsWith(u'.') || text.endsWith(u'!') ? text : text + u'.';
}

} // namespace

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent) {
    setObjectName("Ansage");
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    hide();
}

void TAnnouncer::Add(const QString& text) {
    if (!text.isEmpty()) {
        Pending << Sentence(text);
    }
}

void TAnnouncer::Announce() {
    if (Pending.isEmpty()) {
        return;
    }
    FText = Pending.join(u' ');
    Pending.clear();
    if (!QAccessible::isActive()) {
        return;
    }
    // The new name first, so that no reader keeps the old one; then the notification shows
    // anew, which is what a screen reader speaks.
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace brimbal
