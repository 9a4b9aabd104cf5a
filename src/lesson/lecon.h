#pragma once

#include "ui/screen.h"

class ClickableLabel;
class Routines;

// The lesson on the units of time.
class Lecon : public Screen {
    Q_OBJECT

public:
    Lecon(Routines& r, QWidget* parent);

private:
    Routines& r_;
    ClickableLabel* retour_;
};
