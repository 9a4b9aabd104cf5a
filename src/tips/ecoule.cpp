// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecoule.h"

#include "common/texte.h"

namespace ecoule {

static qint64 trimestre(const QDate& d)
{
    return (d.month() - 1) / 3 + 1;
}

qint64 compte(int indice, const QDateTime& depart, const QDateTime& maintenant)
{
    const QDate de = depart.date();
    const QDate a = maintenant.date();
    const QTime t = maintenant.time();
    switch (indice) {
    case Annees:
        return qint64(a.year()) - de.year();
    case Trimestres:
        return (qint64(a.year()) * 4 + trimestre(a)) - (qint64(de.year()) * 4 + trimestre(de));
    case Mois:
        return (qint64(a.year()) * 12 + a.month()) - (qint64(de.year()) * 12 + de.month());
    case Semaines:
        return compte(Jours, depart, maintenant) / 7;
    case Jours:
        return de.daysTo(a);
    case Heures:
        return compte(Jours, depart, maintenant) * 24 + t.hour();
    case Minutes:
        return compte(Heures, depart, maintenant) * 60 + t.minute();
    case Secondes:
        return compte(Minutes, depart, maintenant) * 60 + t.second();
    }
    return 0;
}

QStringList unitesSingulier()
{
    return {QStringLiteral("année"), QStringLiteral("trimestre"), QStringLiteral("mois"),
            QStringLiteral("semaine"), QStringLiteral("jour"), QStringLiteral("heure"),
            QStringLiteral("minute"), QStringLiteral("secondes")};
}

bool prendPluriel(int indice)
{
    return indice != Mois && indice != Secondes;
}

QString ligne(qint64 compte, const QString& unite)
{
    return texte::n(compte) + QLatin1Char(' ') + unite;
}

QString consigne()
{
    return QStringLiteral("Entrez une date (celle de votre naissance par exemple).\n"
                          "Je vais calculer le nombre d'années, trimestres, mois, semaines, "
                          "jours, heures, minutes et secondes passés depuis cette date.");
}

static QString dateChoisie(const QString& jour, const QString& mois, const QString& an)
{
    return jour + QLatin1Char(' ') + mois + QLatin1Char(' ') + an;
}

QString avertissementFutur(const QString& jour, const QString& mois, const QString& an)
{
    return QStringLiteral("Nous ne sommes pas encore arrivés au \n") + dateChoisie(jour, mois, an)
         + QStringLiteral(" !");
}

QString entete(const QString& jour, const QString& mois, const QString& an)
{
    return QStringLiteral("Depuis le ") + dateChoisie(jour, mois, an)
         + QStringLiteral(" à 0 heure 00\nil s'est écoulé :");
}

}  // namespace ecoule
