#pragma once

#include "ui/screen.h"

class ClickableLabel;
class Routines;

// The six kinds of exercise on hours and minutes.
class Exercices : public Screen {
    Q_OBJECT

public:
    Exercices(Routines& r, QWidget* parent);

    // One more exercise done, shown in the score label.
    void CompterExercice();

private:
    Routines& r_;
    ClickableLabel* score_;
    ClickableLabel* sortie_;
};
