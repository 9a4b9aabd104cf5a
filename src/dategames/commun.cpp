// SPDX-License-Identifier: GPL-3.0-or-later
#include "commun.h"

#include "common/calendrier.h"
#include "common/randomsource.h"
#include "common/routines.h"
#include "common/texte.h"

namespace jeuxdates {

const QStringList& prenoms()
{
    static const QStringList liste = {
        QStringLiteral("Adrien"),    QStringLiteral("Alexandre"), QStringLiteral("Alice"),
        QStringLiteral("Amélie"),    QStringLiteral("Anne"),      QStringLiteral("Anthony"),
        QStringLiteral("Antoine"),   QStringLiteral("Aurélie"),   QStringLiteral("Aurélien"),
        QStringLiteral("Benoît"),    QStringLiteral("Bérénice"),  QStringLiteral("Cédric"),
        QStringLiteral("Céline"),    QStringLiteral("Christophe"), QStringLiteral("Clémence"),
        QStringLiteral("Cynthia"),   QStringLiteral("Elodie"),    QStringLiteral("François"),
        QStringLiteral("Gabriel"),   QStringLiteral("Jennifer"),  QStringLiteral("Jérémy"),
        QStringLiteral("Jessica"),   QStringLiteral("Jonathan"),  QStringLiteral("Julie"),
        QStringLiteral("Kévin"),     QStringLiteral("Laëtitia"),  QStringLiteral("Laurent"),
        QStringLiteral("Léa"),       QStringLiteral("Leslie"),    QStringLiteral("Ludivine"),
        QStringLiteral("Ludovic"),   QStringLiteral("Magali"),    QStringLiteral("Marcel"),
        QStringLiteral("Marie"),     QStringLiteral("Marilyne"),  QStringLiteral("Medhi"),
        QStringLiteral("Morgane"),   QStringLiteral("Natacha"),   QStringLiteral("Nicolas"),
        QStringLiteral("Paméla"),    QStringLiteral("Pierre"),    QStringLiteral("Raphaël"),
        QStringLiteral("Sandra"),    QStringLiteral("Sophie"),    QStringLiteral("Stéphane"),
        QStringLiteral("Sylvain"),   QStringLiteral("Thomas"),    QStringLiteral("Tristan"),
        QStringLiteral("Vanessa"),   QStringLiteral("Vincent"),   QStringLiteral("Virginie"),
        QStringLiteral("Yann"),
    };
    return liste;
}

Enfant tirerEnfant(RandomSource& hasard, int ansMin)
{
    hasard.reseed();
    Enfant e;
    e.prenom = tirage(hasard, 52, 0);
    e.mois = tirage(hasard, 11, 1);
    e.ans = tirage(hasard, 50, ansMin);
    return e;
}

QString consigne()
{
    return QStringLiteral("Entrez votre réponse grâce aux flèches\n"
                          "puis cliquez sur cette réponse pour la tester.");
}

QString finAnniversaire()
{
    return QStringLiteral("\nCliquez sur Continuer pour un autre anniversaire.");
}

QString finConversion()
{
    return QStringLiteral("\nCliquez sur Continuer pour une autre conversion.");
}

QString libelleMois(int mois)
{
    return texte::F(mois) + QStringLiteral(" mois");
}

QString jourEtMois(int jour, int mois, int annee)
{
    return texte::F(calendrier::jourDansLeMois(annee, mois, jour)) + QLatin1Char(' ')
         + Routines::noms_mois.value(mois);
}

QString dateEcrite(int jour, int mois, int annee)
{
    return texte::n(jour) + QLatin1Char(' ') + Routines::noms_mois.value(mois) + texte::n(annee);
}

}  // namespace jeuxdates
