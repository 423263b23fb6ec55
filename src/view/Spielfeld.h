// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QWidget>

namespace brimbal {

class ISpielfeldHandler;

// The paint box of the board. It draws nothing itself: paints and mouse releases go to the
// handler, which copies the back buffer and runs the rules.
class TSpielfeld : public QWidget {
    Q_OBJECT

public:
    explicit TSpielfeld(ISpielfeldHandler& handler, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ISpielfeldHandler& Handler;
};

} // namespace brimbal
