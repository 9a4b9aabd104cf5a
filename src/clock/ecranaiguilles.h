// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <memory>

#include "aiguilles.h"
#include "common/reponse.h"
#include "programme/adaptation.h"
#include "ui/screen.h"

class ClickableLabel;
class HorlogeAiguilles;
class Routines;

// The texts of the screen.
namespace placer {
QString question(int minutes);  // "Placer 4 h 45 mn", on one line
QString enonce(int minutes);
QString reussite(int minutes);
QString erreur(int minutes);    // "Erreur, il fallait 4 h 45 mn ! ..."
}  // namespace placer

// A time to set on a clock by hand, judged like the exercises; the level
// chosen asks whole hours up to any minute, and is remembered for whoever
// plays.
class EcranAiguilles : public Screen {
    Q_OBJECT

public:
    EcranAiguilles(Routines& r, QWidget* parent);
    ~EcranAiguilles() override;

    // The score label rewritten after one more exercise.
    void CompterExercice();
    // A new question with the clock at 12 h.
    void activation() override;

private:
    // The level chosen for whoever plays; whole hours until one is chosen.
    aiguilles::Niveau niveau() const;
    void nouvelleQuestion();
    void juger();
    void choisir(aiguilles::Niveau n);
    void montrerNiveau();

    Routines& r_;
    HorlogeAiguilles* horloge_;
    ClickableLabel* enonce_;
    ClickableLabel* verifier_;
    ClickableLabel* encore_;
    ClickableLabel* score_;
    ClickableLabel* retour_;
    QList<ClickableLabel*> niveaux_;
    std::unique_ptr<ProtocoleReponse> protocole_;
    int question_ = 0;
    // The level that follows the child, when the class or this computer
    // asks for it; chosen afresh each time the screen opens.
    std::optional<programme::NiveauQuiSuit> suivi_;
};

// The levels' keys, easiest first, as the programme knows them.
QStringList clesNiveaux();
