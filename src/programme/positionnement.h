// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "carte.h"

// Where a child stands on each item of the programme, on the school
// report's four levels, from their latest answers.
namespace programme {

// Ordered: each is more than the one before.
enum class Acquis { PasEncoreEvalue, NonAtteint, PartiellementAtteint, Atteint, Depasse };

// The rule: an item is judged on the child's last reponsesComptees answers
// to its questions; with fewer than reponsesMinimum, "pas encore évalué";
// under 50 % right "non atteint", 50 to 79 % "partiellement atteint", 80 %
// and more "atteint"; "dépassé" when it is atteint and the item that
// follows it on the same skill is atteint too.
inline constexpr int reponsesComptees = 10;
inline constexpr int reponsesMinimum = 5;
inline constexpr int seuilPartiel = 50;  // percent right
inline constexpr int seuilAtteint = 80;

// The level of `justes` right answers out of `comptees`, "dépassé" aside.
Acquis acquisDe(int justes, int comptees);
// "non atteint", "partiellement atteint", "atteint", "dépassé", "pas encore évalué".
QString texteAcquis(Acquis a);
// The rule in one paragraph, as the teacher's view and docs/programme.md give it.
QString texteRegle();

// A child's words for an item of their path.
enum class Etape { PasEncore, EnRoute, Reussi };
QString texteEtape(Etape e);  // "pas encore", "en route", "réussi"

// An item's last answers, latest kept by their date whatever order they
// come in (several computers' files are read one after the other).
class Fenetre {
public:
    // quand: seconds since the epoch.
    void ajouter(qint64 quand, bool juste);
    int comptees() const { return n_; }
    int justes() const;
    // When the latest was given; nothing before any answer.
    std::optional<qint64> derniere() const;

private:
    struct Reponse {
        qint64 quand;
        bool juste;
    };
    std::array<Reponse, reponsesComptees> dernieres_{};  // oldest first
    int n_ = 0;
};

struct Position {
    Acquis acquis = Acquis::PasEncoreEvalue;
    int comptees = 0;  // answers it rests on
    int justes = 0;
    friend bool operator==(const Position&, const Position&) = default;
};

// One child's answers by item, kept as they are read.
class Positionnement {
public:
    Positionnement();
    // An answer to that activity at that level; one the programme does not
    // place is left aside.
    void ajouter(const QString& activite, const QString& niveau, qint64 quand, bool juste);
    void ajouterA(int item, qint64 quand, bool juste);
    // The item's level, "dépassé" included.
    Position position(int item) const;
    // The child's words: nothing answered yet, on the way, reached.
    Etape etape(int item) const;
    // When the item was last asked (seconds since the epoch); nothing if never.
    std::optional<qint64> derniere(int item) const { return fenetres_[size_t(item)].derniere(); }
    // The first item of the path not reached yet, or -1.
    int prochain(const QList<int>& parcours) const;

private:
    std::vector<Fenetre> fenetres_;
};

// A child's path: the items of their class's year(s) (of every year when
// none is set), each with the child's step, and the next one to work on.
struct EtapeParcours {
    int item;
    Etape etape;
};
struct Parcours {
    QList<EtapeParcours> etapes;
    int prochain = -1;  // an item, or -1 when every one is reached
};
// The path on the items of those years; without a year, on the items the
// child has worked on (every item of the programme would be too many).
Parcours parcours(const Positionnement& p, const QList<Annee>& annees);
// The same in words, for screen readers.
QString texteParcours(const Parcours& p);

}  // namespace programme
