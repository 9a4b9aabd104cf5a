// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QPointF>
#include <QString>
#include <array>

// Calendar arithmetic and names shared by the exercises, the tips, the date
// games and the calendar.
namespace calendrier {

// A date from a year, a month and a day that may lie outside their ranges:
// month 0 is December of the year before, 13 January of the year after, and a
// day past the end of its month runs on into the next (31 April is 1 May;
// day 0 is the last day of the month before).
QDate dateDepuisParties(int annee, int mois, int jour);

// A day number carried into another month as QDate::addMonths carries it:
// held to that month's last day when the month is shorter (31 gives 30 in
// April, 28 or 29 in February). The month may lie outside 1..12, as above.
int jourDansLeMois(int annee, int mois, int jour);

// A time of day from an hour and a minute count outside 0..59: minutes below
// 0 borrow from the hour, 60 or more carry into it; the hour wraps within
// 0..23 (24 h 00 is 0 h 00, -1 h is 23 h).
struct HeureMinute {
    int heure = 0;
    int minute = 0;
    friend bool operator==(const HeureMinute&, const HeureMinute&) = default;
};
HeureMinute heureDepuisParties(int heure, int minute);

// End of a clock hand: angle in degrees from the x axis, y growing
// downwards, so 270 points up. Every clock of the program draws with it.
QPointF finAiguille(QPointF centre, double angleDegres, double longueur);

// Angles of a minute hand and an hour hand, 0 pointing up, clockwise. Not
// reduced modulo 360, which changes nothing for the hand's end.
inline double angleMinutes(int minutes) { return (minutes + 45) * 6.0; }
inline double angleHeures(int heures) { return (heures + 45) * 30.0; }

// Where an hour hand stands between two hours: on the hour's mark whatever
// the minutes, or moved on half a degree a minute as on a real clock.
enum class AiguilleHeures { SurLHeure, Reelle };
inline double angleHeures(int heures, int minutes, AiguilleHeures mode)
{
    return angleHeures(heures) + (mode == AiguilleHeures::Reelle ? minutes * 0.5 : 0);
}

// The page of a month, French layout: weeks from Monday to Sunday, the
// first row holding the 1st; 6 rows of 7 dates, those of the months around
// it included. How many rows the month itself fills (4 to 6).
std::array<QDate, 42> pageMois(QDate premier);
int semaines(QDate premier);

// Lower-case French names: "mercredi" (Monday is 1), "avril".
QString nomJour(int jourSemaine);
QString nomMois(int mois);
// "14 avril 2027", "1er mars"; with the weekday, "mercredi 14 avril 2027".
QString date(QDate d, bool annee = true);
QString dateComplete(QDate d);

}  // namespace calendrier
