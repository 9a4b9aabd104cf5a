// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "comparaison.h"
#include "conversion.h"
#include "heure.h"
#include "minutes.h"
#include "montre.h"
#include "nombremanquant.h"

// The exercises' questions as "Mon entraînement" asks them: the school's
// notation ("4 h 45", "25 min", "1 h 5 min"), "tu", one idea a sentence,
// and verdicts that say why. The exercises' own screen keeps its texts.
namespace seance {

QString enonceLecture();
QString verdictLecture(const lecture::Question& q, bool juste);

QString enonceMinutes(const minutes::Question& q);
QString verdictMinutes(const minutes::Question& q, bool juste);

QString enonceConversion(const conversion::Question& q);
QString verdictConversion(const conversion::Question& q, bool juste);

QString enonceMontre(const montre::Question& q);
QString verdictMontre(const montre::Question& q, bool juste);

QString enonceManquant(const nombre_manquant::Question& q);
QString verdictManquant(const nombre_manquant::Question& q, bool juste);

QString enonceComparaison(const comparaison::Question& q);
QString verdictComparaison(const comparaison::Question& q, comparaison::Choix choix);
// "Plus petit", "Plus grand", "Égal", in the order of comparaison::Choix.
QString nomChoix(comparaison::Choix c);

}  // namespace seance
