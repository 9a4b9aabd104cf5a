// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "historique.h"
#include "programme/positionnement.h"

// The level a recorded answer was asked at: as recorded; for an answer
// recorded before levels were, on "Placer les aiguilles" the easiest level
// that asks the expected time, elsewhere none (the programme then counts it
// for the activity's first level).
QString niveauDeLaReponse(const LigneHistorique& l);

// A child's answers placed on the programme.
void positionnerReponse(programme::Positionnement& p, const LigneHistorique& l);
programme::Positionnement positionner(const QList<LigneHistorique>& lignes);
