// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "registre.h"
#include "reponse.h"

class RandomSource;

// One kind of question, as a training session asks it: the statement, the
// form of the answer, and the verdict with its explanation, the same as the
// activity's own screen gives. Each screen family offers its kinds; the
// session's screen draws the form.
namespace question {

// A part of the answer set with arrows.
struct Champ {
    PartieReponse partie{};                 // what "Vérifier" says is missing
    int min = 0;
    int max = 59;
    int pas = 1;
    QString attente{};                     // the label until the arrows move: "? h"
    std::function<QString(int)> libelle{};  // the label for a value: "3 h", "05"
};

enum class Cadran {
    Aucun,
    Lu,      // a clock shows the time the question is about
    ARegler  // the answer is a time set on the clock
};

struct Enonce {
    QString texte{};
    Cadran cadran = Cadran::Aucun;
    int minutes = 0;        // the dial's time (0 to 719): the one shown, or where setting starts
    bool secondes = false;  // the dial to set has its seconds hand
    QList<Champ> champs{};    // the answer's parts, in order
    QStringList choix{};    // or answers to choose among
    QDate page{};           // a month's page shown (its first day); invalid: none
    bool jourSurLaPage = false;  // the answer is a day pressed on that page
};

struct Verdict {
    bool juste = false;
    QString explication{};      // "Bravo ! ..." or "Erreur, ..."
    ReponseJugee trace{};       // question, answer and expected one, as the history keeps them
    std::optional<int> aiguilles{};  // the right hands to draw on the dial after a mistake
    int secondes = 0;
    int bonChoix = -1;          // the right one among the choices
    int bonJour = 0;            // the right day of the page
};

}  // namespace question

class GenreQuestion {
public:
    virtual ~GenreQuestion() = default;
    // The identifier its answers are recorded under, as in its own screen.
    virtual QString activite() const = 0;
    // Its levels, easiest first; none for an activity without levels.
    virtual QStringList niveaux() const { return {}; }
    // A new question at that level (empty: none).
    virtual question::Enonce poser(const QString& niveau, RandomSource& hasard) = 0;
    // The answer to the last question posed: each part's value in order; the
    // index of the choice; or the dial's minutes (and seconds).
    virtual question::Verdict juger(const QList<int>& valeurs) const = 0;
};

// A screen family's kinds, one of each type, in that order.
template <class... Genres>
std::vector<std::unique_ptr<GenreQuestion>> genresDe()
{
    std::vector<std::unique_ptr<GenreQuestion>> l;
    (l.push_back(std::make_unique<Genres>()), ...);
    return l;
}
