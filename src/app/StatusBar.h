// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QStatusBar>

class QLabel;

namespace brimbal {

// The status bar of the main window: panel 0 for hints and messages, panel 1 for the score and
// panel 2 for the clock. Panels 1 and 2 keep their widths; panel 0 takes what they leave.
class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int KPanels = 3;
    static constexpr int KScoreWidth = 100;
    static constexpr int KClockWidth = 180;

    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutPanels();

    QLabel* Panels[KPanels] = {};
};

} // namespace brimbal
