// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "ui/screen.h"

class ClickableLabel;
class Routines;
class Section;

// The six kinds of exercise on hours and minutes, side by side, and the
// score they feed.
class Exercices : public Screen {
    Q_OBJECT

public:
    Exercices(Routines& r, QWidget* parent);
    ~Exercices() override;

    // One more exercise done, shown in the score label.
    void CompterExercice();

    // Six new questions, one per section.
    void activation() override;

private:
    Routines& r_;
    ClickableLabel* score_;
    ClickableLabel* sortie_;
    // In the order their questions are drawn.
    std::vector<std::unique_ptr<Section>> sections_;
};
