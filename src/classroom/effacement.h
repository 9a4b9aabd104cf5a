// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// Children erased for real. A removed child's folder (retires/) is deleted
// from the class folder; a record left in <classe>/effaces/ tells every
// computer of the class to erase its own copy of that child (name, answers,
// choices), which each does once, at its next sending, however long it was
// away. A record names the child's random identity (or, for a child of an
// older version without one, their folder's key), never their name.
namespace classe {

inline constexpr char dossierEffaces[] = "effaces";
// In a computer's store: the records already honoured there, one a line.
inline const QString fichierEffacesFaits = QStringLiteral("effaces.faits");

// A child the teacher removed, as their folder in retires/ holds them.
struct Retire {
    QString dossier;  // <racine>/retires/<clé>-<date>
    QString cle;
    QString nom;      // empty when unreadable
    QString id;       // their identity; empty for a child of an older version
    QDateTime quand;  // when they were removed (UTC)
};
// Every removed child of the store or class folder, latest removal first.
QList<Retire> retires(const QString& racine);

// Erases that removed child for good: in a class folder, the record first,
// then every folder of theirs in retires/, the notes of their renames and
// their own week's work. False when the record or a deletion failed (what
// is left is erased by the next try).
bool effacer(const QString& racine, const Retire& r, bool avecTrace);

// This computer's part: every record of the class not honoured yet erases
// the matching children of the local store (in joueurs/ and retires/), and
// is then marked as done. Returns how many children were erased here.
int honorerEffacements(const QString& local, const QString& classe);

}  // namespace classe
