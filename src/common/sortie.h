// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the start screen's "SORTIE" quits, as a class's teacher chose.
enum class ModeSortie {
    Normale,    // a click quits, as always
    AppuiLong,  // it must be held down
    Cachee,     // it is not there at all
};
