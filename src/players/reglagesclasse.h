// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/sortie.h"

namespace classe {

// The class's own settings, followed by every computer of the class.
using Sortie = ModeSortie;
struct Reglages {
    bool sonsCoupes = false;
    Sortie sortie = Sortie::Normale;
    bool aiguilleHeuresReelle = false;
    // No voice at all; every statement and verdict said as it appears.
    bool voixCoupee = false;
    bool lectureAuto = false;
    friend bool operator==(const Reglages&, const Reglages&) = default;
};
// key=value lines; unknown keys and bad values are skipped (counted).
Reglages lireReglages(const QString& texte, int* ignores = nullptr);
QString ecrireReglages(const Reglages& r);

}  // namespace classe
