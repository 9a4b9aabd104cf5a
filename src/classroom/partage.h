// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What goes to the share. Each computer appends its children's answers to
// its own local store first, then copies to the class folder the bytes the
// class copy lacks: only this computer writes its own files there, so
// nothing needs a lock over the network and no answer arrives twice.
namespace classe {

// What one pass of sending left.
struct Envoi {
    bool joignable = false;   // the class folder was there and took what it was given
    qint64 lignesEnvoyees = 0;
    qint64 lignesEnAttente = 0;  // answers of this computer not in the class folder yet
    qint64 lignesRefusees = 0;   // answers that no file of the class would take
    QStringList desaccords;   // class files that are not ours: left alone
};
// Copies this computer's new answers to the class folder (children and the
// unnamed player), makes the class's children known locally (for "Qui joue ?"
// when the folder is out of reach), puts aside locally those the teacher
// removed, and leaves in the class folder a word on what waits. Safe to call
// from several processes of this computer at once.
Envoi synchroniser(const QString& local, const QString& classe, const QString& poste);
// The console line for answers still waiting; empty when none wait.
QString ligneAttente(const Envoi& e, const QString& classe);

// What a computer last said of its sending, in <classe>/postes/<poste>.etat
// (clé=valeur lines, written whole then renamed), for the teacher.
inline constexpr char dossierEtats[] = "postes";
struct EtatPoste {
    QString poste;
    QString hote;           // the computer's host name, as it gives it
    qint64 enAttente = 0;
    qint64 refusees = 0;
    QDateTime quand;        // when it last reached the folder
    friend bool operator==(const EtatPoste&, const EtatPoste&) = default;
};
QByteArray ecrireEtat(const EtatPoste& e);
// Null fields for what is missing or not a number; nothing when no poste.
std::optional<EtatPoste> lireEtat(const QString& texte);
// Every computer's word in the class folder, in the order of their ids.
QList<EtatPoste> etatsPostes(const QString& classe);

}  // namespace classe
