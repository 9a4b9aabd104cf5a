// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aiguilles.h"
#include "common/question.h"

// "Placer les aiguilles" as a training session asks it: a time to set on the
// dial, at one of the screen's levels.
class GenreAiguilles final : public GenreQuestion {
public:
    QString activite() const override { return aiguilles::activite; }
    QStringList niveaux() const override;
    question::Enonce poser(const QString& niveau, RandomSource& hasard) override;
    question::Verdict juger(const QList<int>& valeurs) const override;

private:
    QString cadran() const;
    QString demande() const;

    aiguilles::Niveau niveau_ = aiguilles::Niveau::Heures;
    int question_ = 0;
    int secondes_ = 0;
};
