// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Search.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

namespace brimbal {

// A search for the best line from a position, on a thread of its own beside the window's, on
// its own copy of the position. Its answer comes back on the window's thread as Found, unless
// the search was cancelled first; the window can then check that the game has not moved since.
class THintSearch : public QObject {
    Q_OBJECT

public:
    explicit THintSearch(QObject* parent = nullptr) : QObject(parent) {}
    ~THintSearch() override { Cancel(); }

    // Starts a search for at most budget, cancelling one that runs. seed: a line found earlier
    // that may still play from this position; threads: how many the search may keep busy.
    void Start(const TSearchPosition& position, std::vector<TSearchCell> seed,
               std::chrono::milliseconds budget, int threads = 1);
    // Ends the search now; Found follows with the best line so far.
    void Stop() { StopFlag = true; }
    // Ends the search; its answer never comes.
    void Cancel();
    bool Running() const { return Searching; }

signals:
    void Found(const brimbal::TSearchResult& result);

private:
    std::thread Worker;
    std::atomic<bool> StopFlag{false};
    // Counts the searches started and cancelled: an answer of an older one is dropped.
    std::uint64_t Generation = 0;
    bool Searching = false;
};

} // namespace brimbal
