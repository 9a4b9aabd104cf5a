// SPDX-License-Identifier: GPL-3.0-or-later
#include "bilan.h"

#include <QHash>
#include <algorithm>

namespace {

struct Connue {
    QString id;
    QString titre;
};

const QList<Connue>& connues()
{
    static const QList<Connue> liste = {
        {QStringLiteral("minutes_dans_heures"), QStringLiteral("Minutes dans des heures")},
        {QStringLiteral("lire_horloge"), QStringLiteral("Lire l'horloge")},
        {QStringLiteral("montre"), QStringLiteral("Montre en avance ou en retard")},
        {QStringLiteral("minutes_en_heures"), QStringLiteral("Minutes en heures")},
        {QStringLiteral("comparer_durees"), QStringLiteral("Comparer des durées")},
        {QStringLiteral("nombre_manquant"), QStringLiteral("Le nombre manquant")},
        {QStringLiteral("date_naissance"), QStringLiteral("Date de naissance")},
        {QStringLiteral("mois_en_annees"), QStringLiteral("Mois en années")},
        {QStringLiteral("date_anniversaire"), QStringLiteral("Date d'anniversaire")},
        {QStringLiteral("age_anniversaire"), QStringLiteral("Âge à un anniversaire")},
        {QStringLiteral("placer_aiguilles"), QStringLiteral("Placer les aiguilles")},
        {QStringLiteral("matin_apres_midi"), QStringLiteral("Matin ou après-midi ?")},
        {QStringLiteral("mots_heure"), QStringLiteral("Les mots de l'heure")},
        {QStringLiteral("probleme_duree"), QStringLiteral("Problèmes de durées")},
        {QStringLiteral("jours_mois"), QStringLiteral("Les jours et les mois")},
        {QStringLiteral("lire_calendrier"), QStringLiteral("Lire un calendrier")},
        {QStringLiteral("unites_temps"), QStringLiteral("Jours, semaines, mois, années")},
        {QStringLiteral("siecles"), QStringLiteral("Siècles et millénaires")},
    };
    return liste;
}

QString justesErreurs(int justes, int erreurs)
{
    return QStringLiteral("%1 juste%2, %3 erreur%4")
        .arg(justes).arg(justes > 1 ? "s" : "").arg(erreurs).arg(erreurs > 1 ? "s" : "");
}

}  // namespace

const QStringList& activitesConnues()
{
    static const QStringList ids = [] {
        QStringList l;
        for (const Connue& c : connues())
            l << c.id;
        return l;
    }();
    return ids;
}

QString titreActivite(const QString& activite)
{
    for (const Connue& c : connues())
        if (c.id == activite)
            return c.titre;
    return activite;
}

QDateTime debutSemaine(const QDateTime& maintenant)
{
    const QDate jour = maintenant.date();
    return QDateTime(jour.addDays(1 - jour.dayOfWeek()), QTime(0, 0), maintenant.timeSpec(),
                     maintenant.offsetFromUtc());
}

bool dansLeFutur(const QDateTime& quand, const QDateTime& maintenant)
{
    return quand.toSecsSinceEpoch() >= QDateTime(maintenant.date().addDays(1), QTime(0, 0), maintenant.timeSpec(),
                                                 maintenant.offsetFromUtc())
                                           .toSecsSinceEpoch();
}

QDateTime aDecalageFixe(const QDateTime& maintenant)
{
    return maintenant.toOffsetFromUtc(maintenant.offsetFromUtc());
}

QDateTime auPlusTard(const QDateTime& quand, const QDateTime& maintenant)
{
    return quand > maintenant ? maintenant : quand;
}

Bilan faireBilan(const QList<LigneHistorique>& lignes, const QDateTime& maintenantLocal)
{
    const QDateTime maintenant = aDecalageFixe(maintenantLocal);
    Bilan b;
    QHash<QString, qsizetype> rang;
    for (const QString& id : activitesConnues()) {
        rang[id] = b.activites.size();
        b.activites.append({id, titreActivite(id)});
    }
    const qint64 semaine = debutSemaine(maintenantLocal).toSecsSinceEpoch();
    for (const LigneHistorique& l : lignes) {
        auto it = rang.find(l.activite);
        if (it == rang.end()) {
            it = rang.insert(l.activite, b.activites.size());
            b.activites.append({l.activite, titreActivite(l.activite)});
        }
        BilanActivite& a = b.activites[*it];
        const bool recente = l.quand.toSecsSinceEpoch() >= semaine && !dansLeFutur(l.quand, maintenant);
        ++(recente ? (l.juste ? a.justesSemaine : a.erreursSemaine)
                   : (l.juste ? a.justesAvant : a.erreursAvant));
    }

    struct Candidat {
        double part;
        int erreurs;
        QString id;
    };
    QList<Candidat> candidats;
    for (const BilanActivite& a : b.activites) {
        int n = a.justesSemaine + a.erreursSemaine, e = a.erreursSemaine;
        if (n < reponsesMinimum) {
            n = a.total();
            e = a.erreursSemaine + a.erreursAvant;
        }
        if (n >= reponsesMinimum && 4 * e >= n)
            candidats.append({double(e) / n, e, a.activite});
    }
    std::stable_sort(candidats.begin(), candidats.end(), [](const Candidat& x, const Candidat& y) {
        return x.part != y.part ? x.part > y.part : x.erreurs > y.erreurs;
    });
    for (qsizetype i = 0; i < std::min<qsizetype>(3, candidats.size()); ++i)
        b.aTravailler << candidats[i].id;
    return b;
}

QString texteBilan(const Bilan& b)
{
    QStringList parties;
    int js = 0, es = 0;
    QStringList semaine;
    for (const BilanActivite& a : b.activites) {
        js += a.justesSemaine;
        es += a.erreursSemaine;
        if (a.justesSemaine + a.erreursSemaine > 0)
            semaine << a.titre + QStringLiteral(" : ") + justesErreurs(a.justesSemaine, a.erreursSemaine);
    }
    parties << QStringLiteral("Cette semaine : ") + justesErreurs(js, es) + QLatin1Char('.');
    if (!semaine.isEmpty())
        parties << semaine.join(QStringLiteral(" ; ")) + QLatin1Char('.');
    if (b.aTravailler.isEmpty()) {
        parties << QStringLiteral("Rien à travailler en particulier.");
    } else {
        QStringList titres;
        for (const QString& id : b.aTravailler)
            titres << titreActivite(id);
        parties << QStringLiteral("À travailler : ") + titres.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    return parties.join(QLatin1Char(' '));
}
