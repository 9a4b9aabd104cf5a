// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

#include "carte.h"
#include "positionnement.h"

// Levels that follow the child: an activity with levels starts where the
// child's positioning says they stand, goes up after a run of right answers
// and down after repeated mistakes, never below the class's year.
namespace programme {

inline constexpr int serieMontee = 5;    // right answers in a row to go up
inline constexpr int serieDescente = 3;  // wrong answers in a row to go down

// niveaux: the activity's levels as its screen lists them, easiest first.
// The first level whose item belongs to the class's earliest year or a later
// one (every level is allowed when no year is set; the last one when all
// belong to earlier years).
int plancher(const QString& activite, const QStringList& niveaux, const QList<Annee>& anneesClasse);

// Where the child starts: the first level from the floor up whose item is
// not reached yet; the last when all are.
int niveauDepart(const QString& activite, const QStringList& niveaux, const Positionnement& p, int plancher);

// The level in use and its moves, answer after answer.
class NiveauQuiSuit {
public:
    NiveauQuiSuit(int nombre, int plancher, int depart);
    // For a screen's levels (easiest first): from the floor of the class's
    // year, starting where the child's positioning says.
    static NiveauQuiSuit pour(const QString& activite, const QStringList& niveaux, const Positionnement& p,
                              const QList<Annee>& anneesClasse);
    int niveau() const { return niveau_; }
    // One more answer; true when the level moved.
    bool repondre(bool juste);
    // The child chose that level: it is kept, the runs start again.
    void choisir(int niveau);

private:
    int nombre_;
    int plancher_;
    int niveau_;
    int justes_ = 0;
    int erreurs_ = 0;
};

}  // namespace programme
