// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class ClickableLabel;
class QTimer;
class Routines;

// The lesson on the units of time: one page of reading under today's date
// and the time of day, kept live while the page is shown.
class Lecon : public Screen {
    Q_OBJECT

public:
    Lecon(Routines& r, QWidget* parent);

    // Today's date and the time, then the clock ticking every second.
    void activation() override;

    // Middle of the frame around the date and the time: both lines are
    // centred on it, however long they are.
    static constexpr int MilieuCadre = 185 + 317 / 2;

private:
    void ecrireHeure();
    void ecrireCentre(ClickableLabel* label, const QString& texte);

    Routines& r_;
    ClickableLabel* date_;
    ClickableLabel* heure_;
    QTimer* timer1_;
};
