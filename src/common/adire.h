// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the voice says for a text written on screen: the text as a French
// teacher would read it aloud to a child ("4 h 45 mn" is "4 heures 45",
// "1 h" "une heure", a date with its weekday, the score as a sentence).
namespace voix {

// The text to say for the texts of one or more labels, read in order.
QString aDire(const QStringList& textesEcran);
inline QString aDire(const QString& texteEcran)
{
    return aDire(QStringList{texteEcran});
}

// "une" for 1, "vingt-et-une" for 21... (the feminine of heures, minutes);
// any other number in figures.
QString nombreFeminin(int n);

}  // namespace voix
