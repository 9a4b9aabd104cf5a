// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Runs faire(0) ... faire(n - 1), each once, on as many threads as the
// computer has cores (this one among them), and returns when all are done.
// What each call writes must be its own.
template <class Faire>
void enParallele(std::size_t n, Faire faire)
{
    std::atomic<std::size_t> suivant{0};
    const auto travailler = [&] {
        for (std::size_t i = suivant++; i < n; i = suivant++)
            faire(i);
    };
    const std::size_t fils = std::min<std::size_t>(n, std::max(1u, std::thread::hardware_concurrency())) - (n > 0);
    std::vector<std::thread> autres;
    autres.reserve(fils);
    for (std::size_t k = 0; k < fils; ++k)
        autres.emplace_back(travailler);
    travailler();
    for (std::thread& t : autres)
        t.join();
}
