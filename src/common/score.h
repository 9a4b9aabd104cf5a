// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A counter stored with its type, as in the score file: code 0 is empty
// (counts as 0), code 2 a 16-bit integer, code 3 a 32-bit integer. A 16-bit
// counter widens to 32 bits when it outgrows 16 and then stays wide.
struct ValeurTypee {
    static constexpr quint16 Vide = 0;
    static constexpr quint16 Entier16 = 2;
    static constexpr quint16 Entier32 = 3;

    quint16 code = Vide;
    qint32 valeur = 0;

    static ValeurTypee entier16(qint16 v) { return {Entier16, v}; }
    void ajouter(qint32 delta);
    friend bool operator==(const ValeurTypee&, const ValeurTypee&) = default;
};

// The three counters that follow the child from run to run, and the marker
// that heads the file.
struct Compteurs {
    ValeurTypee marqueur;
    ValeurTypee nb_exercices;
    ValeurTypee nb_justes;
    qint32 nb_erreurs = 0;
    friend bool operator==(const Compteurs&, const Compteurs&) = default;
};

namespace score {

// Reads the four fields from the first byte, little-endian. Bytes past the
// last field are ignored. A file too short for its fields, or with an
// unknown type code, gives nothing.
std::optional<Compteurs> lire(const QByteArray& octets);

// The bytes of the file for these counters, fields in their current types.
QByteArray ecrire(const Compteurs& c);

// Loads the file; a missing, short or malformed file gives zero counters.
Compteurs charger(const QString& chemin);

// Writes the file with the marker set to 1. The new bytes go to a temporary
// file of the program's own (see nomTemporaire) that then replaces the old
// one, so a failed save leaves the previous score whole. Returns false when
// the file could not be written.
bool sauver(const QString& chemin, Compteurs c);

// What a session's save did.
enum class Ajout {
    RienAAjouter,  // the run played nothing: the file is left as it is
    Ajoute,
    Echec,         // the file could not be written; it is left whole
};

// Adds this run's own counts (what `maintenant` holds beyond `auDebut`) to
// the counts the file holds at this moment, and writes them back. Every copy
// of the program on this score does so under one lock, so that two copies
// quitting in any order keep both runs' answers.
Ajout ajouterSession(const QString& chemin, const Compteurs& auDebut, const Compteurs& maintenant);

// The name pattern of the temporary files the saves make beside the score,
// so that no user would give a file such a name: ".18.klepsos-XXXXXX".
QString nomTemporaire(const QString& chemin);

// Removes what saves cut short left beside the score file: only the
// temporary files named after nomTemporaire. A file of the user's ("18.backup")
// is never touched. Done under the saves' lock, so that another running
// copy's save in progress is not taken for a leftover. Returns the names removed.
QStringList enleverRestesDeSauvegarde(const QString& chemin);

// The score line: an empty first line, then
// "Exercices --> 12  Justes --> 9  Erreurs --> 3".
QString ligne(const Compteurs& c);

}  // namespace score
