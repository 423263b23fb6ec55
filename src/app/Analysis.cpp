// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Analysis.h"

#include "HintSearch.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <thread>

namespace brimbal {

namespace {

// The context of the analysis' texts.
class Words {
    Q_DECLARE_TR_FUNCTIONS(Analysis)
};

constexpr int KBudgetMs = 3000;
constexpr int KTickMs = 100;

} // namespace

std::int32_t AnalyseDeal(QWidget* parent, const TSearchPosition& deal) {
    QProgressDialog progress(parent);
    progress.setLabelText(
        QCoreApplication::translate("Analysis", "Sucht, wie viele Punkte dieses Spiel hergibt …"));
    progress.setCancelButtonText(QCoreApplication::translate("Analysis", "Abbrechen"));
    progress.setRange(0, KBudgetMs);
    progress.setWindowTitle(QStringLiteral("Brimbal"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    THintSearch search;
    QEventLoop loop;
    std::int32_t points = 0;
    QObject::connect(&search, &THintSearch::Found, &loop, [&](const TSearchResult& result) {
        points = result.Points;
        loop.quit();
    });
    // "Abbrechen" and the window's close box end the search early, keeping its best.
    QObject::connect(&progress, &QProgressDialog::canceled, &search, &THintSearch::Stop);
    QElapsedTimer elapsed;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress,
                     [&] { progress.setValue(std::min<int>(KBudgetMs, int(elapsed.elapsed()))); });
    elapsed.start();
    tick.start(KTickMs);
    // The window only waits meanwhile: the search may have every core, up to four.
    const int cores = int(std::thread::hardware_concurrency());
    search.Start(deal, {}, std::chrono::milliseconds(KBudgetMs), std::clamp(cores, 1, 4));
    progress.show();
    loop.exec();
    return points;
}

bool ShowAnalysis(QWidget* parent, std::int32_t points, std::int32_t total, bool running) {
    const QString held = Words::tr("Aus diesem Spiel lassen sich mindestens %1 Punkte holen.")
                             .arg(NumberText(points));
    const QString stand = running ? Words::tr("Du stehst bei %1 Punkten.").arg(NumberText(total))
                                  : Words::tr("Du hast %1 Punkte.").arg(NumberText(total));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Brimbal"), held + '\n' + stand,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* again = box.addButton(Words::tr("Spiel &wiederholen"), QMessageBox::AcceptRole);
    QPushButton* close = box.addButton(Words::tr("&Schließen"), QMessageBox::RejectRole);
    box.setDefaultButton(close);
    box.setEscapeButton(close);
    box.exec();
    return box.clickedButton() == again;
}

} // namespace brimbal
