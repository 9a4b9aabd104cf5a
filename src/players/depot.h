// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "common/nomjoueur.h"
#include "historique.h"

// The children and their histories under one folder (this computer's data
// folder, or a class folder shared by several computers):
//   joueurs/<cle>/nom            the first name, UTF-8
//   joueurs/<cle>/<poste>.hist   that child's answers given on one computer
//   joueurs/<cle>/preferences    that child's choices
//   anonyme/<poste>.hist         answers given with no child named
// Every computer appends to its own files only, so no two writers share a
// file over the network.
class DepotJoueurs {
public:
    DepotJoueurs(const QString& racine, const QString& poste);

    const QString& racine() const { return racine_; }
    // A class folder whose copies of the children's histories are read too
    // (this computer's own from here, which holds at least as much).
    void suivreClasse(const QString& classe) { classe_ = classe; }
    const QString& classe() const { return classe_; }
    const QString& poste() const { return poste_; }

    // Every child with a readable name, in alphabetical order.
    QList<Joueur> joueurs() const;
    // The child of that name, letter case aside.
    std::optional<Joueur> trouver(const QString& nom) const;
    // That child, created when new (a name already checked by
    // nomJoueurValide). Nothing when the folder cannot be written.
    std::optional<Joueur> creer(const QString& nom) const;

    QString dossierJoueur(const QString& cle) const;
    // This computer's history file for that child, and for no child.
    QString historiqueJoueur(const QString& cle) const;
    QString historiqueAnonyme() const;
    QString fichierPreferences(const QString& cle) const;

    // Every answer of that child, from every computer, oldest first.
    LectureHistorique lireJoueur(const QString& cle) const;
    // The same in two parts: what this computer's store holds, read at once,
    // and what the class folder adds (the other computers' answers, none
    // without a class), to be read off the screen's thread.
    LectureHistorique lireJoueurIci(const QString& cle) const;
    // entreDeuxLectures runs between the class's read and this computer's
    // (tests: a sending at the worst moment).
    LectureHistorique lireJoueurAilleurs(const QString& cle, const std::function<void()>& entreDeuxLectures = {}) const;

private:
    QString racine_;
    QString poste_;
    QString classe_;
};

// Every answer kept under a store folder, every child and none, oldest first.
LectureHistorique lireDepot(const QString& racine);
// The history files of a store folder: those of no child, then each child's.
QList<QStringList> historiquesDuDepot(const QString& racine);

// Several history files read as one, oldest answer first, each answer once
// even when it sits in two files (a class copy and a clone's relay copy).
LectureHistorique lireHistoriques(const QStringList& chemins);
// Oldest answer first, answers of one instant in the order given.
void trierParDate(QList<LigneHistorique>& lignes);
// What tells one answer from another, the same in every copy of its line.
quint64 identiteReponse(const LigneHistorique& l);
