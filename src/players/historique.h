// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One judged answer as the history keeps it.
struct LigneHistorique {
    QDateTime quand;   // local time with its offset from UTC
    QString joueur;    // empty when no child was named
    QString activite;  // "lire_horloge", "date_naissance"...
    QString question;
    QString reponse;
    QString attendue;
    bool juste = false;
    QString niveau{};  // the level the question was asked at; empty where there are none
    // The answer's identity, the same in every copy of its line, so that an
    // answer found in two files counts once.
    quint64 id{};
    // The training session it was given in ("s" and 16 hex digits); empty
    // for an answer given in an activity's own screen.
    QString seance{};
    friend bool operator==(const LigneHistorique&, const LigneHistorique&) = default;
};
// Every member moves as its bytes do: a list of a year's answers grows by
// moving memory, not answer by answer.
Q_DECLARE_TYPEINFO(LigneHistorique, Q_RELOCATABLE_TYPE);

// An answer that has no identity yet: it gets a random one when written.
inline constexpr quint64 sansIdentifiant = 0;

// One line of a history file, UTF-8, ending with '\n':
//   K2 \t id \t date-time \t joueur \t activite \t niveau \t question \t reponse \t attendue \t 1|0 \t crc
// id is 16 lower-case hex digits. Backslash, tab, line feed and carriage
// return are escaped in the fields; crc is the CRC-32, 8 lower-case hex
// digits, of every byte before its tab, so a line cut short or mixed with
// another is recognised and skipped. Text fields are shortened so that a line
// stays under longueurMaxLigne. Lines of the first version,
//   K1 \t date-time \t joueur \t activite \t question \t reponse \t attendue \t 1|0 \t crc
// are still read: no level, and an identity drawn from their own bytes. An
// answer given in a training session is written in the third version, the
// session's identity after the level (the others stay in the second, which
// older versions read):
//   K3 \t id \t date-time \t joueur \t activite \t niveau \t seance \t question \t reponse \t attendue \t 1|0 \t crc
QByteArray ecrireLigne(const LigneHistorique& l);

// The line without its '\n'; nothing unless whole and intact.
std::optional<LigneHistorique> lireLigne(QByteArrayView ligne);

inline constexpr qsizetype longueurMaxLigne = 4096;
// Each text field is written with at most this many UTF-16 units.
inline constexpr qsizetype longueurMaxTexte = 256;

struct LectureHistorique {
    QList<LigneHistorique> lignes;
    qint64 ignorees = 0;   // damaged, foreign or over-long lines skipped
    qint64 fin = 0;        // offset just past the last whole line read
    bool tronque = false;  // the file went past the size read
};

// The whole lines of a history file from byte offset `depuis` on; a last
// line without its '\n' (being written) is left for the next read. A
// missing file reads as empty.
LectureHistorique lireHistorique(const QString& chemin, qint64 depuis = 0);

// The same over bytes already in memory.
LectureHistorique lireOctetsHistorique(QByteArrayView octets);

// The three counters of a history: lines, right ones, wrong ones.
struct TotauxHistorique {
    qint64 exercices = 0;
    qint64 justes = 0;
    qint64 erreurs = 0;
};
TotauxHistorique totaux(const QList<LigneHistorique>& lignes);
