// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// Is a duration smaller than, greater than or equal to a sum of minutes?
namespace comparaison {

enum class Choix { PlusPetit, PlusGrand, Egal };

struct Question {
    int heures = 2;   // 2 to 13
    int minutes = 2;  // 2 to 60: 60 can be drawn and stays written so
    int terme1 = 1;   // 1 to 500
    int terme2 = 1;   // 1 to 500
    int duree() const { return heures * 60 + minutes; }
    int somme() const { return terme1 + terme2; }
};

Question tirer(RandomSource& hasard);

// How the duration stands against the sum.
Choix relation(const Question& q);

QString enonce(const Question& q);
// The verdict for the label chosen, with the sum in hours and minutes.
QString verdict(const Question& q, Choix choix);

}  // namespace comparaison
