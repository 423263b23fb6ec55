// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "URLLabel.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace brimbal {

namespace {

TURLLabel::TUrlOpener& Opener() {
    static TURLLabel::TUrlOpener opener;
    return opener;
}

} // namespace

TURLLabel::TURLLabel(QWidget* parent) : QLabel(parent) {
    // The style becomes underlined alone; family and size stay those inherited from the parent.
    QFont style;
    style.setUnderline(true);
    style.setWeight(QFont::Normal);
    style.setItalic(false);
    style.setStrikeOut(false);
    setFont(style);

    // The palette's link colour: pure blue in the default palette, readable on a dark one.
    QPalette link = palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    setPalette(link);

    setCursor(Qt::PointingHandCursor);
    // Reached with Tab and opened with Return or Space, like a button.
    setFocusPolicy(Qt::TabFocus);
}

void TURLLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Click();
        event->accept();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void TURLLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void TURLLabel::Click() {
    const QUrl address = WebAddress(FURL);
    if (address.isEmpty()) {
        return;
    }
    if (Opener()) {
        Opener()(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

QUrl TURLLabel::WebAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    // "www.example.org:8080" parses as the scheme "www.example.org"; no real scheme has a dot.
    const QString scheme = QUrl(trimmed).scheme();
    const bool bare = scheme.isEmpty() || scheme.contains(QLatin1Char('.'));
    QUrl address = QUrl::fromUserInput(trimmed);
    // For a bare host name fromUserInput guesses http, or ftp for "ftp." names; a web address
    // today is https.
    if (bare &&
        (address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("ftp"))) {
        address.setScheme(QStringLiteral("https"));
    }
    return address;
}

void TURLLabel::SetUrlOpener(TUrlOpener opener) {
    Opener() = std::move(opener);
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FPressed = true;
        event->accept();
    } else {
        QLabel::mousePressEvent(event);
    }
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // Like a button: the click counts when the press was on the label and the release is too.
    const bool click = FPressed && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click) {
        Click();
    }
}

} // namespace brimbal
