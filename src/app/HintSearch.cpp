// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "HintSearch.h"

#include <utility>

namespace brimbal {

void THintSearch::Start(const TSearchPosition& position, std::vector<TSearchCell> seed,
                        std::chrono::milliseconds budget, int threads) {
    Cancel();
    StopFlag = false;
    Searching = true;
    const std::uint64_t generation = Generation;
    const TSearch::TClock::time_point deadline = TSearch::TClock::now() + budget;
    Worker = std::thread([this, position, seed = std::move(seed), deadline, generation, threads] {
        TSearch search(position);
        search.UseThreads(threads);
        if (!seed.empty()) {
            search.Seed(seed);
        }
        TSearchResult result = search.Run(StopFlag, deadline);
        // Back on the window's thread; dropped with this object, or when cancelled meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), generation] {
                if (generation != Generation) {
                    return;
                }
                Worker.join();
                Searching = false;
                emit Found(result);
            },
            Qt::QueuedConnection);
    });
}

void THintSearch::Cancel() {
    ++Generation;
    StopFlag = true;
    if (Worker.joinable()) {
        Worker.join();
    }
    Searching = false;
}

} // namespace brimbal
