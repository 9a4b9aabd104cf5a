// SPDX-License-Identifier: GPL-3.0-or-later
#include "age.h"

#include <algorithm>

#include "commun.h"
#include "common/texte.h"

namespace age {

int anneeMaximum(int anneeCourante)
{
    return std::max(2100, anneeCourante + 53);
}

QString enonce(const QString& prenom, int ans, int mois)
{
    return prenom + QStringLiteral(" vient de naître aujourd'hui. Nous fêterons ses")
         + texte::n(ans) + QStringLiteral(" ans") + texte::n(mois) + QStringLiteral(" mois le");
}

QDate dateFete(const QDate& aujourdhui, int ans, int mois)
{
    return aujourdhui.addMonths(ans * 12 + mois);
}

bool estJuste(const QDate& fete, int moisReponse, int anReponse)
{
    return moisReponse == fete.month() && anReponse == fete.year();
}

QString succes()
{
    return QStringLiteral("Bravo ! Votre réponse est juste !") + jeuxdates::finAnniversaire();
}

QString echec(const QString& prenom, const QDate& fete)
{
    return QStringLiteral("Non, nous fêterons ") + prenom + QStringLiteral(" le")
         + jeuxdates::dateEcrite(fete.day(), fete.month(), fete.year())
         + QStringLiteral(" !") + jeuxdates::finAnniversaire();
}

}  // namespace age
