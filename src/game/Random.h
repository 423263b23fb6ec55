// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>
#include <random>

namespace brimbal {

// The source of the random numbers that deal the board.
class IRandom {
public:
    virtual ~IRandom() = default;
    // A uniform integer in 0 to n - 1 (n >= 1).
    virtual std::int32_t Random(std::int32_t n) = 0;
};

// The program's generator: seeded once, uniform draws without modulo bias.
class TRandom final : public IRandom {
public:
    explicit TRandom(std::uint64_t seed) : Engine(seed) {}

    std::int32_t Random(std::int32_t n) override {
        return std::uniform_int_distribution<std::int32_t>(0, n - 1)(Engine);
    }

private:
    std::mt19937_64 Engine;
};

} // namespace brimbal
