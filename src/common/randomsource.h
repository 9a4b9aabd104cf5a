// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// Where the questions take their random numbers. Tests put chosen draws in
// its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A new number, uniform in [0, 1).
    virtual double next() = 0;
    // Asked for by the drawers before a new question.
    virtual void reseed() {}
};

// One generator seeded once, at construction, from a high-resolution clock.
// reseed() deliberately does nothing: seeding again from the clock would
// restart the same sequence for two questions drawn in the same tick.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    double next() override;

private:
    std::mt19937_64 generateur_;
};

// floor(r * nombre) + base: a whole number from base to base + nombre - 1.
int tirage(RandomSource& hasard, int nombre, int base);
