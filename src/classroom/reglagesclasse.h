// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "common/sortie.h"
#include "programme/carte.h"

namespace classe {

// The class's own settings, followed by every computer of the class.
using Sortie = ModeSortie;
struct Reglages {
    bool sonsCoupes = false;
    Sortie sortie = Sortie::Normale;
    bool aiguilleHeuresReelle = false;
    // The class's year, or two for a mixed class; none: every year.
    QList<programme::Annee> annees;
    // Levels that follow each child's positioning.
    bool niveauxAdaptes = false;
    // No voice at all; every statement and verdict said as it appears.
    bool voixCoupee = false;
    bool lectureAuto = false;
    friend bool operator==(const Reglages&, const Reglages&) = default;
};
// Each key=value line of a class file, '#' lines and blank ones aside, a
// byte-order mark allowed; lire() says whether it took the line. Returns the
// lines not taken.
int lireClesValeurs(const QString& texte, const std::function<bool(const QString&, const QString&)>& lire);

// key=value lines; unknown keys and bad values are skipped (counted).
Reglages lireReglages(const QString& texte, int* ignores = nullptr);
// "CE1,CE2": one or two years, in order, each once; nothing otherwise.
std::optional<QList<programme::Annee>> lireAnnees(const QString& valeur);
QString ecrireAnnees(const QList<programme::Annee>& annees);
QString ecrireReglages(const Reglages& r);

}  // namespace classe
