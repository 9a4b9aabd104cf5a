// SPDX-License-Identifier: GPL-3.0-or-later
#include "durees.h"

#include "common/randomsource.h"
#include "heures.h"

namespace durees {

using journee::duree;

namespace {

struct Fiche {
    Niveau niveau;
    const char* nom;
    const char* cle;
};
constexpr Fiche fiches[] = {
    {Niveau::HeuresEntieres, "Heures entières", "heures_entieres"},
    {Niveau::SansPasserLHeure, "Dans l'heure", "sans_passer_heure"},
    {Niveau::PasserLHeure, "Passer l'heure", "passer_heure"},
    {Niveau::DeuxEtapes, "Deux étapes", "deux_etapes"},
    {Niveau::JourSuivant, "Le lendemain", "jour_suivant"},
    {Niveau::Secondes, "À la seconde", "secondes"},
};

// What travels through the night (all masculine: "parti").
constexpr const char* voyagesDeNuit[] = {"Le train de nuit", "Le bateau", "Le car de la colonie"};
// What is timed to the second.
constexpr const char* courses[] = {"Léa court le cross de l'école", "Tom fait le tour du lac à vélo",
                                   "La classe fait une course de relais"};
constexpr int minute = 60;
constexpr int heureEnSecondes = 3600;

// Something of a child's day that lasts, and the hours it may begin at.
struct Scene {
    const char* sujet;   // "Le film"
    const char* pronom;  // "il"
    int premiere;        // first hour it may begin at
    int heures;          // how many hours after it it may begin at
};
constexpr Scene scenes[] = {
    {"Le film", "il", 14, 5},
    {"Le match de football", "il", 9, 7},
    {"La sortie au musée", "elle", 9, 5},
    {"La fête de l'école", "elle", 14, 3},
    {"Le voyage en train", "il", 7, 10},
};

// Two things one after the other, and the two questions asked of them:
// when the second ends, how long both last in all.
struct Suite {
    const char* texte;  // %1 the start, %2 and %3 the durations
    const char* fin;
    const char* duree;
    int premiere;
    int heures;
};
constexpr Suite suites[] = {
    {"Léa part de chez elle à %1. Elle marche %2 jusqu'à la gare, puis son train roule %3.",
     "À quelle heure arrive-t-elle ?", "Combien de temps dure son voyage en tout ?", 7, 7},
    {"Tom commence ses devoirs à %1. Il travaille %2, puis il joue %3.",
     "À quelle heure a-t-il fini de jouer ?", "Combien de temps a-t-il travaillé et joué en tout ?", 16, 3},
    {"La classe part en sortie à %1. Le car roule %2, puis la visite dure %3.",
     "À quelle heure finit la visite ?", "Combien de temps dure la sortie en tout ?", 8, 5},
};

constexpr int nombreCherche = 3;

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// One time plus (or minus) a duration, through the whole hour when it is
// passed: "14 h 35 + 25 min = 15 h ; 15 h + 1 h 15 min = 16 h 15".
QString ajout(int depuis, int d, int signe)
{
    using journee::numerique;
    const QString op = signe > 0 ? QStringLiteral(" + ") : QStringLiteral(" − ");
    const int vers = depuis + signe * d;
    const int m = depuis % 60;
    const int jusquALHeure = signe > 0 ? (60 - m) % 60 : m;
    const bool passe = d % 60 > jusquALHeure && jusquALHeure > 0;
    if (!passe)
        return numerique(depuis) + op + duree(d) + QStringLiteral(" = ") + numerique(vers);
    const int pile = depuis + signe * jusquALHeure;
    return numerique(depuis) + op + duree(jusquALHeure) + QStringLiteral(" = ") + numerique(pile)
         + QStringLiteral(" ; ") + numerique(pile) + op + duree(d - jusquALHeure)
         + QStringLiteral(" = ") + numerique(vers);
}

// A time to the second: "10 h 12 min 35 s"; a duration: "35 min 35 s".
QString heureSecondes(int s)
{
    return QStringLiteral("%1 h %2 min %3 s").arg(s / heureEnSecondes).arg(s / minute % 60).arg(s % minute);
}

// The steps to the second, as cycle 3 writes them: seconds and minutes
// carried when they pass 60, or a minute (an hour) broken to take away.
QString etapesSecondes(const Probleme& p)
{
    const auto ecrire = [](int h, int m, int s) { return QStringLiteral("%1 h %2 min %3 s").arg(h).arg(m).arg(s); };
    const int d = p.debut, f = p.fin();
    if (p.cherche == Cherche::Fin) {
        const int h = d / heureEnSecondes, m = d / minute % 60 + p.duree / minute, sec = d % minute + p.duree % minute;
        QString t = heureSecondes(d) + QStringLiteral(" + ") + journee::dureeSecondes(p.duree);
        if (sec < minute && m < 60)
            return t + QStringLiteral(" = ") + heureSecondes(f);
        t += QStringLiteral(" = ") + ecrire(h, m, sec);
        if (sec >= minute)
            t += QStringLiteral(" ; %1 s = 1 min %2 s").arg(sec).arg(sec - minute);
        const int minutes = m + sec / minute;
        if (minutes >= 60)
            t += QStringLiteral(" ; %1 min = 1 h %2 min").arg(minutes).arg(minutes - 60);
        return t + QStringLiteral(" ; donc ") + heureSecondes(f);
    }
    int h = f / heureEnSecondes, m = f / minute % 60, sec = f % minute;
    if (sec < d % minute) {
        m -= 1;
        sec += minute;
    }
    if (m < d / minute % 60) {
        h -= 1;
        m += 60;
    }
    const QString pose = ecrire(h, m, sec);
    const QString t = pose == heureSecondes(f) ? QString() : heureSecondes(f) + QStringLiteral(" = ") + pose + QStringLiteral(" ; ");
    return t + pose + QStringLiteral(" − ") + heureSecondes(d) + QStringLiteral(" = ") + journee::dureeSecondes(p.duree);
}

// Through midnight: "de 22 h 40 à minuit, il y a 1 h 20 min ; de minuit à
// 6 h 15, il y a 6 h 15 min ; 1 h 20 min + 6 h 15 min = 7 h 35 min".
QString etapesNuit(const Probleme& p)
{
    using journee::numerique;
    const int avant = journee::jour - p.debut, apres = p.fin() - journee::jour;
    switch (p.cherche) {
    case Cherche::Duree:
        return QStringLiteral("de %1 à minuit, il y a %2 ; de minuit à %3, il y a %4 ; %2 + %4 = %5")
            .arg(numerique(p.debut), duree(avant), numerique(p.fin()), duree(apres), duree(p.duree));
    case Cherche::Debut:
        return QStringLiteral("%1 − %2 = minuit ; minuit − %3 = %4 la veille")
            .arg(numerique(p.fin()), duree(apres), duree(avant), numerique(p.debut));
    case Cherche::Fin:
        break;
    }
    return QStringLiteral("%1 + %2 = minuit ; minuit + %3 = %4 le lendemain")
        .arg(numerique(p.debut), duree(avant), duree(apres), numerique(p.fin()));
}

}  // namespace

int valeur(const Probleme& p, int heures, int minutes, int secondes)
{
    return avecSecondes(p) ? heures * heureEnSecondes + minutes * minute + secondes : heures * 60 + minutes;
}

QString nom(Niveau n)
{
    return utf8(fiches[int(n)].nom);
}

QString cle(Niveau n)
{
    return QString::fromLatin1(fiches[int(n)].cle);
}

Niveau depuisCle(const QString& c)
{
    for (const Fiche& f : fiches)
        if (c == QLatin1String(f.cle))
            return f.niveau;
    return Niveau::HeuresEntieres;
}

int Probleme::reponse() const
{
    switch (cherche) {
    case Cherche::Debut:
        return debut;
    case Cherche::Duree:
        return duree + duree2;
    case Cherche::Fin:
        break;
    }
    // The next day's time, at the level that goes past midnight.
    return avecSecondes(*this) ? fin() : fin() % journee::jour;
}

Probleme tirer(RandomSource& hasard, Niveau n)
{
    Probleme p;
    p.niveau = n;
    const int cinq = 5;
    if (n == Niveau::JourSuivant) {
        // Leaves between 18 h and 23 h 55, arrives between 0 h 05 and 9 h the next day.
        p.scene = tirage(hasard, int(std::size(voyagesDeNuit)), 0);
        p.cherche = Cherche(tirage(hasard, nombreCherche, 0));
        p.debut = 18 * 60 + cinq * tirage(hasard, 6 * 12, 0);
        const int arrivee = journee::jour + cinq * tirage(hasard, 9 * 12, 1);
        p.duree = arrivee - p.debut;
        return p;
    }
    if (n == Niveau::Secondes) {
        // A race of 5 to 59 minutes, begun between 9 h and 16 h, to the second.
        p.scene = tirage(hasard, int(std::size(courses)), 0);
        p.cherche = tirage(hasard, 2, 0) == 1 ? Cherche::Duree : Cherche::Fin;
        p.debut = (9 + tirage(hasard, 7, 0)) * heureEnSecondes + tirage(hasard, 60, 0) * minute + tirage(hasard, 60, 0);
        p.duree = tirage(hasard, 55, 5) * minute + tirage(hasard, 59, 1);
        return p;
    }
    int premiere = 0, heures = 0;
    if (n == Niveau::DeuxEtapes) {
        p.scene = tirage(hasard, int(std::size(suites)), 0);
        p.cherche = tirage(hasard, 2, 0) == 1 ? Cherche::Duree : Cherche::Fin;
        premiere = suites[p.scene].premiere;
        heures = suites[p.scene].heures;
    } else {
        p.scene = tirage(hasard, int(std::size(scenes)), 0);
        p.cherche = Cherche(tirage(hasard, nombreCherche, 0));
        premiere = scenes[p.scene].premiere;
        heures = scenes[p.scene].heures;
    }
    const int heure = (premiere + tirage(hasard, heures, 0)) * 60;
    switch (n) {
    case Niveau::HeuresEntieres:
        p.debut = heure + cinq * tirage(hasard, 12, 0);
        p.duree = 60 * tirage(hasard, 4, 1);
        break;
    case Niveau::SansPasserLHeure: {
        // Begins and ends within the same hour.
        const int m = cinq * tirage(hasard, 11, 0);
        p.debut = heure + m;
        p.duree = cinq * tirage(hasard, (55 - m) / cinq, 1);
        break;
    }
    case Niveau::PasserLHeure: {
        // The minutes added go past the next hour.
        const int m = cinq * tirage(hasard, 10, 2);
        p.debut = heure + m;
        const int minutes = 60 - m + cinq * tirage(hasard, (m - 5) / cinq, 1);
        p.duree = 60 * tirage(hasard, 3, 0) + minutes;
        break;
    }
    case Niveau::DeuxEtapes:
        p.debut = heure + cinq * tirage(hasard, 12, 0);
        p.duree = cinq * tirage(hasard, 11, 1);
        p.duree2 = 60 * tirage(hasard, 2, 0) + cinq * tirage(hasard, 11, 1);
        break;
    case Niveau::JourSuivant:
    case Niveau::Secondes:
        break;
    }
    // Within the day, whatever the draw.
    while (p.fin() >= journee::jour)
        p.debut -= 60;
    return p;
}

QString enonce(const Probleme& p)
{
    using journee::numerique;
    if (p.niveau == Niveau::JourSuivant) {
        const QString sujet = utf8(voyagesDeNuit[p.scene]);
        switch (p.cherche) {
        case Cherche::Duree:
            return QStringLiteral("%1 part à %2 et arrive le lendemain à %3. Combien de temps dure le voyage ?")
                .arg(sujet, numerique(p.debut), numerique(p.fin()));
        case Cherche::Debut:
            return QStringLiteral("%1 arrive à %2, après %3 de voyage. À quelle heure est-il parti la veille ?")
                .arg(sujet, numerique(p.fin()), duree(p.duree));
        case Cherche::Fin:
            break;
        }
        return QStringLiteral("%1 part à %2 et voyage %3. À quelle heure arrive-t-il le lendemain ?")
            .arg(sujet, numerique(p.debut), duree(p.duree));
    }
    if (avecSecondes(p)) {
        const QString sujet = utf8(courses[p.scene]);
        if (p.cherche == Cherche::Duree)
            return QStringLiteral("%1. Le départ est à %2, l'arrivée à %3. Combien de temps la course a-t-elle duré ?")
                .arg(sujet, heureSecondes(p.debut), heureSecondes(p.fin()));
        return QStringLiteral("%1. Le départ est à %2, et la course dure %3. À quelle heure est l'arrivée ?")
            .arg(sujet, heureSecondes(p.debut), journee::dureeSecondes(p.duree));
    }
    if (p.duree2 > 0) {
        const Suite& s = suites[p.scene];
        return utf8(s.texte).arg(numerique(p.debut), duree(p.duree), duree(p.duree2)) + QLatin1Char(' ')
             + utf8(p.cherche == Cherche::Duree ? s.duree : s.fin);
    }
    const Scene& s = scenes[p.scene];
    const QString sujet = utf8(s.sujet);
    const QString pronom = utf8(s.pronom);
    switch (p.cherche) {
    case Cherche::Debut:
        return QStringLiteral("%1 finit à %2. %3 a duré %4. À quelle heure a-t-%5 commencé ?")
            .arg(sujet, numerique(p.fin()), pronom.at(0).toUpper() + pronom.mid(1), duree(p.duree), pronom);
    case Cherche::Duree:
        return QStringLiteral("%1 commence à %2 et finit à %3. Combien de temps dure-t-%4 ?")
            .arg(sujet, numerique(p.debut), numerique(p.fin()), pronom);
    case Cherche::Fin:
        break;
    }
    return QStringLiteral("%1 commence à %2 et dure %3. À quelle heure finit-%4 ?")
        .arg(sujet, numerique(p.debut), duree(p.duree), pronom);
}

QString ecrireReponse(const Probleme& p, int heures, int minutes, int secondes)
{
    const int t = valeur(p, heures, minutes, secondes);
    if (avecSecondes(p))
        return p.cherche == Cherche::Duree ? journee::dureeSecondes(t) : heureSecondes(t);
    return p.cherche == Cherche::Duree ? duree(t) : journee::numerique(t);
}

QString attendue(const Probleme& p)
{
    const int r = p.reponse();
    return avecSecondes(p) ? ecrireReponse(p, r / heureEnSecondes, r / minute % 60, r % minute)
                           : ecrireReponse(p, r / 60, r % 60);
}

QString etapes(const Probleme& p)
{
    if (avecSecondes(p))
        return etapesSecondes(p);
    if (p.niveau == Niveau::JourSuivant)
        return etapesNuit(p);
    switch (p.cherche) {
    case Cherche::Debut:
        return ajout(p.fin(), p.duree, -1);
    case Cherche::Duree: {
        // Two durations in a row: their sum.
        if (p.duree2 > 0)
            return duree(p.duree) + QStringLiteral(" + ") + duree(p.duree2) + QStringLiteral(" = ")
                 + duree(p.duree + p.duree2);
        // When the minutes cannot be taken away: up to the next whole hour,
        // then the rest.
        const int pile = (p.debut / 60 + 1) * 60;
        if (p.fin() % 60 >= p.debut % 60)
            return journee::numerique(p.fin()) + QStringLiteral(" − ") + journee::numerique(p.debut)
                 + QStringLiteral(" = ") + duree(p.duree);
        return QStringLiteral("de %1 à %2, il y a %3 ; de %2 à %4, il y a %5 ; %3 + %5 = %6")
            .arg(journee::numerique(p.debut), journee::numerique(pile), duree(pile - p.debut),
                 journee::numerique(p.fin()), duree(p.fin() - pile), duree(p.duree));
    }
    case Cherche::Fin:
        break;
    }
    QString s = ajout(p.debut, p.duree, 1);
    if (p.duree2 > 0)
        s += QStringLiteral(" ; puis ") + ajout(p.debut + p.duree, p.duree2, 1);
    return s;
}

}  // namespace durees
