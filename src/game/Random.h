// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace brimbal {

// Where a generator stands in its sequence: enough to go back there later.
using TRandomState = std::uint64_t;

// The source of the random numbers that deal the board.
class IRandom {
public:
    virtual ~IRandom() = default;
    // A uniform integer in 0 to n - 1 (n >= 1).
    virtual std::int32_t Random(std::int32_t n) = 0;
    // The state now, and a return to a state saved earlier: the draws that follow are those
    // that followed it then.
    virtual TRandomState SaveState() const = 0;
    virtual void RestoreState(TRandomState state) = 0;
};

// The program's generator: seeded once, uniform draws without modulo bias. Its state is the
// number of values drawn from the engine since the seed; a return to an earlier one seeds the
// engine again and skips that many.
class TRandom final : public IRandom {
public:
    explicit TRandom(std::uint64_t seed) : Seed(seed), Engine(seed) {}
    // Seeded from the system clock.
    TRandom()
        : TRandom(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count())) {}

    std::int32_t Random(std::int32_t n) override {
        TCounting counting{*this};
        return std::uniform_int_distribution<std::int32_t>(0, n - 1)(counting);
    }

    TRandomState SaveState() const override { return Drawn; }

    void RestoreState(TRandomState state) override {
        if (state < Drawn) {
            Engine.seed(Seed);
            Drawn = 0;
        }
        Engine.discard(state - Drawn);
        Drawn = state;
    }

private:
    using TEngine = std::mt19937_64;

    // The engine as the distribution sees it, counting what it hands out.
    struct TCounting {
        using result_type = TEngine::result_type;
        static constexpr result_type min() { return TEngine::min(); }
        static constexpr result_type max() { return TEngine::max(); }
        result_type operator()() {
            ++Random.Drawn;
            return Random.Engine();
        }
        TRandom& Random;
    };

    std::uint64_t Seed;
    TEngine Engine;
    TRandomState Drawn = 0;
};

} // namespace brimbal
