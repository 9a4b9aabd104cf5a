// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What the class folder asks of the operating system, one source file per
// system. Every file of a folder nobody vouches for (a class share, a store
// copied from elsewhere) is opened here: without blocking, and only when it
// is a regular file. A named pipe, a device or a socket given a history's or
// a name's file name would otherwise hold the reader until someone writes
// to it, or take what was meant for the disk.
namespace systeme {

// Whether the path names a regular file (a link to one counts).
bool estRegulier(const QString& chemin);

// What stands at a path, the path itself (a link is not followed): nothing,
// a regular file, or anything else (a folder, a link, a pipe, a device), as
// the system sees it (Windows's own calls do not always tell a pipe from a
// file).
enum class Nature { Rien, Fichier, Autre };
Nature nature(const QString& chemin);

// Up to `max` bytes of the file from byte `depuis` on; nothing when it is
// not a regular file or cannot be read. `taille` receives the file's size.
std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille = nullptr);

// What an append did: the bytes the system took, whatever a sync or a close
// said afterwards, so that none is ever written twice; and whether the disk
// then confirmed them.
struct Ajout {
    qint64 ecrits = 0;
    bool surLeDisque = false;
};
// Appends to a regular file (made when missing; a link is not followed),
// without blocking, in one write where the system allows it, then syncs.
// Nothing is written to a pipe, a device or a socket bearing the name.
Ajout ajouter(const QString& chemin, const QByteArray& octets);

// Gives the file `de` the second name `vers`, never over a file already
// there: false when `vers` exists, or the folder keeps no second names.
bool lier(const QString& de, const QString& vers);

// What this machine's own system says of it and a copy of its disk on
// another machine may not share: the id the system gave it, and the
// hardware addresses of its network cards (one a line, each ending with a
// line feed); empty where the system says nothing.
struct TraitsMachine {
    QByteArray id;
    QByteArray cartes;
};
TraitsMachine traitsMachine();

}  // namespace systeme
