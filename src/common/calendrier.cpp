// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendrier.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "routines.h"
#include "texte.h"

namespace calendrier {

static int divPlancher(int a, int b)
{
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

QDate dateDepuisParties(int annee, int mois, int jour)
{
    const int m0 = mois - 1;
    const int an = annee + divPlancher(m0, 12);
    const int m = m0 - divPlancher(m0, 12) * 12 + 1;
    return QDate(an, m, 1).addDays(qint64(jour) - 1);
}

int jourDansLeMois(int annee, int mois, int jour)
{
    return std::min(jour, dateDepuisParties(annee, mois, 1).daysInMonth());
}

HeureMinute heureDepuisParties(int heure, int minute)
{
    const int jour = 24 * 60;
    int total = (heure * 60 + minute) % jour;
    if (total < 0)
        total += jour;
    return {total / 60, total % 60};
}

QPointF finAiguille(QPointF centre, double angleDegres, double longueur)
{
    const double a = angleDegres * 2 * Routines::pi / 360;
    return {centre.x() + longueur * std::cos(a), centre.y() + longueur * std::sin(a)};
}

std::array<QDate, 42> pageMois(QDate premier)
{
    std::array<QDate, 42> page;
    const QDate lundi = premier.addDays(1 - premier.dayOfWeek());
    for (int i = 0; i < 42; ++i)
        page[size_t(i)] = lundi.addDays(i);
    return page;
}

int semaines(QDate premier)
{
    return (premier.dayOfWeek() - 1 + premier.daysInMonth() + 6) / 7;
}

QString nomJour(int jourSemaine)
{
    return QLocale(QLocale::French, QLocale::France).dayName(jourSemaine, QLocale::LongFormat).toLower();
}

QString nomMois(int mois)
{
    return QLocale(QLocale::French, QLocale::France).monthName(mois, QLocale::LongFormat).toLower();
}

QString date(QDate d, bool annee)
{
    return texte::jourMois(d, annee).replace(QChar(0x00A0), QLatin1Char(' '));
}

QString dateComplete(QDate d)
{
    return nomJour(d.dayOfWeek()) + QLatin1Char(' ') + date(d, true);
}

}  // namespace calendrier
