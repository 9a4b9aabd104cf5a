// SPDX-License-Identifier: GPL-3.0-or-later
#include "activites.h"

#include <QList>
#include <QPair>

namespace activites {
namespace {
const QList<QPair<QString, QString>>& table()
{
    static const QList<QPair<QString, QString>> t{
        {QStringLiteral("minutes_dans_heures"), QStringLiteral("Minutes dans les heures")},
        {QStringLiteral("lire_horloge"), QStringLiteral("Lire l'horloge")},
        {QStringLiteral("montre"), QStringLiteral("La montre")},
        {QStringLiteral("minutes_en_heures"), QStringLiteral("Minutes en heures")},
        {QStringLiteral("comparer_durees"), QStringLiteral("Comparer des durées")},
        {QStringLiteral("nombre_manquant"), QStringLiteral("Le nombre manquant")},
        {QStringLiteral("placer_aiguilles"), QStringLiteral("Placer les aiguilles")},
        {QStringLiteral("date_naissance"), QStringLiteral("Date de naissance")},
        {QStringLiteral("mois_en_annees"), QStringLiteral("Mois en années")},
        {QStringLiteral("date_anniversaire"), QStringLiteral("Date d'anniversaire")},
        {QStringLiteral("age_anniversaire"), QStringLiteral("Âge à un anniversaire")},
    };
    return t;
}
}  // namespace

QStringList identifiants()
{
    QStringList l;
    for (const auto& [id, t] : table())
        l << id;
    return l;
}

QStringList titres()
{
    QStringList l;
    for (const auto& [id, t] : table())
        l << t;
    return l;
}

QString titre(const QString& identifiant)
{
    for (const auto& [id, t] : table()) {
        if (id == identifiant)
            return t;
    }
    return identifiant;
}
}  // namespace activites
