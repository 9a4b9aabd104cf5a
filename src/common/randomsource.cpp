// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomsource.h"

#include <chrono>
#include <cmath>

SystemRandom::SystemRandom()
    : generateur_(std::uint64_t(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

double SystemRandom::next()
{
    // 53 random bits scaled by 2^-53: never 1.0, unlike some
    // uniform_real_distribution implementations.
    return double(generateur_() >> 11) * 0x1.0p-53;
}

int tirage(RandomSource& hasard, int nombre, int base)
{
    return int(std::floor(hasard.next() * nombre)) + base;
}
