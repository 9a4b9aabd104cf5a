// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The hours of a day as a French child writes and says them. A time of the
// day is a count of minutes since midnight, 0 to 1439.
namespace journee {

constexpr int jour = 24 * 60;
constexpr int midi = 12 * 60;

// Any count of minutes taken into one day.
int dansLaJournee(int minutes);

// As a digital clock is written: "15 h 45", "14 h 05", "0 h 30", "15 h".
QString numerique(int t);

// A time read on a dial, 1 to 12 h: "12 h 30", "4 h 05", "8 h".
QString surCadran(int t);
// With its seconds, as a time to the second is written: "4 h 45 min 30 s".
QString avecSecondes(int t, int secondes);
// A duration with its units: "1 h 5 min", "45 min", "2 h", "0 min".
QString duree(int minutes);
// A duration to the second: "1 h 2 min 5 s", "45 s", "3 min" (the units
// that are not nought).
QString dureeSecondes(int secondes);
// What an answer's arrows write: "3 h"; the minutes of a time "05", of a
// duration "25 min".
QString libelleHeures(int h);
QString libelleMinutes(bool duree, int m);

// The hour named, 0 to 23 (0 and 24 are minuit): "3 heures", "1 heure", "midi".
QString nomHeure(int h);

// The French words of a five-minute time, the hour in figures: "3 heures",
// "1 heure", "3 heures cinq", "3 heures et quart", "3 heures et demie",
// "4 heures moins vingt", "4 heures moins le quart", "midi", "minuit",
// "midi et demi", "minuit moins le quart". Other minutes are taken down to
// the five minutes before.
QString enMots(int t);
// A number 0 to 59 in letters, as the school writes it since 1990 (hyphens
// everywhere): "zéro", "vingt-et-un" (or "vingt-et-une" for an hour or a
// minute), "quarante-cinq".
QString enLettres(int n, bool feminin = true);
// The words of a dial's time, all in letters: "quatre heures moins le
// quart", "midi et demi", "trois heures trente-sept" (minutes not a
// multiple of five said as they are).
QString enToutesLettres(int t);
// The time of a 24-hour digital clock said in letters: "seize heures
// quarante-cinq", "zéro heure trente", "douze heures".
QString numeriqueEnLettres(int t);

// The time those words say, in the morning (0 to 719, as on a dial);
// nothing for words that are no time.
std::optional<int> depuisMots(const QString& mots);

}  // namespace journee
