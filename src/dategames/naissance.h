// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Game 1: today's date and a child's age are given; find the month and the
// year of the birth.
namespace naissance {

// Ages drawn: 1 to 50 years.
constexpr int AnsMin = 1;

// "Aujourd'hui 5 Décembre 2026", then the age, then the start of the answer.
QString enonce(const QDate& aujourdhui, const QString& prenom, int ans, int mois);

// The birth date: today moved back by the age, the months counted as a
// child counts them and the day held within the month reached.
QDate dateNaissance(const QDate& aujourdhui, int ans, int mois);

// The month and year set on the spinners against the birth date; the day is
// not asked.
bool estJuste(const QDate& naissance, int moisReponse, int anReponse);

QString succes();
// The solution, written with the birth date's day.
QString echec(const QString& prenom, const QDate& naissance);

}  // namespace naissance
