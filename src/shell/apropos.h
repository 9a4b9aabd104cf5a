// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class Routines;

// The small "about" window, opened over the start screen inside the
// design, so that it scales with it.
class APropos : public Screen {
    Q_OBJECT

public:
    static constexpr int Largeur = 594;
    static constexpr int Hauteur = 342;

    APropos(Routines& r, QWidget* parent);

    // Closes the window and gives the start screen back (the "fini" label,
    // and a close request alike).
    void fermer();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Routines& r_;
};
