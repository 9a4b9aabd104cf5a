// SPDX-License-Identifier: GPL-3.0-or-later
#include "nbmois.h"

#include "commun.h"
#include "common/randomsource.h"
#include "common/texte.h"

namespace nbmois {

int tirer(RandomSource& hasard)
{
    hasard.reseed();
    return tirage(hasard, 100, 15);
}

AnsMois conversion(int nbMois)
{
    return {nbMois / 12, nbMois % 12};
}

static QString uniteAnnees(int ans)
{
    return ans >= 2 ? QStringLiteral(" années et") : QStringLiteral(" année et");
}

QString libelleAnnees(int ans)
{
    return texte::F(ans) + uniteAnnees(ans);
}

QString enonce(int nbMois)
{
    return texte::n(nbMois) + QStringLiteral(" mois font exactement");
}

QString succes()
{
    return QStringLiteral("Bravo ! Vous avez la réponse juste !") + jeuxdates::finConversion();
}

QString echec(int nbMois)
{
    const AnsMois r = conversion(nbMois);
    return QStringLiteral("Erreur !") + texte::n(nbMois) + QStringLiteral(" mois font")
         + texte::n(r.ans) + uniteAnnees(r.ans) + texte::n(r.mois) + QStringLiteral(" mois !")
         + jeuxdates::finConversion();
}

}  // namespace nbmois
