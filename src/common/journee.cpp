// SPDX-License-Identifier: GPL-3.0-or-later
#include "journee.h"

#include <QStringList>
#include <array>

namespace journee {

namespace {

// What follows the hour, for each five minutes from the hour on; from the
// half hour on, the next hour is named.
constexpr std::array<const char*, 12> apresLHeure{
    "",       " cinq",  " dix",           " et quart",          " vingt",
    " vingt-cinq",      " et demie",      " moins vingt-cinq",  " moins vingt",
    " moins le quart",  " moins dix",     " moins cinq"};
constexpr int premierMoins = 7;  // " moins vingt-cinq"
constexpr int demie = 6;
// Midi and minuit are masculine: "midi et demi".
const QString demiMasculin = QStringLiteral(" et demi");

const QString motMidi = QStringLiteral("midi");
const QString motMinuit = QStringLiteral("minuit");

}  // namespace

int dansLaJournee(int minutes)
{
    return (minutes % jour + jour) % jour;
}

QString numerique(int t)
{
    t = dansLaJournee(t);
    const QString h = QString::number(t / 60) + QStringLiteral(" h");
    return t % 60 == 0 ? h : h + QStringLiteral(" %1").arg(t % 60, 2, 10, QLatin1Char('0'));
}

QString surCadran(int t)
{
    const int m = (t % midi + midi) % midi;
    return numerique(m < 60 ? m + midi : m);
}

QString avecSecondes(int t, int secondes)
{
    const int m = (t % midi + midi) % midi;
    return QStringLiteral("%1 h %2 min %3 s").arg(m < 60 ? 12 : m / 60).arg(m % 60).arg(secondes);
}

QString duree(int minutes)
{
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    const QString h = QStringLiteral("%1 h").arg(minutes / 60);
    return minutes % 60 == 0 ? h : h + QStringLiteral(" %1 min").arg(minutes % 60);
}

QString dureeSecondes(int s)
{
    QStringList l;
    if (s >= 3600)
        l << QStringLiteral("%1 h").arg(s / 3600);
    if (s / 60 % 60 > 0)
        l << QStringLiteral("%1 min").arg(s / 60 % 60);
    if (s % 60 > 0 || l.isEmpty())
        l << QStringLiteral("%1 s").arg(s % 60);
    return l.join(QLatin1Char(' '));
}

QString libelleHeures(int h)
{
    return QStringLiteral("%1 h").arg(h);
}

QString libelleMinutes(bool duree, int m)
{
    return duree ? QStringLiteral("%1 min").arg(m) : QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
}

QString nomHeure(int h)
{
    if (h % 24 == 0)
        return motMinuit;
    if (h == 12)
        return motMidi;
    const int cadran = h % 12;
    return cadran == 1 ? QStringLiteral("1 heure") : QStringLiteral("%1 heures").arg(cadran);
}

QString enMots(int t)
{
    t = dansLaJournee(t);
    const int cinq = t % 60 / 5;
    const int h = t / 60 + (cinq >= premierMoins ? 1 : 0);
    const QString heure = nomHeure(h);
    if (cinq == demie && (heure == motMidi || heure == motMinuit))
        return heure + demiMasculin;
    return heure + QLatin1String(apresLHeure[size_t(cinq)]);
}

QString enLettres(int n, bool feminin)
{
    static const char* const unites[] = {"zéro", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit",
                                         "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize"};
    static const char* const dizaines[] = {"", "dix", "vingt", "trente", "quarante", "cinquante"};
    const auto un = [feminin](const char* mot) {
        return feminin && QLatin1String(mot) == QLatin1String("un") ? QStringLiteral("une") : QString::fromUtf8(mot);
    };
    if (n <= 16)
        return un(unites[n]);
    const int d = n / 10, u = n % 10;
    const QString dizaine = QString::fromUtf8(dizaines[d]);
    if (u == 0)
        return dizaine;
    return dizaine + (u == 1 ? QStringLiteral("-et-") : QStringLiteral("-")) + un(unites[u]);
}

namespace {

// "une heure", "quatre heures", "midi", "minuit"; 0 and 24 are minuit.
QString heureEnLettres(int h)
{
    if (h % 24 == 0)
        return motMinuit;
    if (h == 12)
        return motMidi;
    const int c = h % 12;
    return enLettres(c) + (c == 1 ? QStringLiteral(" heure") : QStringLiteral(" heures"));
}

}  // namespace

QString enToutesLettres(int t)
{
    t = dansLaJournee(t);
    const int m = t % 60;
    if (m % 5 != 0)
        return heureEnLettres(t / 60) + QLatin1Char(' ') + enLettres(m);
    const int cinq = m / 5;
    const int h = t / 60 + (cinq >= premierMoins ? 1 : 0);
    const QString heure = heureEnLettres(h);
    if (cinq == demie && (heure == motMidi || heure == motMinuit))
        return heure + demiMasculin;
    return heure + QLatin1String(apresLHeure[size_t(cinq)]);
}

QString numeriqueEnLettres(int t)
{
    t = dansLaJournee(t);
    const int h = t / 60, m = t % 60;
    const QString heures = enLettres(h) + (h <= 1 ? QStringLiteral(" heure") : QStringLiteral(" heures"));
    return m == 0 ? heures : heures + QLatin1Char(' ') + enLettres(m);
}

std::optional<int> depuisMots(const QString& mots)
{
    for (int cinq = 0; cinq < int(apresLHeure.size()); ++cinq) {
        const QString suite = QLatin1String(apresLHeure[size_t(cinq)]);
        const int decalage = cinq * 5 - (cinq >= premierMoins ? 60 : 0);
        const auto dit = [&](const QString& heure, int h) -> std::optional<int> {
            const bool masculin = heure == motMidi || heure == motMinuit;
            const QString fin = masculin && cinq == demie ? demiMasculin : suite;
            if (mots != heure + fin)
                return std::nullopt;
            return dansLaJournee(h * 60 + decalage) % midi;
        };
        for (int h = 1; h <= 12; ++h) {
            if (auto t = dit(nomHeure(h), h))
                return t;
        }
        if (auto t = dit(motMinuit, 0))
            return t;
    }
    return std::nullopt;
}

}  // namespace journee
