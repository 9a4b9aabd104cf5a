#pragma once

#include "ui/screen.h"

class ClickableLabel;
class Routines;

// The four games on ages, birthdays and months.
class JeuxDates : public Screen {
    Q_OBJECT

public:
    JeuxDates(Routines& r, QWidget* parent);

    // One more exercise done, shown in this screen's score label.
    void CompterExerciceDates();

private:
    Routines& r_;
    ClickableLabel* score_;
    ClickableLabel* retour_;
};
