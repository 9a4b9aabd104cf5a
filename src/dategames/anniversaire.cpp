// SPDX-License-Identifier: GPL-3.0-or-later
#include "anniversaire.h"

#include "commun.h"
#include "common/texte.h"

namespace anniversaire {

QString libelleAns(int ans)
{
    return texte::F(ans) + (ans >= 2 ? QStringLiteral(" ans et") : QStringLiteral(" an et"));
}

QDate dateAnniversaire(const QDate& aujourdhui, int ans, int mois)
{
    return aujourdhui.addMonths(ans * 12 + mois);
}

QString enonce(const QDate& aujourdhui, const QString& prenom, int ans, int mois)
{
    const QDate d = dateAnniversaire(aujourdhui, ans, mois);
    return QStringLiteral("Bienvenue à ") + prenom + QStringLiteral(" qui vient de naître !\nLe")
         + jeuxdates::dateEcrite(d.day(), d.month(), d.year())
         + QStringLiteral(" nous fêterons ses");
}

bool estJuste(int ans, int mois, int ansReponse, int moisReponse)
{
    return ansReponse == ans && moisReponse == mois;
}

QString succes()
{
    return QStringLiteral("Vous serez invité car c'est juste !") + jeuxdates::finAnniversaire();
}

QString echec(const QString& prenom, int ans, int mois)
{
    return QStringLiteral("Non ") + prenom + QStringLiteral(" aura") + texte::n(ans)
         + QStringLiteral(" ans et") + texte::n(mois) + QStringLiteral(" mois !")
         + jeuxdates::finAnniversaire();
}

}  // namespace anniversaire
