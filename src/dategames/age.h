// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Game 3: a child born today; on what date will it reach a given age?
namespace age {

// Ages drawn: 3 to 52 years.
constexpr int AnsMin = 3;

// The highest year the year spinner offers: far enough for every right
// answer (at most 52 years and 11 months ahead), and never below 2100.
int anneeMaximum(int anneeCourante);

QString enonce(const QString& prenom, int ans, int mois);

// The birthday: today moved forward by the age, the months counted as a
// child counts them and the day held within the month reached.
QDate dateFete(const QDate& aujourdhui, int ans, int mois);

// The month and year set on the spinners against the birthday; the day is
// not asked.
bool estJuste(const QDate& fete, int moisReponse, int anReponse);

QString succes();
// The solution, written with the birthday's day.
QString echec(const QString& prenom, const QDate& fete);

}  // namespace age
