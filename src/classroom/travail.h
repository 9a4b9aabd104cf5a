// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The week's work a teacher gives: items of the programme, for the whole
// class or for one child, from a start date.
namespace classe {

// How long a week's work holds from its first day.
inline constexpr int joursTravail = 7;

struct Consigne {
    QDate debut;
    QStringList items;  // the programme's identifiers, in the teacher's order
    friend bool operator==(const Consigne&, const Consigne&) = default;
};

struct Travail {
    std::optional<Consigne> classe;     // for every child without one of their own
    QHash<QString, Consigne> enfants;   // by child's key
    friend bool operator==(const Travail&, const Travail&) = default;
};

// The file's lines: "classe=2026-12-07 ce1_demi_quarts,ce1_durees" and, per
// child, "<clé>=2026-12-07 ce2_conversions"; lines, keys or items not
// understood are skipped (counted), the rest kept.
Travail lireTravail(const QString& texte, int* ignores = nullptr);
QString ecrireTravail(const Travail& t);

// The consigne that holds for that child on that day: their own, else the
// class's; nothing when none has started or the last ended.
std::optional<Consigne> consignePour(const Travail& t, const QString& cle, QDate jour);

// What the teacher changes with "Enregistrer": one target's work, and only
// that, so that what others gave meanwhile stays.
struct ChangementTravail {
    QString cle;                       // the child's key; empty: the whole class
    std::optional<Consigne> consigne;  // none: taken off (a child follows the class's again)
};
Travail appliquer(Travail t, const ChangementTravail& c);

inline const QString fichierTravail = QStringLiteral("travail");
inline const QString copieTravail = QStringLiteral("classe.travail");

}  // namespace classe
