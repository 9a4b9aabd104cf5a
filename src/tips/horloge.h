// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

#include "common/calendrier.h"

// The hands of the tips clock, drawn over the face of the screen's picture.
namespace horloge {

inline constexpr QPointF centre{393, 127};
inline constexpr double longueurHeures = 32;
inline constexpr double longueurMinutes = 45;
inline constexpr double epaisseur = 2;

// Ends of both hands for a time. Unless asked for a real one, the hour hand
// moves by whole hours only, so at 3 h 30 it points exactly at the 3.
struct Aiguilles {
    QPointF heures;
    QPointF minutes;
};
Aiguilles aiguilles(int heure, int minute,
                    calendrier::AiguilleHeures mode = calendrier::AiguilleHeures::SurLHeure);

// The hour after and the hour before, round the 24 hours of the spinner.
int heureSuivante(int heure);
int heurePrecedente(int heure);

}  // namespace horloge
