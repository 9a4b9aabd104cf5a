// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "depot.h"
#include "reglagesclasse.h"

class QSettings;

// A class folder on a school's file server, shared by every computer of the
// class. Each computer appends its children's answers to its own local store
// first, then copies to the class folder the bytes the class copy lacks: only
// this computer writes its own files there, so nothing needs a lock over the
// network and no answer arrives twice.
namespace classe {

// Folder and file names the program itself makes: a child's folder is "j" and
// 16 hex digits, a computer's history "p" and 16 hex digits and ".hist".
bool cleValide(const QString& nom);
bool posteValide(const QString& nom);
// The history file a computer keeps for a child: "<poste>.hist".
QString nomFichierHistorique(const QString& poste);

// The class folder for this run: the command line's, else the setting
// "classe" (the user's own file, else the system-wide one); empty for none.
QString dossierClasse(const std::optional<QString>& option, const QSettings& reglages);

// A file read from a folder nobody vouches for: a real file (or a link that
// stays inside racine), below max bytes. Anything else is skipped.
bool fichierSur(const QString& chemin, const QString& racine, qint64 max);
// The same for a folder.
bool dossierSur(const QString& chemin, const QString& racine);
// A short text file read that way (a name, settings); null when refused.
QString lireTexteCourt(const QString& chemin, const QString& racine);

struct ListeEnfants {
    QList<Joueur> enfants;  // sorted by name
    int ignores = 0;        // folders or names that were not ours, or broken
};
// The children of a store (local or class): <racine>/joueurs/<cle>/nom, the
// folder's name being the name's key, as DepotJoueurs lists them, but
// counting what is skipped and following no link out of the folder.
ListeEnfants enfants(const QString& racine);

// Every history file of a child in class mode: the class's copies from the
// other computers, and this computer's own from the local store (which holds
// at least what the class has of it). Without a class folder, the local ones.
QStringList fichiersHistorique(const QString& classe, const QString& local, const QString& poste,
                               const QString& cle);

// The same for the answers given with no name.
QStringList fichiersAnonymes(const QString& classe, const QString& local, const QString& poste);

// What one pass of sending left.
struct Envoi {
    bool joignable = false;   // the class folder was there and took what it was given
    qint64 lignesEnvoyees = 0;
    qint64 lignesEnAttente = 0;  // answers of this computer not in the class folder yet
    QStringList desaccords;   // class copies that are not a beginning of ours: left alone
};
// Copies this computer's new answers to the class folder (children and the
// unnamed player), makes the class's children known locally (for "Qui joue ?"
// when the folder is out of reach) and puts aside locally those the teacher
// removed. Safe to call from several processes of this computer at once.
Envoi synchroniser(const QString& local, const QString& classe, const QString& poste);
// The console line for answers still waiting; empty when none wait.
QString ligneAttente(const Envoi& e, const QString& classe);

// The class list, as the teacher manages it.
enum class Resultat {
    Fait,
    NomRefuse,   // not a valid first name
    DejaLa,      // another child has that name (letter case aside)
    Inconnu,     // no such child
    Echec,       // the folder refused
};
Resultat ajouter(const QString& classe, const QString& nom);
// The child's folder takes the new name's key; a note in <classe>/renommes/
// tells the computers where their answers for the old key now go.
Resultat renommer(const QString& classe, const QString& cle, const QString& nouveauNom);
inline constexpr char dossierRenommes[] = "renommes";
// Moves the child's folder to <classe>/retires/, never deleting it.
Resultat retirer(const QString& classe, const QString& cle);
// The folder of removed children.
inline constexpr char dossierRetires[] = "retires";

// <classe>/reglages; the defaults when absent or unreadable.
Reglages reglagesClasse(const QString& classe);
bool enregistrerReglages(const QString& classe, const Reglages& r);
// What this computer follows: the class's settings, or the copy kept from
// the last time the folder was in reach.
Reglages reglagesSuivis(const QString& classe, const QString& local);
// The copy kept from the last time the folder was in reach.
Reglages reglagesGardes(const QString& local);

}  // namespace classe
