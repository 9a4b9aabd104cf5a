// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "players/historique.h"
#include "resume.h"

// Where the teacher's view and the report read: the class folder (empty
// when there is none: the children of this computer), this computer's own
// store and its name.
struct Lieux {
    QString classe;
    QString local;
    QString poste;
    // The folder holding the children's list.
    QString racine() const { return classe.isEmpty() ? local : classe; }
};

// The class's counts, kept up to date by reading only what the history
// files gained since the last look (a network share tells no one when a
// file grows: the files' sizes are looked at again).
class SuiviClasse {
public:
    explicit SuiviClasse(Lieux lieux);

    // Reads the new answers; true when the summary changed.
    bool actualiser();
    const ResumeClasse& resume() const { return resume_; }
    const Lieux& lieux() const { return lieux_; }

private:
    struct Fichier {
        qint64 lu = 0;  // bytes read, up to the end of the last whole line
    };
    struct Suivi {
        ResumeEnfant resume;
        QHash<QString, Fichier> fichiers;
        QSet<quint64> vues;  // answers counted, each once whatever file holds it
    };
    // Reads a child's files from where it stopped, counting the lines read
    // past into ignorees; false when nothing new. Touches nothing else: the
    // children are read side by side.
    bool lire(Suivi& s, int& ignorees) const;

    Lieux lieux_;
    QHash<QString, Suivi> suivis_;  // by key
    ResumeClasse resume_;
    int ignoresListe_ = 0;   // folders of the list that are not children
    int ignoresLignes_ = 0;  // damaged or foreign lines read past
};

// A child's page: their weeks, their mistakes (latest first) and what to
// work on.
struct DetailEnfant {
    QList<Semaine> semaines;
    QHash<QString, Compte> activites;
    QList<LigneHistorique> erreurs;
    QStringList aTravailler;  // activity identifiers
    int ignorees = 0;
    QList<programme::Annee> annees;  // their own year; none: the class's
};
DetailEnfant detailEnfant(const Lieux& lieux, const QString& cle);

// What the computers said of their sendings that the teacher should know
// (answers waiting or refused), a line each; empty when all is well.
QString texteEtatsPostes(const QList<classe::EtatPoste>& postes);

// True without a class folder or when it answers; else false with a French
// message: out of reach (not mounted, empty, gone) or not answering.
bool classeJoignable(const Lieux& lieux, QString* erreur);

// Every answer of the class, named or not (of this computer without a class folder), as
// the history's CSV. False, with a French message, when it cannot be written.
bool exporterClasse(const Lieux& lieux, const QString& fichier, QString* erreur);

// Each child on each item of the class's year(s): child, year, item, level,
// answers counted, right ones; as CSV in the same conventions.
QList<QStringList> lignesPositionnement(const ResumeClasse& r);
bool exporterPositionnement(const ResumeClasse& r, const QString& fichier, QString* erreur);
