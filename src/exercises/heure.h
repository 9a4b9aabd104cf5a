// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

#include "common/calendrier.h"

class RandomSource;

// Reading the time shown by two hands on a clock face.
namespace lecture {

struct Question {
    int heure = 1;    // 1 to 12
    int minutes = 1;  // 1 to 59, never a whole hour
};

// Minutes first, then the hour. The generator is not reseeded: the first
// drawer of the screen has just done it.
Question tirer(RandomSource& hasard);

constexpr double longueurMinutes = 70;
constexpr double longueurHeures = 40;

// Where the hands go on a face of that size. Unless asked for a real one, the
// hour hand points exactly at the hour mark, whatever the minutes.
struct Aiguilles {
    QPointF centre;
    QPointF finMinutes;
    QPointF finHeures;
};
Aiguilles aiguilles(const Question& q, QSizeF cadran,
                    calendrier::AiguilleHeures mode = calendrier::AiguilleHeures::SurLHeure);

bool juste(const Question& q, int heure, int minutes);

// The question on one line: "Quelle heure est-il ?".
QString question();
QString enonce();
QString reussite();
QString erreur(const Question& q);

}  // namespace lecture
