// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QStringList>

#include "common/texte.h"

// Easter Sunday of a year, by the Gregorian computus in 16-bit arithmetic
// (proleptic before 1583). Years 100 to 2200 are the ones the screen offers.
QDate DatePaques(const qint16& annee);

namespace paques {

// Easter Sunday, Easter Monday, Ascension and Whit Monday: days after Easter
// and the words written before each date.
struct Fete {
    int joursApresPaques;
    const char* prefixe;
};
inline constexpr Fete fetes[] = {
    {0, "Pâques --> "},
    {1, "Lundi de Pâques --> "},
    {39, "Ascension --> "},
    {50, "Lundi de Pentecôte --> "},
};

// The four captions for that year, e.g. "Pâques --> Dimanche 5 avril 2026".
QStringList legendes(qint16 annee, const QLocale& locale = texte::localeAffichage());

}  // namespace paques
