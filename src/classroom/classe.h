// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "codeenseignant.h"
#include "common/nomjoueur.h"
#include "reglagesclasse.h"
#include "travail.h"

class QSettings;

// A class folder on a school's file server, shared by every computer of the
// class: its layout, and the rules for trusting what another computer, an
// older version or a person put there. Who this computer is lives in
// poste.h, who a child is in enfant.h, what goes to the share in partage.h.
namespace classe {

inline const QString dossierJoueurs = QStringLiteral("joueurs");
inline const QString dossierAnonyme = QStringLiteral("anonyme");
inline const QString fichierNom = QStringLiteral("nom");
// The class's own identity, "c" and 16 hex digits, made once in its folder.
inline const QString fichierIdentiteClasse = QStringLiteral("identite");
// A name, settings, an identity: a few hundred bytes at most.
inline constexpr qint64 maxTexteCourt = 64 * 1024;
// Years of a child's answers take a few megabytes: a larger history (a
// foreign or damaged file) is read up to here, and a class file that large
// is no history.
inline constexpr qint64 tailleMaxHistorique = 64LL * 1024 * 1024;

// Folder and file names the program itself makes: a child's folder is "j" and
// 16 hex digits, a computer's history "p" and 16 hex digits and ".hist".
bool cleValide(const QString& nom);
bool posteValide(const QString& nom);
// "<initiale>" and 16 lower-case hex digits.
bool idValide(const QString& nom, QChar initiale);
// A new such id, from the system's random source.
QString nouvelId(QChar initiale);
// The history file a computer keeps for a child: "<poste>.hist".
QString nomFichierHistorique(const QString& poste);
// <racine>/joueurs/<cle>
QString dossierEnfant(const QString& racine, const QString& cle);

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
// A small file written whole, then renamed over the old one.
bool ecrireEntier(const QString& chemin, const QByteArray& octets);

// The child's name in their folder, when it is a name whose key is the
// folder's own; empty otherwise.
QString nomDansLeDossier(const QString& dossier, const QString& racine);

struct ListeEnfants {
    QList<Joueur> enfants;  // sorted by name
    int ignores = 0;        // folders or names that were not ours, or broken
};
// The children of a store (local or class): <racine>/joueurs/<cle>/nom, the
// folder's name being the name's key, as DepotJoueurs lists them, but
// counting what is skipped and following no link out of the folder.
ListeEnfants enfants(const QString& racine);

// Every history file of a child in class mode: every computer's copy in the
// class folder, and this computer's own from the local store (which holds at
// least what the class has of it). A copy may hold what another file holds
// too (a cloned computer's answers sent again under a new name): readers
// count each answer once. Without a class folder, the local one.
QStringList fichiersHistorique(const QString& classe, const QString& local, const QString& poste,
                               const QString& cle);

// The same for the answers given with no name.
QStringList fichiersAnonymes(const QString& classe, const QString& local, const QString& poste);

// <classe>/reglages; the defaults when absent or unreadable.
Reglages reglagesClasse(const QString& classe);
bool enregistrerReglages(const QString& classe, const Reglages& r);
// What this computer follows: the class's settings, or the copy kept from
// the last time the folder was in reach (or could not be read).
Reglages reglagesSuivis(const QString& classe, const QString& local);
// The copy kept from the last time the folder was in reach.
Reglages reglagesGardes(const QString& local);
// Where that copy is kept in the local store.
inline const QString copieReglages = QStringLiteral("classe.reglages");

// The class folder itself, not an empty mount point or a stranger's folder
// in its place: it holds a class's identity, the very one this computer's
// store of the class is named for (any, for a store named before the
// identity was known).
bool classeEnPlace(const QString& classe, const QString& local);

// <classe>/travail as the class has it: none given when the file is absent;
// nothing when the folder is not in place or the file cannot be read, which
// must never read as "no work given".
std::optional<Travail> travailClasse(const QString& classe, const QString& local);
// The teacher's change made to the work the class has now, read again just
// before (another teacher may have saved since), then written whole; the
// work written, or nothing when it could not be read or written.
std::optional<Travail> changerTravail(const QString& classe, const QString& local, const ChangementTravail& c);
// What this computer follows: the class's, or the copy kept from the last
// time the folder was in reach.
Travail travailSuivi(const QString& classe, const QString& local);
Travail travailGarde(const QString& local);

// The teacher's space's code: the class's (its folder in place), else the
// copy kept on this computer; without a class, the store's own. The copy
// follows the class, and goes when the class has none.
CodeConnu codeSuivi(const QString& classe, const QString& local);
CodeConnu codeGarde(const QString& local);
// Written whole then renamed, where codeSuivi reads it, and kept here.
bool enregistrerCode(const QString& classe, const QString& local, const QString& code);

}  // namespace classe

#include "enfant.h"
#include "partage.h"
#include "poste.h"
