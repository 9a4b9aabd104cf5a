// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <memory>

#include "questions.h"
#include "ui/screen.h"

class ClickableLabel;
class PageMois;
class Routines;

// "Le calendrier": four sections side by side, built like "La journée",
// each judged like the exercises and with its own levels: the days and the
// months; a month's page of the real calendar; days, weeks, months and
// years; centuries and millennia.
class EcranCalendrier : public Screen {
    Q_OBJECT

public:
    EcranCalendrier(Routines& r, QWidget* parent);
    ~EcranCalendrier() override;

    // New questions in every section.
    void activation() override;
    void CompterExercice();

    // The sections' activities, as their answers are recorded.
    static const QStringList activites;

private:
    struct SectionCal;
    void nouvelleQuestion(SectionCal& s);
    void juger(SectionCal& s);

    Routines& r_;
    std::vector<std::unique_ptr<SectionCal>> sections_;
    PageMois* page_;
    ClickableLabel* titrePage_;
    ClickableLabel* score_;
    // The month of the page: the computer's own first, then others.
    QDate moisSuivant_;
};
