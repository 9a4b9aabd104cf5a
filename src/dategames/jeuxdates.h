// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <memory>

#include "ui/screen.h"

class ClickableLabel;
class Routines;
class SectionJeu;

// The four games on ages, birthdays and months, side by side.
class JeuxDates : public Screen {
    Q_OBJECT

public:
    JeuxDates(Routines& r, QWidget* parent);
    ~JeuxDates() override;

    // One more exercise done, shown in this screen's score label.
    void CompterExerciceDates();

    // Each showing draws a new question in every game.
    void activation() override;

private:
    void NouvelleQuestionDate();
    void NouvelleQuestionNbMois();
    void NouvelleQuestionAge();
    void NouvelleQuestionAnniversaire();

    QDate aujourdhui() const;
    // A date's month and year as the month and year labels write them.
    QString moisEtAnnee(const QDate& d) const;

    Routines& r_;
    ClickableLabel* score_;
    ClickableLabel* retour_;
    std::unique_ptr<SectionJeu> date_;
    std::unique_ptr<SectionJeu> nbmois_;
    std::unique_ptr<SectionJeu> age_;
    std::unique_ptr<SectionJeu> anniversaire_;

    // What each game keeps from its draw to its judging.
    int prenom_date = 0;
    QDate date_naissance;
    int nb_mois = 0;
    int prenom_age = 0;
    QDate date_fete;
    int prenom_anniversaire = 0;
    int mois_anniversaire = 0;
    int ans_anniversaire = 0;
};
