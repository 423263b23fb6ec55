// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QStatusBar>

class QLabel;

namespace brimbal {

// What the clock in panel 2 says before the game time or the program's running time. The score
// in panel 1 follows KScoreText (Game.h).
constexpr char KGameTimeText[] = "Spielzeit: ";
constexpr char KRunTimeText[] = "Programmlaufzeit: ";

// The status bar of the main window: panel 0 for hints and messages, panel 1 for the score and
// panel 2 for the clock. Panels 1 and 2 keep their widths, at least 100 and 180 pixels and as
// much as their widest texts need in the current font; panel 0 takes what they leave.
class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int KPanels = 3;
    static constexpr int KDesignWidths[KPanels] = {50, 100, 180};

    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const;
    // The texts that panel 1 or 2 must show whole; digits count as the widest digit.
    void SetWidestTexts(int panel, const QStringList& texts);
    // The width of panel 1 or 2.
    int PanelWidth(int panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayoutPanels();

    QLabel* Panels[KPanels] = {};
    QStringList WidestTexts[KPanels];
};

} // namespace brimbal
