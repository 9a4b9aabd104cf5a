#pragma once

#include "ui/screen.h"

class ClickableLabel;
class Routines;

// The tips: time elapsed since a date, Easter, the clock of a chosen time.
class Astuces : public Screen {
    Q_OBJECT

public:
    Astuces(Routines& r, QWidget* parent);

private:
    Routines& r_;
    ClickableLabel* retour_;
};
