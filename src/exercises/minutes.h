// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// How many minutes in a few hours and minutes.
namespace minutes {

struct Question {
    int heures = 1;   // 1 to 6
    int minutes = 1;  // 1 to 59
    int attendu() const { return heures * 60 + minutes; }
};

// A new duration, never a whole number of hours.
Question tirer(RandomSource& hasard);

// The question on one line: "Combien de minutes dans 3 h 25 mn ?".
QString question(const Question& q);
QString enonce(const Question& q);
// Left side of the equation, before the answer: "3 h 25 mn =".
QString membreGauche(const Question& q);
QString reussite();
// The whole equation written in place of the answer once it is found.
QString equation(const Question& q, int reponse);
QString erreur(const Question& q);

}  // namespace minutes
