// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class RandomSource;

// What the four date games share: the children's first names, the draw of a
// child and an age, and the texts every game writes.
namespace jeuxdates {

// The 52 first names the children of the games are called by, index 0 to 51.
const QStringList& prenoms();

// A child and an age: a first-name index (0 to 51), months 1 to 11 and years
// from ansMin to ansMin + 49.
struct Enfant {
    int prenom = 0;
    int mois = 0;
    int ans = 0;
};

// Reseeds, then draws the name, the months and the years, in that order.
Enfant tirerEnfant(RandomSource& hasard, int ansMin);

// The instruction shown while a question is open.
QString consigne();

// The last line of every verdict: the birthday games, then the conversion.
QString finAnniversaire();
QString finConversion();

// The months of an age, as the spinners write them ("3 mois"), and what
// those labels show until their spinner is first moved.
QString libelleMois(int mois);
inline const QString AttenteMois = QStringLiteral("?? mois");

// "5 Décembre": today's day number and a month name, as the month spinners
// write, the day held within that month of that year ("28 Février" on a
// 31st, "29 Février" in a leap year).
QString jourEtMois(int jour, int mois, int annee);

// " 5 Décembre 2026": a day, a month name and a year, each number with its
// leading blank.
QString dateEcrite(int jour, int mois, int annee);

}  // namespace jeuxdates
