// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions.h"

#include <algorithm>

#include "common/randomsource.h"
#include "common/texte.h"

namespace cal {

const QList<Niveau> niveauxJours{
    {"jours", "Les jours"}, {"mois", "Les mois"}, {"jours_du_mois", "30 ou 31 jours ?"}, {"plus_tard", "Dans N jours"}};
const QList<Niveau> niveauxPage{{"trouver", "Trouver un jour"}, {"compter", "Compter les jours"},
                                {"mois_suivant", "Au mois suivant"}};
const QList<Niveau> niveauxUnites{
    {"semaines", "Jours et semaines"}, {"mois_annees", "Mois et années"}, {"bissextiles", "Années bissextiles"}};
const QList<Niveau> niveauxSiecles{
    {"siecle", "Le siècle"}, {"bornes", "Début et fin"}, {"millenaires", "Millénaires"}};

namespace {

constexpr int joursParSemaine = 7;

QString u(const char* s)
{
    return QString::fromUtf8(s);
}

// The right answer and two others, in a drawn order: the question's
// choices and the index of the right one.
void melanger(Question& q, RandomSource& hasard, const QString& bonne, QStringList autres)
{
    autres.removeAll(bonne);
    autres.removeDuplicates();
    QStringList l{bonne};
    l += autres.mid(0, 2);
    while (!l.isEmpty())
        q.choix << l.takeAt(tirage(hasard, int(l.size()), 0));
    q.attendue = int(q.choix.indexOf(bonne));
}

// A weekday from Monday (1) on, any count of days away.
int jourPlus(int jour, int n)
{
    return ((jour - 1 + n) % joursParSemaine + joursParSemaine) % joursParSemaine + 1;
}

QString ordreDesJours()
{
    QStringList l;
    for (int j = 1; j <= joursParSemaine; ++j)
        l << nomJour(j);
    return u("Les jours vont dans cet ordre, ") + l.join(QStringLiteral(", ")) + QStringLiteral(", puis de nouveau lundi.");
}

QString ordreDesMois()
{
    QStringList l;
    for (int m = 1; m <= 12; ++m)
        l << nomMois(m);
    return u("Les mois vont dans cet ordre, ") + l.join(QStringLiteral(", ")) + QLatin1Char('.');
}

// "4e", "1er" (a month's or a week's rank).
QString rang(int n)
{
    return n == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(n);
}

QString pluriel(int n, const QString& mot)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(mot).arg(n > 1 && !mot.endsWith(QLatin1Char('s')) ? "s" : "");
}

Question joursSemaine(RandomSource& hasard)
{
    Question q;
    const int depart = tirage(hasard, joursParSemaine, 1);
    const struct { int ecart; const char* enonce; const char* pourquoi; } sortes[] = {
        {1, "Quel jour vient après %1 ?", "après %1 vient %2."},
        {-1, "Quel jour vient avant %1 ?", "avant %1 vient %2."},
        {1, "Aujourd'hui, c'est %1. Quel jour serons-nous demain ?", "demain est le jour après aujourd'hui, et après %1 vient %2."},
        {-1, "Aujourd'hui, c'est %1. Quel jour étions-nous hier ?", "hier est le jour avant aujourd'hui, et avant %1 vient %2."},
        {2, "Aujourd'hui, c'est %1. Quel jour serons-nous après-demain ?", "après-demain est deux jours après aujourd'hui, %1, %3, %2."},
        {-2, "Aujourd'hui, c'est %1. Quel jour étions-nous avant-hier ?", "avant-hier est deux jours avant aujourd'hui, %2, %3, %1."},
    };
    const auto& s = sortes[tirage(hasard, int(std::size(sortes)), 0)];
    const int bon = jourPlus(depart, s.ecart);
    const int entre = jourPlus(depart, s.ecart > 0 ? 1 : -1);
    q.enonce = u(s.enonce).arg(nomJour(depart));
    // Not every sentence names the day between.
    q.pourquoi = u(s.pourquoi)
                     .replace(QStringLiteral("%1"), nomJour(depart))
                     .replace(QStringLiteral("%2"), nomJour(bon))
                     .replace(QStringLiteral("%3"), nomJour(entre))
               + QLatin1Char(' ') + ordreDesJours();
    melanger(q, hasard, nomJour(bon), {nomJour(jourPlus(depart, -s.ecart)), nomJour(jourPlus(bon, s.ecart > 0 ? 1 : -1))});
    return q;
}

Question moisAnnee(RandomSource& hasard)
{
    Question q;
    const int m = tirage(hasard, 12, 1);
    const int suivant = m % 12 + 1, precedent = (m + 10) % 12 + 1;
    switch (tirage(hasard, 4, 0)) {
    case 0:
        q.enonce = u("Quel mois vient après %1 ?").arg(nomMois(m));
        q.pourquoi = u("après %1 vient %2. ").arg(nomMois(m), nomMois(suivant)) + ordreDesMois();
        melanger(q, hasard, nomMois(suivant), {nomMois(precedent), nomMois(suivant % 12 + 1)});
        break;
    case 1:
        q.enonce = u("Quel mois vient avant %1 ?").arg(nomMois(m));
        q.pourquoi = u("avant %1 vient %2. ").arg(nomMois(m), nomMois(precedent)) + ordreDesMois();
        melanger(q, hasard, nomMois(precedent), {nomMois(suivant), nomMois((precedent + 10) % 12 + 1)});
        break;
    case 2:
        q.enonce = u("Quel est le %1 mois de l'année ?").arg(rang(m));
        q.pourquoi = u("%1 est le %2 mois de l'année. ").arg(nomMois(m), rang(m)) + ordreDesMois();
        melanger(q, hasard, nomMois(m), {nomMois(precedent), nomMois(suivant)});
        break;
    default:
        q.enonce = u("Quel est le rang de %1 dans l'année ?").arg(nomMois(m));
        q.pourquoi = u("%1 est le %2 mois de l'année. ").arg(nomMois(m), rang(m)) + ordreDesMois();
        melanger(q, hasard, QStringLiteral("le %1").arg(rang(m)),
                 {QStringLiteral("le %1").arg(rang(m == 1 ? 3 : m - 1)), QStringLiteral("le %1").arg(rang(m == 12 ? 10 : m + 1))});
        break;
    }
    return q;
}

// The rhyme of the knuckles: on two closed fists, from January on, a month
// on a knuckle has 31 days, one between two knuckles 30 (February aside).
QString surLesPoings(int mois)
{
    const bool bosse = mois <= 7 ? mois % 2 == 1 : mois % 2 == 0;
    return u("sur tes poings fermés, en comptant depuis janvier, les mois sur une bosse ont 31 jours, ceux dans un creux "
             "30, sauf février. %1 est %2, donc il a %3 jours.")
        .arg(texte::majusculeInitiale(nomMois(mois)), bosse ? u("sur une bosse") : u("dans un creux"))
        .arg(bosse ? 31 : 30);
}

Question joursDuMois(RandomSource& hasard, QDate aujourdhui)
{
    Question q;
    const int m = tirage(hasard, 12, 1);
    if (m != 2) {
        const int n = QDate(aujourdhui.year(), m, 1).daysInMonth();
        q.enonce = u("Combien de jours y a-t-il en %1 ?").arg(nomMois(m));
        q.pourquoi = surLesPoings(m);
        melanger(q, hasard, pluriel(n, u("jour")), {pluriel(28, u("jour")), pluriel(n == 31 ? 30 : 31, u("jour"))});
        return q;
    }
    const int annee = aujourdhui.year() - 2 + tirage(hasard, 6, 0);
    const int n = QDate(annee, 2, 1).daysInMonth();
    q.enonce = u("Combien de jours y a-t-il en février %1 ?").arg(annee);
    q.pourquoi = u("février a 28 jours, et 29 les années bissextiles. %1 %2, donc février %1 a %3 jours.")
                     .arg(annee)
                     .arg(QDate::isLeapYear(annee) ? u("est bissextile") : u("n'est pas bissextile"))
                     .arg(n);
    melanger(q, hasard, pluriel(n, u("jour")), {pluriel(n == 28 ? 29 : 28, u("jour")), pluriel(30, u("jour"))});
    return q;
}

Question plusTard(RandomSource& hasard)
{
    Question q;
    const int depart = tirage(hasard, joursParSemaine, 1);
    const int n = tirage(hasard, 18, 3);
    const int bon = jourPlus(depart, n);
    const int semaines = n / joursParSemaine, reste = n % joursParSemaine;
    q.enonce = u("Aujourd'hui, c'est %1. Quel jour de la semaine serons-nous dans %2 jours ?").arg(nomJour(depart)).arg(n);
    const QString enSemaines = pluriel(semaines, u("semaine"));
    if (semaines == 0)
        q.pourquoi = u("%1 jours après %2, on arrive à %3.").arg(n).arg(nomJour(depart), nomJour(bon));
    else if (reste == 0)
        q.pourquoi = u("%1 jours, c'est %2. %2 après %3, c'est de nouveau %3.").arg(n).arg(enSemaines, nomJour(depart));
    else
        q.pourquoi = u("%1 jours, c'est %2 et %3. %2 après %4, c'est de nouveau %4, et %3 plus tard, c'est %5.")
                         .arg(n)
                         .arg(enSemaines, pluriel(reste, u("jour")), nomJour(depart), nomJour(bon));
    melanger(q, hasard, nomJour(bon), {nomJour(jourPlus(bon, -1)), nomJour(jourPlus(bon, 1))});
    return q;
}

// "le 7, le 14, le 21 et le 28".
QString enumeration(const QList<int>& jours)
{
    QStringList l;
    for (int j : jours)
        l << (j == 1 ? QStringLiteral("le 1er") : QStringLiteral("le %1").arg(j));
    const QString dernier = l.takeLast();
    return l.isEmpty() ? dernier : l.join(QStringLiteral(", ")) + QStringLiteral(" et ") + dernier;
}

// The days of the month that fall on that weekday.
QList<int> jours(QDate premier, int jourSemaine)
{
    QList<int> l;
    for (QDate d = premier; d.month() == premier.month(); d = d.addDays(1))
        if (d.dayOfWeek() == jourSemaine)
            l << d.day();
    return l;
}

QString moisEtAnnee(QDate d)
{
    return nomMois(d.month()) + QLatin1Char(' ') + QString::number(d.year());
}

Question trouver(RandomSource& hasard, QDate premier)
{
    Question q;
    q.page = premier;
    const int dernier = premier.daysInMonth();
    if (tirage(hasard, 2, 0) == 0) {
        const QDate d = premier.addDays(tirage(hasard, dernier, 0));
        q.enonce = u("Quel jour de la semaine est le %1 ?").arg(date(d, false));
        q.pourquoi = u("le %1 est dans la colonne du %2, c'est un %2.").arg(date(d), nomJour(d.dayOfWeek()));
        melanger(q, hasard, nomJour(d.dayOfWeek()), {nomJour(jourPlus(d.dayOfWeek(), -1)), nomJour(jourPlus(d.dayOfWeek(), 1))});
        return q;
    }
    static const char* const rangs[] = {"premier", "deuxième", "troisième", "quatrième"};
    const int js = tirage(hasard, joursParSemaine, 1);
    const QList<int> ceux = jours(premier, js);
    const int k = tirage(hasard, 4, 0);
    q.forme = Forme::Jour;
    q.attendue = ceux[k];
    q.jourCherche = u("le %1 %2 de %3").arg(u(rangs[k]), nomJour(js), moisEtAnnee(premier));
    q.enonce = u("Appuie sur %1.").arg(q.jourCherche);
    q.pourquoi = u("en %1, les %2s sont %3. Le %4 est le %5.")
                     .arg(moisEtAnnee(premier), nomJour(js), enumeration(ceux), u(rangs[k]), date(premier.addDays(ceux[k] - 1), false));
    return q;
}

Question compter(RandomSource& hasard, QDate premier)
{
    Question q;
    q.page = premier;
    if (tirage(hasard, 2, 0) == 0) {
        const int js = tirage(hasard, joursParSemaine, 1);
        const QList<int> ceux = jours(premier, js);
        const int n = int(ceux.size());
        q.enonce = u("Combien y a-t-il de %1s en %2 ?").arg(nomJour(js), moisEtAnnee(premier));
        q.pourquoi = u("en %1, les %2s sont %3, cela fait %4 %2s.").arg(moisEtAnnee(premier), nomJour(js), enumeration(ceux)).arg(n);
        melanger(q, hasard, QString::number(n), {QString::number(n == 4 ? 5 : 4), QString::number(n == 4 ? 3 : 6)});
        return q;
    }
    const int debut = tirage(hasard, 12, 1), n = tirage(hasard, 15, 3);
    const QDate a = premier.addDays(debut - 1), b = a.addDays(n);
    q.enonce = u("Combien de jours passent du %1 au %2 ?").arg(dateComplete(a), dateComplete(b));
    q.pourquoi = u("%1 − %2 = %3, donc %3 jours passent.").arg(b.day()).arg(a.day()).arg(n);
    melanger(q, hasard, pluriel(n, u("jour")), {pluriel(n + 1, u("jour")), pluriel(n - 1, u("jour"))});
    return q;
}

Question moisSuivant(RandomSource& hasard, QDate premier)
{
    Question q;
    q.page = premier;
    const int dernier = premier.daysInMonth();
    const bool semaine = tirage(hasard, 2, 0) == 0;
    const int n = semaine ? joursParSemaine : 10;
    const QDate d = premier.addDays(dernier - 1 - tirage(hasard, n - 1, 0));
    const QDate apres = d.addDays(n);
    const QString combien = semaine ? u("une semaine") : u("10 jours");
    q.enonce = u("Quelle date serons-nous %1 après le %2 ?").arg(combien, date(d, false));
    q.pourquoi = u("%1 a %2 jours, donc %3 après le %4, c'est le %5.")
                     .arg(moisEtAnnee(premier))
                     .arg(dernier)
                     .arg(combien, date(d, false), date(apres, false));
    melanger(q, hasard, date(apres, false), {date(apres.addDays(-1), false), date(apres.addDays(1), false)});
    return q;
}

// A conversion: the right count and two others a child may give.
Question conversion(RandomSource& hasard, const QString& enonce, const QString& pourquoi, int bon, const QString& unite,
                    QList<int> autres)
{
    Question q;
    q.enonce = enonce;
    q.pourquoi = pourquoi;
    QStringList l;
    for (int a : autres)
        if (a >= 0)
            l << pluriel(a, unite);
    melanger(q, hasard, pluriel(bon, unite), l);
    return q;
}

Question semainesJours(RandomSource& hasard)
{
    const int n = tirage(hasard, 4, 2);
    switch (tirage(hasard, 3, 0)) {
    case 0:
        return conversion(hasard, u("%1 semaines, cela fait combien de jours ?").arg(n),
                          u("1 semaine = 7 jours, donc %1 semaines = %1 × 7 jours = %2 jours.").arg(n).arg(7 * n), 7 * n,
                          u("jour"), {10 * n, 7 * n + 7});
    case 1:
        return conversion(hasard, u("%1 jours, cela fait combien de semaines ?").arg(7 * n),
                          u("1 semaine = 7 jours, et %1 = %2 × 7, donc %1 jours = %2 semaines.").arg(7 * n).arg(n), n,
                          u("semaine"), {n + 1, n - 1});
    default:
        return conversion(hasard, u("%1 jours, cela fait combien d'heures ?").arg(n),
                          u("1 jour = 24 h, donc %1 jours = %1 × 24 h = %2 h.").arg(n).arg(24 * n), 24 * n, u("heure"),
                          {12 * n, 10 * n});
    }
}

Question moisAnnees(RandomSource& hasard)
{
    const int n = tirage(hasard, 3, 2), m = tirage(hasard, 11, 1), h = tirage(hasard, 11, 1);
    switch (tirage(hasard, 4, 0)) {
    case 0:
        return conversion(hasard, u("%1 ans, cela fait combien de mois ?").arg(n),
                          u("1 an = 12 mois, donc %1 ans = %1 × 12 mois = %2 mois.").arg(n).arg(12 * n), 12 * n, u("mois"),
                          {10 * n, 12 * n + 12});
    case 1:
        return conversion(hasard, u("1 an et %1 mois, cela fait combien de mois ?").arg(m),
                          u("1 an = 12 mois, donc 1 an et %1 mois = 12 mois + %1 mois = %2 mois.").arg(m).arg(12 + m), 12 + m,
                          u("mois"), {10 + m, m + 1});
    case 2:
        return conversion(hasard, u("%1 h, cela fait combien de jours ?").arg(24 * n),
                          u("1 jour = 24 h, et %1 = %2 × 24, donc %1 h = %2 jours.").arg(24 * n).arg(n), n, u("jour"),
                          {n + 1, 2 * n});
    default:
        return conversion(hasard, u("1 jour et %1 h, cela fait combien d'heures ?").arg(h),
                          u("1 jour = 24 h, donc 1 jour et %1 h = 24 h + %1 h = %2 h.").arg(h).arg(24 + h), 24 + h, u("heure"),
                          {10 + h, 12 + h});
    }
}

QString regleBissextile(int annee)
{
    const bool b = QDate::isLeapYear(annee);
    QString pourquoi;
    if (annee % 400 == 0)
        pourquoi = u("%1 se divise par 400");
    else if (annee % 100 == 0)
        pourquoi = u("%1 est une année de siècle qui ne se divise pas par 400");
    else if (annee % 4 == 0)
        pourquoi = u("%1 se divise par 4");
    else
        pourquoi = u("%1 ne se divise pas par 4");
    return u("une année bissextile se divise par 4, et une année de siècle par 400. ")
         + texte::majusculeInitiale(pourquoi.arg(annee))
         + (b ? u(", donc elle est bissextile et a 366 jours.") : u(", donc elle n'est pas bissextile et a 365 jours."));
}

Question bissextiles(RandomSource& hasard)
{
    // Century years now and then: the exception is what is learnt.
    const int annee = tirage(hasard, 4, 0) == 0 ? 100 * tirage(hasard, 5, 17) : tirage(hasard, 160, 1950);
    Question q;
    q.pourquoi = regleBissextile(annee);
    const bool b = QDate::isLeapYear(annee);
    if (tirage(hasard, 2, 0) == 0) {
        q.enonce = u("L'année %1 est-elle bissextile ?").arg(annee);
        q.choix = {u("Oui"), u("Non")};
        q.attendue = b ? 0 : 1;
    } else {
        q.enonce = u("Combien de jours y a-t-il dans l'année %1 ?").arg(annee);
        q.choix = {u("365 jours"), u("366 jours")};
        q.attendue = b ? 1 : 0;
    }
    return q;
}

QString bornesSiecle(int s)
{
    return u("le %1 va de %2 à %3").arg(texte::siecle(s)).arg(100 * (s - 1) + 1).arg(100 * s);
}

Question siecleAnnee(RandomSource& hasard)
{
    Question q;
    const int annee = tirage(hasard, 4, 0) == 0 ? 100 * tirage(hasard, 12, 9) : tirage(hasard, 1300, 800);
    const int s = siecleDe(annee);
    q.enonce = u("En quel siècle est l'année %1 ?").arg(annee);
    q.pourquoi = bornesSiecle(s) + u(", et %1 est entre les deux.").arg(annee);
    melanger(q, hasard, texte::siecle(s), {texte::siecle(s - 1), texte::siecle(s + 1)});
    return q;
}

Question bornes(RandomSource& hasard)
{
    Question q;
    const int s = tirage(hasard, 14, 8);
    q.pourquoi = bornesSiecle(s) + u(". Le premier siècle a commencé en l'an 1, et chaque siècle dure 100 ans.");
    if (tirage(hasard, 2, 0) == 0) {
        const int a = 100 * (s - 1) + 1;
        q.enonce = u("Quelle est la première année du %1 ?").arg(texte::siecle(s));
        melanger(q, hasard, QString::number(a), {QString::number(a - 1), QString::number(a + 99)});
    } else {
        const int b = 100 * s;
        q.enonce = u("Quelle est la dernière année du %1 ?").arg(texte::siecle(s));
        melanger(q, hasard, QString::number(b), {QString::number(b - 1), QString::number(b + 1)});
    }
    return q;
}

// Dates of history a primary class meets.
struct Evenement {
    int annee;
    const char* nom;
};
constexpr Evenement evenements[] = {
    {800, "le sacre de Charlemagne"},
    {1431, "la mort de Jeanne d'Arc"},
    {1492, "l'arrivée de Christophe Colomb en Amérique"},
    {1515, "la bataille de Marignan"},
    {1789, "la prise de la Bastille"},
    {1804, "le sacre de Napoléon"},
    {1848, "l'abolition de l'esclavage en France"},
    {1882, "l'école obligatoire pour tous"},
    {1914, "le début de la Première Guerre mondiale"},
    {1945, "la fin de la Seconde Guerre mondiale"},
    {1969, "les premiers pas sur la Lune"},
};

Question millenaires(RandomSource& hasard)
{
    Question q;
    switch (tirage(hasard, 3, 0)) {
    case 0: {
        const int annee = tirage(hasard, 2100, 1);
        const int m = millenaireDe(annee);
        q.enonce = u("En quel millénaire est l'année %1 ?").arg(annee);
        q.pourquoi = u("le %1 va de %2 à %3, et %4 est entre les deux.")
                         .arg(texte::millenaire(m))
                         .arg(1000 * (m - 1) + 1)
                         .arg(1000 * m)
                         .arg(annee);
        melanger(q, hasard, texte::millenaire(m), {texte::millenaire(1), texte::millenaire(2), texte::millenaire(3)});
        return q;
    }
    case 1: {
        const int i = tirage(hasard, int(std::size(evenements)) - 1, 0);
        const int j = tirage(hasard, int(std::size(evenements)) - 1 - i, i + 1);
        const Evenement& a = evenements[i];
        const Evenement& b = evenements[j];
        const int n = b.annee - a.annee;
        q.enonce = u("Entre %1 (%2) et %3 (%4), combien d'années ont passé ?").arg(u(a.nom)).arg(a.annee).arg(u(b.nom)).arg(b.annee);
        q.pourquoi = u("%1 − %2 = %3, donc %3 années ont passé.").arg(b.annee).arg(a.annee).arg(n);
        melanger(q, hasard, pluriel(n, u("année")), {pluriel(n + 10, u("année")), pluriel(n - 10, u("année"))});
        return q;
    }
    default: {
        QList<int> pris;
        while (pris.size() < 3) {
            const int i = tirage(hasard, int(std::size(evenements)), 0);
            if (!pris.contains(i))
                pris << i;
        }
        std::sort(pris.begin(), pris.end());
        const Evenement& premier = evenements[pris[0]];
        q.enonce = u("Sur la frise du temps, quel événement vient en premier ?");
        q.pourquoi = u("en %2, c'était %1, avant %3 (%4) et %5 (%6).")
                         .arg(u(premier.nom))
                         .arg(premier.annee)
                         .arg(u(evenements[pris[1]].nom))
                         .arg(evenements[pris[1]].annee)
                         .arg(u(evenements[pris[2]].nom))
                         .arg(evenements[pris[2]].annee);
        melanger(q, hasard, texte::majusculeInitiale(u(premier.nom)),
                 {texte::majusculeInitiale(u(evenements[pris[1]].nom)), texte::majusculeInitiale(u(evenements[pris[2]].nom))});
        return q;
    }
    }
}

}  // namespace

