// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <memory>
#include <optional>

#include "common/question.h"
#include "programme/seance.h"
#include "ui/screen.h"

class ArrowSpinner;
class ClickableLabel;
class EtoilesSeance;
class HorlogeAiguilles;
class PageMois;
class MarquesSeance;
class ProtocoleReponse;
class Routines;

// "Mon entraînement": a short session of questions of every kind, planned
// from where the child stands, one at a time with a strip of marks; at the
// end, the right answers, the stars, and what to work on next.
class EcranEntrainement : public Screen {
    Q_OBJECT

public:
    // The kinds it may ask; they outlive the screen.
    EcranEntrainement(Routines& r, QList<GenreQuestion*> genres, QWidget* parent);
    ~EcranEntrainement() override;

    // A new session each time the screen opens.
    void activation() override;

    // The session's identity, recorded with each of its answers.
    QString seance() const { return seance_; }
    const QList<programme::QuestionPrevue>& plan() const { return plan_; }

private:
    void nouvelleSeance();
    // With no year known (no class, or one without its year): the child
    // says theirs first, kept for the next sessions.
    void demanderAnnee();
    void poserQuestion();
    void verifier();
    // Each answer counts in the score as an exercise does.
    void compterExercice();
    void montrerFin();
    void choisir(int i);
    // The answer's controls in their column, from its left edge.
    void placerReponse(int x);
    // What the answer still lacks; empty when whole.
    QString manque() const;
    QList<int> valeurs() const;
    void retour();

    Routines& r_;
    QList<GenreQuestion*> genres_;
    QList<programme::GenreServi> servis_;

    MarquesSeance* marques_;
    ClickableLabel* numero_;
    ClickableLabel* enonce_;
    HorlogeAiguilles* horloge_;
    PageMois* page_;
    ClickableLabel* titrePage_;
    QList<ClickableLabel*> reponses_;
    QList<ArrowSpinner*> fleches_;
    QList<ClickableLabel*> choix_;
    QList<ClickableLabel*> annees_;
    ClickableLabel* verifier_;
    ClickableLabel* encore_;
    ClickableLabel* verdict_;
    ClickableLabel* resultat_;
    EtoilesSeance* etoiles_;
    ClickableLabel* ensuite_;
    ClickableLabel* encoreSeance_;
    ClickableLabel* retourFin_;
    ClickableLabel* retour_;
    std::unique_ptr<ProtocoleReponse> protocole_;

    QString seance_;
    QList<programme::QuestionPrevue> plan_;
    QList<std::optional<bool>> verdicts_;
    int rang_ = 0;
    GenreQuestion* genre_ = nullptr;
    question::Enonce question_;
    int choisi_ = -1;
};
