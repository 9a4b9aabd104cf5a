// SPDX-License-Identifier: GPL-3.0-or-later
#include "textelecon.h"

#include "common/texte.h"

namespace lecon {

QString texteHeure(const QTime& t)
{
    return texte::n(t.hour()) + QStringLiteral(" h") + texte::n(t.minute()) + QStringLiteral(" mn")
         + texte::n(t.second()) + QStringLiteral(" s");
}

const QString calendrier = QStringLiteral(
    "Nous mesurons le temps avec le calendrier chrétien : en Occident, les années sont "
    "comptées depuis la naissance du Christ, à partir du 1er janvier de l'an 1.");

const QString calendrier2 = QStringLiteral(
    "Donc le 21ème siècle commence le 1er Janvier 2001 et non 2000 ! Même chose pour le "
    "troisième millénaire.");

const QString semaine = QStringLiteral(
    "Les noms des 7 jours de la semaine nous viennent des Romains et ont trait au nom des "
    "planètes du système solaire, sauf Dimanche signifiant le jour du Seigneur.");

const QString sexagesimal = QStringLiteral(
    "Les durées exprimées en minutes et secondes le sont grâce à des nombres SEXAGESIMAUX, "
    "c'est à dire des nombres écrits en base 60 (on ajoute une unité à chaque fois que l'on "
    "atteint 60).");

const QString exemple = QStringLiteral("Par exemple : 17 h 45 mn 31 s + 9 h 37 mn 47 s");

}  // namespace lecon
