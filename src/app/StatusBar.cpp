// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "StatusBar.h"

#include "GameWords.h"
#include "NStrings.h"

#include <QEvent>
#include <QLabel>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace brimbal {

namespace {

constexpr std::int64_t KMillisecondsPerDay = 86400000;
constexpr int KMinimumHeight = 17;

// Milliseconds from one time of day to a later one. Both hold no date, so a span that passes
// midnight is taken modulo one day and keeps counting up.
std::int64_t ElapsedMs(double from, double to) {
    const std::int64_t ms = std::llround((to - from) * double(KMillisecondsPerDay));
    return ((ms % KMillisecondsPerDay) + KMillisecondsPerDay) % KMillisecondsPerDay;
}

QString DurationTextOf(std::int64_t ms) {
    return QString::fromStdString(DurationText(static_cast<std::uint16_t>(ms / 3600000),
                                               static_cast<std::uint16_t>((ms / 60000) % 60),
                                               static_cast<std::uint16_t>((ms / 1000) % 60)));
}

QString RunTimeText(const QString& duration) {
    return TStatusBar::tr("Programmlaufzeit: %1").arg(duration);
}

} // namespace

QString ClockText(double gameStart, double programStart, bool gameRunning,
                  const std::function<double()>& now) {
    const std::int64_t game = ElapsedMs(gameStart, now());
    if ((game / 1000) % 60 % 5 != 0 && gameRunning) {
        return TStatusBar::tr("Spielzeit: %1").arg(DurationTextOf(game));
    }
    return RunTimeText(DurationTextOf(ElapsedMs(programStart, now())));
}

double SystemTimeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / double(KMillisecondsPerDay);
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    // The panels are placed by hand: a layout would give the window a minimum width.
    setSizeGripEnabled(false);
    const QString texts[KPanels] = {QStringLiteral("<Hint>"),
                                    TGameWords::Score(QStringLiteral("#####")),
                                    RunTimeText(QStringLiteral("0s"))};
    for (int panel = 0; panel < KPanels; ++panel) {
        auto* label = new QLabel(texts[panel], this);
        label->setObjectName(QString("Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setTextFormat(Qt::PlainText);
        Panels[panel] = label;
    }
    LayoutPanels(); // the creation texts never show: the game writes its own at once
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= KPanels) {
        return;
    }
    Panels[panel]->setText(text);
    Panels[panel]->setToolTip(QString()); // a tool tip belongs to the text it came with
    if (const int need = panel > 0 ? Need(panel) : 0; need > Widths[panel]) {
        Widths[panel] = need;
        LayoutPanels();
    }
}

QString TStatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < KPanels ? Panels[panel]->text() : QString();
}

QLabel* TStatusBar::Panel(int panel) const {
    return panel >= 0 && panel < KPanels ? Panels[panel] : nullptr;
}

int TStatusBar::PanelWidth(int panel) const {
    return panel > 0 && panel < KPanels ? Widths[panel] : 0;
}

int TStatusBar::Need(int panel) const {
    const QLabel* label = Panels[panel];
    // What a label adds to its text: frame, margins and the indent on its left.
    const QMargins margins = label->contentsMargins();
    const int extra = margins.left() + margins.right() + 2 * label->margin() + label->indent();
    // Measured as the label measures its text.
    return label->fontMetrics()
               .boundingRect(QRect(), int(label->alignment()), label->text())
               .width() +
           extra;
}

QSize TStatusBar::sizeHint() const {
    return {PanelWidth(1) + PanelWidth(2),
            std::max(KMinimumHeight, Panels[0]->sizeHint().height())};
}

QSize TStatusBar::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    LayoutPanels();
}

void TStatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        for (int panel = 1; panel < KPanels; ++panel) {
            Widths[panel] = std::max(KDesignWidths[panel], Need(panel));
        }
        LayoutPanels();
    }
}

void TStatusBar::LayoutPanels() {
    const int h = height();
    const int score = PanelWidth(1);
    const int clock = PanelWidth(2);
    const int first = std::max(0, width() - score - clock);
    Panels[0]->setGeometry(0, 0, first, h);
    Panels[1]->setGeometry(first, 0, score, h);
    Panels[2]->setGeometry(first + score, 0, clock, h);
}

} // namespace brimbal
