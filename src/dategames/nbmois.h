// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// Game 2: a number of months to write as whole years and remaining months.
namespace nbmois {

// What the answer labels show until their spinner is first moved.
inline const QString AttenteAnnees = QStringLiteral("?? année et");

// Reseeds, then draws 15 to 114 months.
int tirer(RandomSource& hasard);

struct AnsMois {
    int ans = 0;
    int mois = 0;
    friend bool operator==(const AnsMois&, const AnsMois&) = default;
};
AnsMois conversion(int nbMois);

// What the spinners write: "1 année et", "2 années et".
QString libelleAnnees(int ans);

QString enonce(int nbMois);
QString succes();
QString echec(int nbMois);

}  // namespace nbmois
