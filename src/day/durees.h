// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// Problems of durations from a child's day: when something ends, when it
// began, or how long it lasted, with the steps that find it. Times are
// minutes since midnight; every time asked or met stays within the day.
namespace durees {

// The last two are cycle 3's: a trip that ends the next day, and a race
// timed to the second (its times and durations counted in seconds).
enum class Niveau { HeuresEntieres, SansPasserLHeure, PasserLHeure, DeuxEtapes, JourSuivant, Secondes };
constexpr Niveau niveaux[] = {Niveau::HeuresEntieres, Niveau::SansPasserLHeure, Niveau::PasserLHeure,
                              Niveau::DeuxEtapes,     Niveau::JourSuivant,      Niveau::Secondes};
QString nom(Niveau n);                    // "Heures entières"...
QString cle(Niveau n);                    // "heures_entieres"...
Niveau depuisCle(const QString& cle);     // an unknown word gives the first level

enum class Cherche { Fin, Debut, Duree };

struct Probleme {
    Niveau niveau = Niveau::HeuresEntieres;
    Cherche cherche = Cherche::Fin;
    int scene = 0;      // which sentence of the day
    int debut = 0;      // minutes since midnight (seconds at the seconds' level)
    int duree = 0;      // minutes (seconds)
    int duree2 = 0;     // the second step of two; 0 for one step
    int fin() const { return debut + duree + duree2; }
    // The answer: a time of the day, or a duration for Cherche::Duree.
    int reponse() const;
    friend bool operator==(const Probleme&, const Probleme&) = default;
};

// A problem of that level: whole hours, minutes within one hour, minutes
// past the hour, two durations in a row, past midnight, to the second.
Probleme tirer(RandomSource& hasard, Niveau n);

// Whether the answer has its seconds.
inline bool avecSecondes(const Probleme& p) { return p.niveau == Niveau::Secondes; }
// What the child's hours, minutes and seconds make, in the problem's unit.
int valeur(const Probleme& p, int heures, int minutes, int secondes);

// "Le film commence à 14 h 35 et dure 1 h 40 min. À quelle heure finit-il ?"
QString enonce(const Probleme& p);
// The answer as the child's spinners write it: "16 h 15", or "1 h 40 min".
QString ecrireReponse(const Probleme& p, int heures, int minutes, int secondes = 0);
QString attendue(const Probleme& p);
// The steps: "14 h 35 + 25 min = 15 h ; 15 h + 1 h 15 min = 16 h 15".
QString etapes(const Probleme& p);

}  // namespace durees
