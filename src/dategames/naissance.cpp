// SPDX-License-Identifier: GPL-3.0-or-later
#include "naissance.h"

#include "commun.h"
#include "common/texte.h"

namespace naissance {

QString enonce(const QDate& aujourdhui, const QString& prenom, int ans, int mois)
{
    const QString unite = ans > 1 ? QStringLiteral(" ans et") : QStringLiteral(" an et");
    return QStringLiteral("Aujourd'hui")
         + jeuxdates::dateEcrite(aujourdhui.day(), aujourdhui.month(), aujourdhui.year())
         + QLatin1Char('\n') + prenom + QStringLiteral(" a exactement") + texte::n(ans) + unite
         + texte::n(mois) + QStringLiteral(" mois.\n") + prenom
         + QStringLiteral(" a donc vu le jour le");
}

QDate dateNaissance(const QDate& aujourdhui, int ans, int mois)
{
    return aujourdhui.addMonths(-(ans * 12 + mois));
}

bool estJuste(const QDate& naissance, int moisReponse, int anReponse)
{
    return moisReponse == naissance.month() && anReponse == naissance.year();
}

QString succes()
{
    return QStringLiteral("Bravo ! Vous avez la réponse juste !") + jeuxdates::finAnniversaire();
}

QString echec(const QString& prenom, const QDate& naissance)
{
    return QStringLiteral("Non, ") + prenom + QStringLiteral(" a vu le jour le")
         + jeuxdates::dateEcrite(naissance.day(), naissance.month(), naissance.year())
         + QStringLiteral(" !") + jeuxdates::finAnniversaire();
}

}  // namespace naissance
