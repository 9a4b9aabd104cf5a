// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Game 4: a child born today; how old will it be on a given date?
namespace anniversaire {

// Ages drawn: 3 to 52 years.
constexpr int AnsMin = 3;

// What the answer labels show until their spinner is first moved.
inline const QString AttenteAns = QStringLiteral("?? ans et");

// What the spinners write: "1 an et", "2 ans et".
QString libelleAns(int ans);

// The anniversary: today moved forward by the age, the months carried into
// the years and the day held within the month reached.
QDate dateAnniversaire(const QDate& aujourdhui, int ans, int mois);

QString enonce(const QDate& aujourdhui, const QString& prenom, int ans, int mois);

bool estJuste(int ans, int mois, int ansReponse, int moisReponse);

QString succes();
QString echec(const QString& prenom, int ans, int mois);

}  // namespace anniversaire
