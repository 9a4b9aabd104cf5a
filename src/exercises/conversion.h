// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/calendrier.h"

class RandomSource;

// A number of minutes to write in hours and minutes.
namespace conversion {

struct Question {
    int minutes = 60;  // 60 to 459
    calendrier::HeureMinute attendu() const { return calendrier::heureDepuisParties(0, minutes); }
};

Question tirer(RandomSource& hasard);

bool juste(const Question& q, int heures, int minutes);

// The question on one line, without the instruction.
QString question(const Question& q);
QString enonce(const Question& q);
// Left side of the conversion, before the answer: "135 mn =".
QString membreGauche(const Question& q);
QString reussite();
QString erreur(const Question& q);

}  // namespace conversion
