// SPDX-License-Identifier: GPL-3.0-or-later
#include "carte.h"

#include <QHash>

namespace programme {

namespace {

// The programme for the time (cycle 2 of 2024 with its yearly benchmarks,
// cycle 3 of 2025), as far as Klepsos asks it, year by year. An item's
// identifier is a name kept in files (the week's work), not a year.
constexpr Item tableItems[] = {
    {"cp_heures", Annee::CP, "Lire l'heure entière sur une horloge à aiguilles", "Les heures pile", "ce1_demi_quarts"},
    {"cp_moments", Annee::CP, "Relier une heure à un moment de la journée", "Les moments de la journée",
     "ce1_matin_apres_midi"},
    {"cp_jours", Annee::CP, "Connaître les jours de la semaine et leur ordre (hier, aujourd'hui, demain)",
     "Les jours de la semaine", "ce1_mois"},
    {"ce1_demi_quarts", Annee::CE1, "Lire les demi-heures et les quarts d'heure", "Les demies et les quarts",
     "ce2_mots_heure"},
    {"ce1_heures_minutes", Annee::CE1, "Lire l'heure en heures et minutes (de 5 en 5)", "De 5 en 5 minutes",
     "ce2_lire_placer"},
    {"ce1_matin_apres_midi", Annee::CE1, "Heures du matin et de l'après-midi (de 12 h à 23 h 59)",
     "Le matin et l'après-midi", nullptr},
    {"ce1_durees", Annee::CE1, "Calculer une durée dans la journée", "Les durées", "ce2_problemes"},
    {"ce1_mois", Annee::CE1, "Connaître les mois de l'année, leur ordre et leur nombre de jours", "Les mois de l'année",
     "ce2_calendrier"},
    {"ce1_calendrier", Annee::CE1, "Lire un calendrier", "Lire un calendrier", "ce2_calendrier"},
    {"ce1_unites", Annee::CE1, "Relier jours, semaines et heures (1 semaine = 7 jours, 1 jour = 24 h)",
     "Les jours et les semaines", "ce2_unites"},
    {"ce2_lire_placer", Annee::CE2, "Lire et placer l'heure à la minute près", "À la minute près", nullptr},
    {"ce2_secondes", Annee::CE2, "Lire l'heure avec les secondes (1 min = 60 s)", "Les secondes",
     "cm2_durees_secondes"},
    {"ce2_mots_heure", Annee::CE2, "Dire l'heure avec les mots (et quart, moins le quart, et demie)",
     "Les mots de l'heure", nullptr},
    {"ce2_conversions", Annee::CE2, "Convertir des heures en minutes et des minutes en heures",
     "Les heures et les minutes", "cm1_durees"},
    {"ce2_problemes", Annee::CE2, "Problèmes de durées en une ou deux étapes (une montre qui avance ou retarde)",
     "Les problèmes de durées", "cm1_jour_suivant"},
    {"ce2_mois_annees", Annee::CE2, "Convertir des mois en années et en mois", "Les mois et les années", "cm1_dates"},
    {"ce2_calendrier", Annee::CE2, "Calculer avec un calendrier, d'un mois à l'autre", "Compter sur un calendrier",
     nullptr},
    {"ce2_unites", Annee::CE2, "Convertir entre jours, semaines, mois et années (1 an = 12 mois)",
     "Les mois et les années", "cm1_bissextiles"},
    {"cm1_durees", Annee::CM1, "Compléter une durée (47 min + ? = 1 h 32 min)", "Compléter une durée",
     "cm2_problemes"},
    {"cm1_jour_suivant", Annee::CM1, "Problèmes de durées d'un jour au lendemain",
     "Les durées d'un jour à l'autre", "cm2_durees_secondes"},
    {"cm1_dates", Annee::CM1, "Calculer des dates et des âges (jours, mois, années)", "Les dates et les âges", nullptr},
    {"cm1_bissextiles", Annee::CM1, "Les années bissextiles et le nombre de jours d'une année (365 ou 366)",
     "Les années bissextiles", nullptr},
    {"cm1_siecles", Annee::CM1, "Situer une année dans son siècle (le XVIᵉ siècle va de 1501 à 1600)", "Les siècles",
     "cm2_millenaires"},
    {"cm2_problemes", Annee::CM2, "Comparer des durées (2 h 15 min et 75 min + 60 min)", "Comparer des durées",
     nullptr},
    {"cm2_durees_secondes", Annee::CM2, "Problèmes de durées en heures, minutes et secondes",
     "Les durées à la seconde", nullptr},
    {"cm2_millenaires", Annee::CM2, "Les millénaires, et les durées entre deux dates de l'histoire",
     "Les millénaires", nullptr},
};

// Identifiers an older version wrote (in the week's work), and the item
// that took their place.
constexpr std::pair<const char*, const char*> anciensItems[] = {
    {"cm2_secondes", "ce2_secondes"},
};

// Every kind of question. An activity's levels are listed from the
// easiest up: the first is where an answer without its level counts.
constexpr Placement tablePlacements[] = {
    {"placer_aiguilles", "heures", "cp_heures"},
    {"placer_aiguilles", "demi_heures", "ce1_demi_quarts"},
    {"placer_aiguilles", "quarts", "ce1_demi_quarts"},
    {"placer_aiguilles", "cinq_minutes", "ce1_heures_minutes"},
    {"placer_aiguilles", "minutes", "ce2_lire_placer"},
    {"placer_aiguilles", "apres_midi", "ce1_matin_apres_midi"},
    {"placer_aiguilles", "secondes", "ce2_secondes"},
    {"lire_horloge", sansNiveau, "ce2_lire_placer"},
    {"matin_apres_midi", "heures_pile", "cp_moments"},
    {"matin_apres_midi", toutNiveau, "ce1_matin_apres_midi"},
    {"mots_heure", toutNiveau, "ce2_mots_heure"},
    {"probleme_duree", "heures_entieres", "ce1_durees"},
    {"probleme_duree", "sans_passer_heure", "ce1_durees"},
    {"probleme_duree", "passer_heure", "ce2_problemes"},
    {"probleme_duree", "deux_etapes", "ce2_problemes"},
    {"probleme_duree", "jour_suivant", "cm1_jour_suivant"},
    {"probleme_duree", "secondes", "cm2_durees_secondes"},
    {"montre", sansNiveau, "ce2_problemes"},
    {"minutes_dans_heures", sansNiveau, "ce2_conversions"},
    {"minutes_en_heures", sansNiveau, "ce2_conversions"},
    {"nombre_manquant", sansNiveau, "cm1_durees"},
    {"comparer_durees", sansNiveau, "cm2_problemes"},
    {"mois_en_annees", sansNiveau, "ce2_mois_annees"},
    {"date_naissance", sansNiveau, "cm1_dates"},
    {"date_anniversaire", sansNiveau, "cm1_dates"},
    {"age_anniversaire", sansNiveau, "cm1_dates"},
    {"jours_mois", "jours", "cp_jours"},
    {"jours_mois", "mois", "ce1_mois"},
    {"jours_mois", "jours_du_mois", "ce1_mois"},
    {"jours_mois", "plus_tard", "ce1_unites"},
    {"lire_calendrier", "trouver", "ce1_calendrier"},
    {"lire_calendrier", "compter", "ce2_calendrier"},
    {"lire_calendrier", "mois_suivant", "ce2_calendrier"},
    {"unites_temps", "semaines", "ce1_unites"},
    {"unites_temps", "mois_annees", "ce2_unites"},
    {"unites_temps", "bissextiles", "cm1_bissextiles"},
    {"siecles", "siecle", "cm1_siecles"},
    {"siecles", "bornes", "cm1_siecles"},
    {"siecles", "millenaires", "cm2_millenaires"},
};

struct NiveauItem {
    QString niveau;
    int item;
};

// The table by activity, its levels in order, for a lookup per answer.
const QHash<QString, QList<NiveauItem>>& parActivite()
{
    static const QHash<QString, QList<NiveauItem>> h = [] {
        QHash<QString, QList<NiveauItem>> t;
        for (const Placement& p : tablePlacements)
            t[QString::fromLatin1(p.activite)].append(
                {QString::fromLatin1(p.niveau), indexItem(QString::fromLatin1(p.item))});
        return t;
    }();
    return h;
}

}  // namespace

QString nomAnnee(Annee a)
{
    static const char* const noms[] = {"CP", "CE1", "CE2", "CM1", "CM2"};
    return QString::fromLatin1(noms[int(a)]);
}

std::optional<Annee> anneeDepuisNom(const QString& nom)
{
    for (Annee a : annees)
        if (nomAnnee(a) == nom)
            return a;
    return std::nullopt;
}

std::span<const Item> items()
{
    return tableItems;
}

std::span<const Placement> placements()
{
    return tablePlacements;
}

QString nomDansUnePhrase(int item)
{
    const QString nom = QString::fromUtf8(tableItems[item].court);
    return nom.front().toLower() + nom.mid(1);
}

int indexItem(const QString& id)
{
    for (int i = 0; i < int(std::size(tableItems)); ++i)
        if (id == QLatin1String(tableItems[i].id))
            return i;
    for (const auto& [ancien, nouveau] : anciensItems)
        if (id == QLatin1String(ancien))
            return indexItem(QString::fromLatin1(nouveau));
    return -1;
}

int itemDe(const QString& activite, const QString& niveau)
{
    const auto it = parActivite().constFind(activite);
    if (it == parActivite().cend())
        return -1;
    const QList<NiveauItem>& niveaux = *it;
    for (const NiveauItem& n : niveaux)
        if (n.niveau == niveau)
            return n.item;
    for (const NiveauItem& n : niveaux)
        if (n.niveau == QLatin1String(toutNiveau))
            return n.item;
    return niveaux.first().item;
}

int suite(int item)
{
    const char* s = tableItems[item].suite;
    return s ? indexItem(QString::fromLatin1(s)) : -1;
}

QList<int> itemsDesAnnees(const QList<Annee>& choisies)
{
    QList<int> l;
    for (int i = 0; i < int(std::size(tableItems)); ++i)
        if (choisies.isEmpty() || choisies.contains(tableItems[i].annee))
            l << i;
    return l;
}

QString activitePour(int item)
{
    for (const Placement& p : tablePlacements)
        if (indexItem(QString::fromLatin1(p.item)) == item)
            return QString::fromLatin1(p.activite);
    return {};
}

QStringList niveauxDe(const QString& activite)
{
    QStringList l;
    for (const NiveauItem& n : parActivite().value(activite))
        l << n.niveau;
    return l;
}

}  // namespace programme
