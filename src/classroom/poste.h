// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Who this computer is, and which of its stores serves which class.
//
// A school copies one computer's disk to the others: whatever Klepsos made
// before the copy (its id, its answers) is then on every computer. What a
// copy does not share is the machine itself, so the id ("p" and 16 hex
// digits) is kept per fingerprint of the machine: the store's file "postes"
// maps each fingerprint seen to its id. A copied store on another machine
// gets a new id of its own; a home folder kept on the server and used from
// computer after computer gets back on each the id it had there.
namespace classe {

// What tells this machine from a copy of its disk: the network cards'
// hardware addresses, /etc/machine-id and the host name, hashed (16 hex
// digits). KLEPSOS_EMPREINTE, when set, is taken instead (computers that
// share all of these, such as identical virtual desktops, get one each).
QString empreinteMachine();

// A class folder's own identity ("c" and 16 hex digits in <classe>/identite),
// made once in an existing folder by the first computer that needs it; empty
// when the folder is out of reach.
QString identiteClasse(const QString& classe);

// The local store that serves a class on this computer: <local>/classes/<id>,
// one per class, so that each class sees only its own children and answers.
// The id is remembered per folder path (<local>/classes/chemins), so the
// class folder is read only the first time this computer meets it. An older
// version's store, whose last sending was to this very folder, stays where
// it is (<local> itself); a class first met with its folder away (or not
// answering within a second) gets a store of its path until its id is known.
QString magasinClasse(const QString& local, const QString& classe);

}  // namespace classe

// This computer's id in the store: the one the fingerprint had, else, for a
// store that never knew any fingerprint (an older version's, or a new one),
// its "poste" file's, else a new one. Safe from several processes at once.
QString posteLocal(const QString& dossierLocal, const QString& empreinte = classe::empreinteMachine());
