// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// Saving the options and tables as a window does after a filed score, and opening a settings file
// that holds far more than the game ever writes.
#include "BenchMain.h"
#include "Options.h"
#include "ScoreTables.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

using namespace brimbal;

namespace {

QString SettingsFileName() {
    return QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + "/Zelkor/Brimbal.conf";
}

// The peak resident memory of the process so far, in kB (VmHWM).
long PeakMemoryKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

// 1.4 million junk keys in 14 MB, the tables at the end. Measured first, before any other
// benchmark has raised the memory peak; the counter is what the peak grew by.
void BM_LoadLarge(benchmark::State& state) {
    {
        QFile file(SettingsFileName());
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < 1400000; ++i) {
            file.write(QByteArray::number(i).rightJustified(7, '0') + "=x\n");
        }
        file.write("[Highscore]\nM001S001N=Ann\nM001S001D=d\nM001S001P=70\nM001S001M=6\n");
    }
    state.counters["megabytes"] = double(QFile(SettingsFileName()).size()) / 1e6;
    TScoreTables highscore;
    highscore.Init();
    const long before = PeakMemoryKb();
    for (auto _ : state) {
        TOptions options;
        TSettingsStore().Load(options, highscore);
    }
    state.counters["peak_growth_kB"] = double(PeakMemoryKb() - before);
}
BENCHMARK(BM_LoadLarge)->Unit(benchmark::kMillisecond);

// A save with all five tables full: lock, read the file back, merge, write, rename.
void BM_Save(benchmark::State& state) {
    TScoreTables highscore;
    highscore.Init();
    for (int mode = 1; mode <= 5; ++mode) {
        for (int rank = 1; rank <= 10; ++rank) {
            highscore.Add(mode, {QString("Spieler %1").arg(rank), "07.12.2026 20:13:05",
                                 1000 - rank, rank + 5});
        }
    }
    TOptions options;
    TSettingsStore store;
    store.Save(options, highscore);
    for (auto _ : state) {
        if (!store.Save(options, highscore)) {
            state.SkipWithError("the save failed");
        }
    }
    state.counters["bytes"] = double(QFile(SettingsFileName()).size());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