int siecleDe(int annee)
{
    return (annee - 1) / 100 + 1;
}

int millenaireDe(int annee)
{
    return (annee - 1) / 1000 + 1;
}

QDate autreMois(RandomSource& hasard, QDate aujourdhui)
{
    const QDate ici(aujourdhui.year(), aujourdhui.month(), 1);
    // A leap February one time in four: 29 days are worth a look.
    if (tirage(hasard, 4, 0) == 0) {
        int annee = aujourdhui.year() - 3 + tirage(hasard, 7, 0);
        while (!QDate::isLeapYear(annee))
            ++annee;
        return {annee, 2, 1};
    }
    const int ecart = tirage(hasard, 72, -36);
    return ici.addMonths(ecart == 0 ? 1 : ecart);
}

QString ecrire(const Question& q, int valeur)
{
    if (q.forme == Forme::Jour)
        return q.page.isValid() && valeur >= 1 && valeur <= q.page.daysInMonth() ? date(q.page.addDays(valeur - 1)) : QString();
    return q.choix.value(valeur);
}

bool juste(const Question& q, int valeur)
{
    return valeur == q.attendue;
}

QString verdict(const Question& q, int valeur)
{
    return juste(q, valeur) ? QStringLiteral("Bravo ! ") + texte::majusculeInitiale(q.pourquoi)
                            : QStringLiteral("Erreur : ") + q.pourquoi;
}

Question jours(RandomSource& hasard, int niveau, QDate aujourdhui)
{
    switch (niveau) {
    case 0:
        return joursSemaine(hasard);
    case 1:
        return moisAnnee(hasard);
    case 2:
        return joursDuMois(hasard, aujourdhui);
    default:
        return plusTard(hasard);
    }
}

QString enonceSurPapier(const Question& q)
{
    return q.forme == Forme::Jour ? u("Entoure %1.").arg(q.jourCherche) : q.enonce;
}

Question page(RandomSource& hasard, int niveau, QDate mois)
{
    switch (niveau) {
    case 0:
        return trouver(hasard, mois);
    case 1:
        return compter(hasard, mois);
    default:
        return moisSuivant(hasard, mois);
    }
}

Question unites(RandomSource& hasard, int niveau)
{
    switch (niveau) {
    case 0:
        return semainesJours(hasard);
    case 1:
        return moisAnnees(hasard);
    default:
        return bissextiles(hasard);
    }
}

Question siecles(RandomSource& hasard, int niveau)
{
    switch (niveau) {
    case 0:
        return siecleAnnee(hasard);
    case 1:
        return bornes(hasard);
    default:
        return millenaires(hasard);
    }
}

}  // namespace cal
