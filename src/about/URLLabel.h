// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace brimbal {

// A text label that carries an address and opens it with the desktop's handler when clicked.
// It looks like a link: underlined, in the palette's link colour, with the pointing-hand cursor.
// Tab reaches it, and Return or Space opens it.
class TURLLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)

public:
    // Opens an address with the desktop's handler; answers whether that worked.
    using TUrlOpener = std::function<bool(const QUrl&)>;

    explicit TURLLabel(QWidget* parent = nullptr);

    // The address a click opens. Setting it only stores it; the caption stays as it is.
    QString URL() const { return FURL; }
    void SetURL(const QString& url) { FURL = url; }

    // The click: opens URL with the desktop's handler. The answer is not examined, and an empty
    // URL opens nothing.
    void Click();

    // The address that opening text leads to. A bare host name without a scheme, such as
    // "www.example.org", becomes a web address, "https://www.example.org".
    static QUrl WebAddress(const QString& text);

    // Replaces the opener of all link labels (for tests); an empty one restores the desktop's.
    static void SetUrlOpener(TUrlOpener opener);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A focus frame while the label has the keys.
    void paintEvent(QPaintEvent* event) override;

private:
    QString FURL;
    // A left button press on the label that has not been released yet.
    bool FPressed = false;
};

} // namespace brimbal
