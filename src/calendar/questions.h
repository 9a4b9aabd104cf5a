// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "common/calendrier.h"

class RandomSource;

// "Le calendrier": the days of the week and the months, a month's page of
// the real calendar, the relations between days, weeks, months and years,
// and the centuries. Every date is Qt's Gregorian calendar's (QDate); every
// explanation is built from what it computes.
namespace cal {

using calendrier::date;
using calendrier::dateComplete;
using calendrier::nomJour;
using calendrier::nomMois;

// How the child answers: a choice among words, or a day pressed on the
// month's page.
enum class Forme { Choix, Jour };

struct Question {
    QString enonce{};
    Forme forme = Forme::Choix;
    QStringList choix{};
    QDate page{};      // the first day of the month shown; invalid: none
    int attendue = 0;  // the right choice's index, or the right day of the month
    // Why, in words that teach: a sentence in lower case, no colon, after
    // "Bravo !" or "Erreur :".
    QString pourquoi{};
    // Forme::Jour: the day asked, in words ("le premier mardi de mars 2027").
    QString jourCherche{};
};
// The statement on paper, where a day is circled, not pressed.
QString enonceSurPapier(const Question& q);
// The answer as the history keeps it: the choice's words, or "14 avril 2027".
QString ecrire(const Question& q, int valeur);
bool juste(const Question& q, int valeur);
// "Bravo ! …" or "Erreur : …".
QString verdict(const Question& q, int valeur);

// A section's level: how it is remembered, and its name on screen.
struct Niveau {
    const char* cle;
    const char* nom;
};
extern const QList<Niveau> niveauxJours;     // "Les jours et les mois"
extern const QList<Niveau> niveauxPage;      // "Lire un calendrier"
extern const QList<Niveau> niveauxUnites;    // "Jours, semaines, mois, années"
extern const QList<Niveau> niveauxSiecles;   // "Siècles et millénaires"

Question jours(RandomSource& hasard, int niveau, QDate aujourdhui);
// A question on the page of the month whose first day is `mois`.
Question page(RandomSource& hasard, int niveau, QDate mois);
Question unites(RandomSource& hasard, int niveau);
Question siecles(RandomSource& hasard, int niveau);

// The month of a page after the first (today's): another month within three
// years before or after, a leap February now and then.
QDate autreMois(RandomSource& hasard, QDate aujourdhui);

int siecleDe(int annee);
int millenaireDe(int annee);

}  // namespace cal
