// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

class RandomSource;

// The gearing of a clock set by hand. The time is a count of minutes round
// the dial, 0 to 719, 0 being 12 h 0 mn. Angles are in degrees, clockwise
// from the 12.
namespace aiguilles {

// The identifier its answers are recorded under.
inline const QString activite = QStringLiteral("placer_aiguilles");

constexpr int tour = 12 * 60;  // minutes in a full turn of the hour hand

// The time on the dial, whatever count of minutes (negative too).
int surCadran(int minutes);

// The hour as the dial shows it (1 to 12) and the minutes (0 to 59).
int heure(int minutes);
int minute(int minutes);
int depuis(int heure, int minute);

// "4 h 45 mn", "12 h 5 mn".
QString texte(int minutes);

// The minute hand, and the hour hand as on a real clock: a twelfth of its
// way between two hours for each full turn of the minute hand.
double angleMinutes(int minutes);
double angleHeures(int minutes);

// Shortest way between two directions, 0 to 180.
double ecart(double a, double b);

enum class Aiguille { Minutes, Heures };

// The hand a press in that direction takes: the nearer one, the minute hand
// when both are as near.
Aiguille plusProche(int minutes, double angle);

// The minute hand taken to that direction, by whole minutes, the shorter way
// round: past the 12 clockwise the hour goes on, anticlockwise it goes back.
int tournerMinutes(int minutes, double angle);
// The hour hand taken to that direction: the hour nearest it, the minutes
// kept.
int tournerHeures(int minutes, double angle);

// Turned by so many minutes (keys): the hour carries both ways.
int avancer(int minutes, int pas);

// The levels, from the youngest up.
enum class Niveau { Heures, DemiHeures, QuartsDHeure, CinqMinutes, ToutesLesMinutes };
constexpr std::array<Niveau, 5> niveaux{Niveau::Heures, Niveau::DemiHeures, Niveau::QuartsDHeure,
                                        Niveau::CinqMinutes, Niveau::ToutesLesMinutes};
// Minutes between two times a level may ask.
int pas(Niveau n);
// Its name on screen.
QString nom(Niveau n);
// How it is remembered, and back; an unknown word gives the first level.
QString cle(Niveau n);
Niveau depuisCle(const QString& cle);

// The easiest level that asks that time ("4 h 45 mn": quarters); nothing
// for a text that is not a time of the dial. An answer recorded before
// levels were is placed so: the level may have been a harder one, which
// asks such times too, but never an easier one.
std::optional<Niveau> niveauDuTexte(const QString& texte);

// A time of that level, other than the one the clock shows now.
int tirer(RandomSource& hasard, Niveau n, int affichee);

}  // namespace aiguilles
