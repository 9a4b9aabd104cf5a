// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "carte.h"
#include "positionnement.h"

// What a short training session asks: the week's work first, then what the
// child has not reached yet in their year, and a few reached items brought
// back after a while, never two questions of one kind in a row.
namespace programme {

inline constexpr int questionsParSeance = 10;
// Reached items that come back in a session: fewer when the teacher gave work.
inline constexpr int revisionsSansTravail = 3;
inline constexpr int revisionsAvecTravail = 2;
// Questions an item of the week's work or not reached yet gets on the first
// pass; more only when the session has room left.
inline constexpr int questionsParItem = 2;
// Right answers, in percent of an item's latest, from which the harder level
// of that item is asked: it keeps the child near three in four.
inline constexpr int seuilNiveauPlusDur = 75;
// No activity asks more than this share of a session (percent), so that
// kinds can alternate and the week's work still comes first.
inline constexpr int partMaxGenre = 40;
// The year a child without a class year works on.
inline constexpr Annee anneeParDefaut = Annee::CE1;

// A kind of question the session can ask: an activity and its levels,
// easiest first (none for an activity without levels).
struct GenreServi {
    QString activite;
    QStringList niveaux;
};

struct QuestionPrevue {
    QString activite;
    QString niveau;  // one of its genre's levels; empty for none
    int item;
    friend bool operator==(const QuestionPrevue&, const QuestionPrevue&) = default;
};

struct DemandeSeance {
    QList<Annee> annees;        // the child's class year(s); none: anneeParDefaut
    QList<int> travail;         // the items of the week's work, in the teacher's order
    QList<GenreServi> genres;   // what the session can ask
    int questions = questionsParSeance;
};

QList<QuestionPrevue> planifier(const Positionnement& p, const DemandeSeance& d);

// "Travail donné par ton enseignant : Demies et quarts, Les durées." from the
// items' identifiers (unknown ones left out); empty for none.
QString texteTravail(const QStringList& items);
// The items' short names, in a child's words ("Demies et quarts").
QStringList nomsCourts(const QStringList& items);

// The items the session works on for that child: their year's, with the
// default year when none.
QList<int> itemsDeLAnnee(const QList<Annee>& annees);

}  // namespace programme
