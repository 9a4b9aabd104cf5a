// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include "programme/carte.h"

// Who a child is. A child's folder is the key of their name (so that every
// computer finds "Léa" in one place), but the child is more than the letters
// of the name: a random identity ("e" and 16 hex digits, the folder's file
// "identite") is made with the child. A rename keeps it, so answers given
// under the old name on any computer follow the child; a namesake added after
// a removal has another one, so last year's Léa's answers never reach this
// year's.
namespace classe {

inline const QString fichierIdentite = QStringLiteral("identite");
inline constexpr char dossierRenommes[] = "renommes";
inline constexpr char dossierRetires[] = "retires";

// The identity in a child's folder; empty for a child made by an older
// version, or a file that is not one.
QString identiteEnfant(const QString& dossier, const QString& racine);
bool ecrireIdentite(const QString& dossier, const QString& id);
// The key a child known as cle (with that identity, empty for a child of an
// older version) has now in <racine>/joueurs; empty when none (a folder put
// aside does not count).
QString cleActuelle(const QString& racine, const QString& cle, const QString& id);
// Where a child renamed in that store went: the key in its note
// (renommes/<cle>), following a child renamed again, as long as the folder
// is there; empty when none.
QString nouvelleCle(const QString& racine, QString cle);

// A child's own year, which may differ from the class's ("annee" in their
// folder, "CE2", as the class's setting writes it); none: the class's.
inline const QString fichierAnneeEnfant = QStringLiteral("annee");
QList<programme::Annee> anneeEnfant(const QString& dossier, const QString& racine);
// None removes it: the child follows the class's year again.
bool ecrireAnneeEnfant(const QString& dossier, const QList<programme::Annee>& annees);

// The class list, as the teacher manages it.
enum class Resultat {
    Fait,
    NomRefuse,   // not a valid first name
    DejaLa,      // another child has that name (letter case aside)
    Inconnu,     // no such child
    Echec,       // the folder refused
};
Resultat ajouter(const QString& classe, const QString& nom);
// The child's folder takes the new name's key, identity and answers
// included; a note in <classe>/renommes/ tells the computers where their
// answers for the old key now go.
Resultat renommer(const QString& classe, const QString& cle, const QString& nouveauNom);
// Moves the child's folder to <classe>/retires/, never deleting it.
Resultat retirer(const QString& classe, const QString& cle);
// Moves a child's folder into <racine>/retires/<cle>-<date>, never over another.
bool mettreDeCote(const QString& racine, const QString& cle);

// What the class folder says of a child this computer knows, before its
// answers are sent.
struct Rapprochement {
    enum class Sort {
        Envoyer,    // the class's child is this one (under cle, renamed maybe)
        MisDeCote,  // removed by the teacher: put aside here too, never sent
        Desaccord,  // the class's folder of that key is not a folder of ours
    };
    Sort sort = Sort::Envoyer;
    QString cle;
};
// Follows the child's renames (the local folder moves with them), recognises
// a removal (by the identity, or for an older child, by where this
// computer's answers went), makes the class's folder for a child first named
// here, and agrees on one identity with the class's.
Rapprochement rapprocher(const QString& local, const QString& classe, const QString& poste, const QString& cle);

}  // namespace classe
