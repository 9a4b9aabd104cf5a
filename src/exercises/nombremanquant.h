// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// An addition of minutes whose second term is to be found.
namespace nombre_manquant {

struct Question {
    int manquant = 1;  // 1 to 60
    int connu = 1;     // 1 to 150
};

Question tirer(RandomSource& hasard);

// The question on one line, with its sum: "Quel est le nombre manquant ?
// 25 mn + ? mn = 1 h 10 mn".
QString question(const Question& q);
QString enonce();
// The known term: "37 mn +".
QString termeConnu(const Question& q);
// The result in hours and minutes: "= 1 h 17 mn".
QString resultat(const Question& q);
QString reussite();
// The solution, rebuilt from the two captions the question showed.
QString erreur(const QString& termeConnu, int manquant, const QString& resultat);

}  // namespace nombre_manquant
