// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

#include "common/reponse.h"

class ArrowSpinner;
class ClickableLabel;
class Routines;
class QWidget;

// The frame every date game shares: a statement, two answer labels each set
// by its spinner, a feedback label that moves up onto the spinners' row for
// the verdict, and a "Continuer" label. The judging goes through the answer
// protocol the exercises use.
class SectionJeu {
public:
    struct Fleche {
        const char* nom;
        QPoint place;
        int min;
        int max;
        int valeur;
        bool boucle;
    };
    struct Plan {
        const char* activite;  // under which its answers are recorded
        const char* enonce;
        QRect enoncePlace;  // an empty size: the statement takes the size of its text
        int enonceDroite;   // a growing statement stops short of this x (a separator)
        const char* reponse1;
        QPoint reponse1Place;
        const char* reponse2;
        QPoint reponse2Place;
        Fleche fleche1;
        Fleche fleche2;
        const char* clic;
        int clicGauche;
        QSize clicTaille;
        int hautQuestion;
        int hautVerdict;
        const char* encore;
        QPoint encorePlace;
        bool rougirReponses;  // a wrong answer also turns the answer labels red
        QPoint ecouter;       // the loudspeaker that reads the statement aloud
    };

    // reponseSaisie: whether an answer has been entered; compter: counts the
    // judged exercise and shows the score.
    SectionJeu(Routines& r, QWidget* ecran, const Plan& plan, std::function<bool()> reponseSaisie,
               std::function<void()> compter);

    ClickableLabel* const enonce;
    ClickableLabel* const reponse1;
    ClickableLabel* const reponse2;
    ArrowSpinner* const fleche1;
    ArrowSpinner* const fleche2;
    ClickableLabel* const clic;
    ClickableLabel* const encore;

    // Writes a caption into one of the section's labels. A growing label
    // that would run into its neighbour (the second answer label, the
    // separator) moves left just enough, so long month names never overlap.
    void ecrire(ClickableLabel* label, const QString& texte);

    // Each change of the spinner writes libelle(value) into its label, with
    // a click sound.
    void relier(ArrowSpinner* fleche, ClickableLabel* label, std::function<QString(int)> libelle);

    // Back to an open question: "Continuer" hidden, spinners shown, the
    // instruction in black at the question position, answer labels black.
    void ouvrir();

    // A click on either answer label runs this.
    void surReponse(std::function<void()> juger);

    // The judged click (ignored when the protocol refuses it): juste() tests
    // the answer, echec() gives the solution text when it is wrong,
    // attendue() the right answer as the two answer labels would write it.
    void soumettre(const std::function<bool()>& juste, const QString& succes,
                   const std::function<QString()>& echec, const std::function<QString()>& attendue);

private:
    void placer(ClickableLabel* label);

    Routines& r_;
    QWidget* ecran_;
    Plan plan_;
    ProtocoleReponse protocole_;
};
