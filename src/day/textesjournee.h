// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/reponse.h"
#include "durees.h"
#include "heures.h"

// The texts of "La journée" that have an answer: how times and moments are
// written, and each section's verdict, the same in the screen and in a
// training session.
namespace ecranjour {

inline constexpr int nombreChoix = 3;
inline constexpr int pasMinutes = 5;
inline const QString attenteHeures = QStringLiteral("? h");
inline const QString attenteMinutes = QStringLiteral("??");
inline const QString attenteSecondes = QStringLiteral("? s");
inline const PartieReponse partieSecondes{QStringLiteral("les secondes"), QStringLiteral("les")};

// What screen readers hear of a clock or a sentence offered, beside what it
// shows: the marks and colours in words.
inline const QString ditChoisie = QStringLiteral("choisie");
inline const QString ditBonne = QStringLiteral("la bonne réponse");
// What a choice is heard as once a wrong answer is judged.
QString ditApresErreur(bool bonne, bool choisie);
// After a wrong clock chosen, the ring moves to the right one: said so.
inline const QString bonneEntouree = QStringLiteral(" La bonne horloge est entourée.");

// The hours' part as "Vérifier" names it: "l'heure", or a duration's "les heures".
PartieReponse partieHeures(bool duree);

// "de l'après-midi", as a statement says when the time is.
QString deMoment(journee::Moment m);

// The statement of a dial to write as a digital clock shows it, three short
// lines: "C'est une heure du soir.⏎Écris-la comme sur⏎une horloge numérique."
QString enonceNumerique(journee::Moment m);

QString phrase(const QString& s);

// A wrong answer that swaps the hands says so.
QString siInversees(int donnee, int attendue);

// The verdict of a time of the dial written as a digital clock shows it
// (t: the time of the day; donnee: the child's, 0 to 23 h 59).
QString verdictNumerique(int t, int donnee);
// The verdict of a clock chosen for a time, or of the words chosen for a clock.
QString verdictCadranChoisi(int t, int donnee);
QString verdictMots(int t, int donnee, bool versCadran);
// The verdict of a duration problem answered in hours and minutes.
QString verdictDuree(const durees::Probleme& p, int heures, int minutes, int secondes = 0);

}  // namespace ecranjour
