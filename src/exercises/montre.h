// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/calendrier.h"

class RandomSource;

// A watch that is fast or slow: what time is it really?
namespace montre {

enum Sens { Avance = 0, Retarde = 1 };

struct Question {
    int heure = 1;     // shown, 1 to 12
    int minutes = 1;   // shown, 1 to 59
    Sens sens = Avance;
    int decalage = 1;  // minutes fast or slow, 1 to 59
};

Question tirer(RandomSource& hasard);

// The real time: the shown time less the offset (fast) or plus it (slow),
// counted 0 to 23 h, so 1 h 5 fast by 10 is 0 h 55 and 12 h 55 slow by 10 is
// 13 h 5.
calendrier::HeureMinute heureReelle(const Question& q);

// The hour to set on the 1-to-12 spinner for that real time: 0 is set as 12
// and 13 as 1, so that every question can be answered.
int heureSurCadran(int heure);

bool juste(const Question& q, int heure, int minutes);

// The question on one line, without the instruction.
QString question(const Question& q);
QString enonce(const Question& q);
// "Bravo !" or "Erreur !", then the solution, always.
QString verdict(const Question& q, bool juste);

}  // namespace montre
