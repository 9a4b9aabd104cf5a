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

// "4 h 45", "12 h 05", "8 h".
QString texte(int minutes);
// "4 h 45 min 30 s".
QString texteSecondes(int minutes, int secondes);

// The minute hand, and the hour hand as on a real clock: a twelfth of its
// way between two hours for each full turn of the minute hand.
double angleMinutes(int minutes);
double angleHeures(int minutes);
// The seconds hand; the minute hand moved on a sixtieth of a minute's
// division for each second.
double angleSecondes(int secondes);
double angleMinutes(int minutes, int secondes);
// The hour hand moved on by the seconds too (half a degree a minute).
double angleHeures(int minutes, int secondes);

// Shortest way between two directions, 0 to 180.
double ecart(double a, double b);

enum class Aiguille { Minutes, Heures, Secondes };

// The hand a press in that direction takes: the nearer one, the minute hand
// when both are as near. With seconds, their hand when it is the nearest.
Aiguille plusProche(int minutes, double angle);
Aiguille plusProche(int minutes, int secondes, double angle);

// The minute hand taken to that direction, by whole minutes, the shorter way
// round: past the 12 clockwise the hour goes on, anticlockwise it goes back.
int tournerMinutes(int minutes, double angle);
// The hour hand taken to that direction: the hour nearest it, the minutes
// kept.
int tournerHeures(int minutes, double angle);

// Turned by so many minutes (keys): the hour carries both ways.
int avancer(int minutes, int pas);

// A time with its seconds: seconds round the dial, 0 to 43199.
constexpr int tourSecondes = tour * 60;
// The seconds hand taken to that direction, by whole seconds, the shorter
// way round: past the 12 the minutes go on or back.
int tournerSecondes(int secondesDuCadran, double angle);
// Turned by so many seconds (keys): the minutes carry both ways.
int avancerSecondes(int secondesDuCadran, int pas);

// The time the hands swapped say: the hour read off the minute hand, the
// minutes off the hour hand (3 h 45 gives 9 h 15).
int inverser(int minutes);
// Whether a child's time is the right one with the hands swapped. Past the
// half hour the hour hand is nearer the next number, which may be read too
// (3 h 45: 9 h 15 or 9 h 20). A time that is its own swap is no mistake.
bool aiguillesInversees(int donnee, int attendue);
// What the explanation of such a mistake adds.
QString phraseInversion();

// The levels, from the youngest up.
// The afternoon's: a time from 13 h to 23 h 55 to set on the dial;
// with the seconds: any minute, and seconds by fives.
enum class Niveau { Heures, DemiHeures, QuartsDHeure, CinqMinutes, ToutesLesMinutes, ApresMidi, AvecSecondes };
constexpr std::array<Niveau, 7> niveaux{Niveau::Heures,      Niveau::DemiHeures,       Niveau::QuartsDHeure,
                                        Niveau::CinqMinutes, Niveau::ToutesLesMinutes, Niveau::ApresMidi,
                                        Niveau::AvecSecondes};
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
// The seconds a question with seconds asks: 0 to 55, by fives.
int tirerSecondes(RandomSource& hasard);

}  // namespace aiguilles
