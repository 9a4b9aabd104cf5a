// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <memory>

#include "aiguilles.h"
#include "common/reponse.h"
#include "programme/adaptation.h"
#include "ui/screen.h"

class ClickableLabel;
class ListeNiveaux;
class HorlogeAiguilles;
class Routines;

// The texts of the screen.
namespace placer {
// `demande` is the time asked ("15 h 45" in the afternoon), `cadran` the
// same time as the dial shows it ("3 h 45 mn", "4 h 45 mn 30 s").
QString question(const QString& demande);  // "Placer 4 h 45 mn", on one line
QString enonce(const QString& demande);
QString reussite(const QString& cadran, const QString& demande);
// What the screen says after a right answer; a session goes on by itself.
inline const QString suite = QStringLiteral("\nClique sur Continuer pour une autre heure.");
// "Erreur, il fallait 4 h 45 mn ! ...", warned of hands swapped.
QString erreur(const QString& cadran, const QString& demande, bool inversees);
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
    QString cadran() const;
    QString demande() const;

    Routines& r_;
    HorlogeAiguilles* horloge_;
    ClickableLabel* enonce_;
    ClickableLabel* verifier_;
    ClickableLabel* encore_;
    ClickableLabel* score_;
    ClickableLabel* retour_;
    std::unique_ptr<ListeNiveaux> niveaux_;
    std::unique_ptr<ProtocoleReponse> protocole_;
    int question_ = 0;
    int secondesQuestion_ = 0;
    aiguilles::Niveau niveauQuestion_ = aiguilles::Niveau::Heures;
    // The level that follows the child, when the class or this computer
    // asks for it; chosen afresh each time the screen opens.
    std::optional<programme::NiveauQuiSuit> suivi_;
};

// The levels' keys, easiest first, as the programme knows them.
QStringList clesNiveaux();
