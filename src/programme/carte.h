// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

// The school programme for the time and the calendar, year by year, and
// where each kind of question Klepsos asks sits on it: one table, read by
// the teacher's view, the report, "Mes progrès" and the levels that follow
// the child.
namespace programme {

enum class Annee { CP, CE1, CE2, CM1, CM2 };
constexpr std::array<Annee, 5> annees{Annee::CP, Annee::CE1, Annee::CE2, Annee::CM1, Annee::CM2};
// "CP", "CE1"...
QString nomAnnee(Annee a);
std::optional<Annee> anneeDepuisNom(const QString& nom);

// What the programme expects of a year, as a teacher names it.
struct Item {
    const char* id;     // short ascii, stable: "ce1_demi_quarts"
    Annee annee;
    const char* titre;  // "Lire les demi-heures et les quarts d'heure"
    const char* court;  // in a child's words, short: "Demies et quarts"
    // The item that carries the same skill further (a later year's);
    // nullptr when none does. A child who has reached both has gone beyond.
    const char* suite;
};

// One kind of question: an activity, with one of its levels, asks an item.
struct Placement {
    const char* activite;  // "placer_aiguilles"
    const char* niveau;    // "quarts"; sansNiveau or toutNiveau
    const char* item;
};
// The level of an activity that has none.
inline constexpr const char* sansNiveau = "";
// Every level of that activity asks the same item.
inline constexpr const char* toutNiveau = "*";

std::span<const Item> items();
std::span<const Placement> placements();

// The item's short name taken into a sentence, after a colon: "les demies
// et les quarts".
QString nomDansUnePhrase(int item);

// The item's place in items(), or -1.
int indexItem(const QString& id);

// The item a question asks: the placement of that activity and level. An
// answer recorded without its level (before levels were recorded), or with
// a level the table does not know, counts for the activity's first level,
// the easiest. -1 for an activity the table does not know.
int itemDe(const QString& activite, const QString& niveau);

// The next item on the same skill, or -1.
int suite(int item);

// The items of those years, in the table's order; every item when none.
QList<int> itemsDesAnnees(const QList<Annee>& annees);

// The activity that serves an item first: the table's first placement of it.
QString activitePour(int item);

// The levels the table places for an activity, in its order.
QStringList niveauxDe(const QString& activite);

}  // namespace programme
