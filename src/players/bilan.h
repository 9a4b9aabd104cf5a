// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "historique.h"

// One activity's right and wrong answers, this week and before.
struct BilanActivite {
    QString activite;  // identifier, "lire_horloge"
    QString titre;     // as a child reads it, "Lire l'horloge"
    int justesSemaine = 0;
    int erreursSemaine = 0;
    int justesAvant = 0;
    int erreursAvant = 0;
    int total() const { return justesSemaine + erreursSemaine + justesAvant + erreursAvant; }
};

struct Bilan {
    // Every known activity in the program's order, then any other found in
    // the history.
    QList<BilanActivite> activites;
    // Up to three activities to work on, the most needed first.
    QStringList aTravailler;
};

// The week starts on Monday at midnight, local time.
QDateTime debutSemaine(const QDateTime& maintenant);

// An answer dated after the end of today by this computer's clock (another
// computer's clock ahead, or this one's behind): kept and counted in every
// total, but in no week (never "this week", never stretching a chart), and
// its date taken as now wherever "the last time" is shown.
bool dansLeFutur(const QDateTime& quand, const QDateTime& maintenant);
// The same moment at its own offset from UTC: an answer's date is compared
// with it without a time-zone lookup (a system call) for every answer.
QDateTime aDecalageFixe(const QDateTime& maintenant);
QDateTime auPlusTard(const QDateTime& quand, const QDateTime& maintenant);

// This week's answers are those from Monday to the end of today; the
// others (before, or dated in the future) are "before".
// An activity is to be worked on when, over this week's answers (or all of
// them when this week has fewer than reponsesMinimum), at least
// reponsesMinimum answers were given and at least a quarter are wrong; the
// highest share of wrong answers comes first.
Bilan faireBilan(const QList<LigneHistorique>& lignes, const QDateTime& maintenant);

inline constexpr int reponsesMinimum = 5;

// The activities' identifiers, in the order of the screens.
const QStringList& activitesConnues();
QString titreActivite(const QString& activite);

// The same as a short text, for screen readers.
QString texteBilan(const Bilan& b);
