// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QStatusBar>

#include <functional>

class QLabel;

namespace brimbal {

// The clock's text at a tick: the game time while a game runs, but the program's running time
// in the seconds of the game time that are a multiple of five and when no game runs. Times of
// day are in days since midnight; now is read for each of the two times.
QString ClockText(double gameStart, double programStart, bool gameRunning,
                  const std::function<double()>& now);
// The time of day of the system clock, in days since midnight.
double SystemTimeOfDay();

// The status bar of the main window: panel 0 for hints and messages, panel 1 for the score and
// panel 2 for the clock. Panels 1 and 2 are 100 and 180 pixels wide, and panel 0 takes what they
// leave. A text that needs more room than its panel has widens the panel by what it needs, and
// the panel keeps that width, so that the clock does not make it jump back and forth.
class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int KPanels = 3;
    static constexpr int KDesignWidths[KPanels] = {50, 100, 180};

    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const;
    // The width of panel 1 or 2.
    int PanelWidth(int panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayoutPanels();
    // The width panel 1 or 2 needs for its text in the current font.
    int Need(int panel) const;

    QLabel* Panels[KPanels] = {};
    int Widths[KPanels] = {KDesignWidths[0], KDesignWidths[1], KDesignWidths[2]};
};

} // namespace brimbal
