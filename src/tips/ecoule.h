// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The time elapsed from midnight of a chosen date to now, in eight units:
// 0 years, 1 quarters, 2 months, 3 weeks, 4 days, 5 hours, 6 minutes,
// 7 seconds. Seconds since the year 100 pass 6e10, hence 64 bits.
namespace ecoule {

constexpr int NbUnites = 8;
enum Indice { Annees, Trimestres, Mois, Semaines, Jours, Heures, Minutes, Secondes };

// One count from the start (a date at 0 h 00) to now. Years, quarters and
// months count the calendar boundaries crossed, days the midnights crossed;
// hours, minutes and seconds add the time of day to the days.
qint64 compte(int indice, const QDateTime& depart, const QDateTime& maintenant);

// The unit names in the singular ("année" ... "secondes": the last one is
// always written in the plural).
QStringList unitesSingulier();

// Whether the unit of that index takes an "s" after a count above 1 ("mois"
// and "secondes" never change).
bool prendPluriel(int indice);

// One result line: " 36 années".
QString ligne(qint64 compte, const QString& unite);

// The instructions of date entry.
QString consigne();

// The warning for a date still to come, and the heading of the results.
// jour, mois, an are the captions of the three date labels.
QString avertissementFutur(const QString& jour, const QString& mois, const QString& an);
QString entete(const QString& jour, const QString& mois, const QString& an);

}  // namespace ecoule
