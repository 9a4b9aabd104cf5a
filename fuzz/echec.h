// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

// Stops the fuzzer on a broken promise of the reader, naming the input.
[[noreturn]] inline void echec(const char* quoi, const QByteArray& entree)
{
    std::fprintf(stderr, "%s, input %s\n", quoi, entree.toHex().constData());
    std::abort();
}
