// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts and stars of a training session, from its numbers.
namespace seance {

// "Question 3 sur 10".
QString numero(int rang, int total);
// "Tu as trouvé 7 bonnes réponses sur 10 !", "... 1 bonne réponse ...";
// "Tu n'as trouvé aucune bonne réponse sur 10."
QString resultat(int justes, int total);
// Stars the session earns: 3 from nine in ten, 2 from seven, 1 from five.
int etoiles(int justes, int total);
inline constexpr int etoilesMax = 3;
// "1 réponse juste, 2 réponses fausses", as a screen reader hears the marks.
QString texteMarques(int justes, int fausses);
// "À travailler ensuite : les demies et les quarts." or, when every item is reached,
// "Tout est réussi ! Bravo !"
QString ensuite(const QString& item);
// A new session's identity: "s" and 16 hex digits, drawn by the system.
QString nouvelleIdentite();

}  // namespace seance
