// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "StatusBar.h"

#include <QLabel>

#include <algorithm>

namespace brimbal {

namespace {
constexpr int KMinimumHeight = 17;
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    // The panels are placed by hand: a layout would give the window a minimum width.
    setSizeGripEnabled(false);
    const char* texts[KPanels] = {"<Hint>", "Punkte: #####", "Programmlaufzeit: 0s"};
    for (int panel = 0; panel < KPanels; ++panel) {
        auto* label = new QLabel(QString::fromUtf8(texts[panel]), this);
        label->setObjectName(QString("Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setTextFormat(Qt::PlainText);
        Panels[panel] = label;
    }
    LayoutPanels();
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < KPanels) {
        Panels[panel]->setText(text);
        Panels[panel]->setToolTip(QString()); // a tool tip belongs to the text it came with
    }
}

QString TStatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < KPanels ? Panels[panel]->text() : QString();
}

QLabel* TStatusBar::Panel(int panel) const {
    return panel >= 0 && panel < KPanels ? Panels[panel] : nullptr;
}

QSize TStatusBar::sizeHint() const {
    return {KScoreWidth + KClockWidth, std::max(KMinimumHeight, Panels[0]->sizeHint().height())};
}

QSize TStatusBar::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    LayoutPanels();
}

void TStatusBar::LayoutPanels() {
    const int h = height();
    const int first = std::max(0, width() - KScoreWidth - KClockWidth);
    Panels[0]->setGeometry(0, 0, first, h);
    Panels[1]->setGeometry(first, 0, KScoreWidth, h);
    Panels[2]->setGeometry(first + KScoreWidth, 0, KClockWidth, h);
}

} // namespace brimbal
