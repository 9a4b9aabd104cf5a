// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiguilles.h"

#include <QList>
#include <QRegularExpression>
#include <cmath>

#include "common/randomsource.h"
#include "common/journee.h"

namespace aiguilles {

namespace {

double normaliser(double angle)
{
    const double a = std::fmod(angle, 360.0);
    return a < 0 ? a + 360 : a;
}

struct Fiche {
    Niveau niveau;
    int pas;
    const char* nom;
    const char* cle;
};
constexpr Fiche fiches[] = {
    {Niveau::Heures, 60, "Heures", "heures"},
    {Niveau::DemiHeures, 30, "Demi-heures", "demi_heures"},
    {Niveau::QuartsDHeure, 15, "Quarts d'heure", "quarts"},
    {Niveau::CinqMinutes, 5, "5 minutes", "cinq_minutes"},
    {Niveau::ToutesLesMinutes, 1, "Toutes les minutes", "minutes"},
    {Niveau::ApresMidi, 5, "Après-midi", "apres_midi"},
    {Niveau::AvecSecondes, 1, "Avec les secondes", "secondes"},
};
constexpr int secondesParMinute = 60;
constexpr int pasSecondes = 5;

const Fiche& fiche(Niveau n)
{
    return fiches[int(n)];
}

}  // namespace

int surCadran(int minutes)
{
    return (minutes % tour + tour) % tour;
}

int heure(int minutes)
{
    const int h = surCadran(minutes) / 60;
    return h == 0 ? 12 : h;
}

int minute(int minutes)
{
    return surCadran(minutes) % 60;
}

int depuis(int h, int m)
{
    return surCadran(h * 60 + m);
}

QString texte(int minutes)
{
    return journee::surCadran(minutes);
}

QString texteSecondes(int minutes, int secondes)
{
    return journee::avecSecondes(minutes, secondes);
}

double angleMinutes(int minutes)
{
    return minute(minutes) * 6.0;
}

double angleSecondes(int secondes)
{
    return secondes * 6.0;
}

double angleMinutes(int minutes, int secondes)
{
    return angleMinutes(minutes) + secondes * 0.1;
}

double angleHeures(int minutes)
{
    return surCadran(minutes) * 0.5;
}

double angleHeures(int minutes, int secondes)
{
    return angleHeures(minutes) + secondes * 0.5 / secondesParMinute;
}

double ecart(double a, double b)
{
    const double d = normaliser(a - b);
    return std::min(d, 360 - d);
}

Aiguille plusProche(int minutes, double angle)
{
    const bool heures = ecart(angle, angleHeures(minutes)) < ecart(angle, angleMinutes(minutes));
    return heures ? Aiguille::Heures : Aiguille::Minutes;
}

namespace {
// From `actuel` (0 to 59) to the mark nearest that direction, the shorter way.
int versLaMarque(int actuel, double angle)
{
    const int visee = int(std::lround(normaliser(angle) / 6)) % 60;
    int d = visee - actuel;
    if (d > 30)
        d -= 60;
    else if (d < -30)
        d += 60;
    return d;
}
}  // namespace

int tournerMinutes(int minutes, double angle)
{
    return surCadran(minutes + versLaMarque(minute(minutes), angle));
}

int tournerSecondes(int secondesDuCadran, double angle)
{
    return avancerSecondes(secondesDuCadran, versLaMarque(secondesDuCadran % secondesParMinute, angle));
}

int avancerSecondes(int secondesDuCadran, int pas)
{
    return ((secondesDuCadran + pas) % tourSecondes + tourSecondes) % tourSecondes;
}

Aiguille plusProche(int minutes, int secondes, double angle)
{
    const double s = ecart(angle, angleSecondes(secondes));
    const double m = ecart(angle, angleMinutes(minutes, secondes));
    const double h = ecart(angle, angleHeures(minutes));
    if (s < m && s < h)
        return Aiguille::Secondes;
    return h < m ? Aiguille::Heures : Aiguille::Minutes;
}

int tournerHeures(int minutes, double angle)
{
    const int m = minute(minutes);
    const int h = int(std::lround((normaliser(angle) - m * 0.5) / 30));
    return depuis(h, m);
}

int avancer(int minutes, int pas)
{
    return surCadran(minutes + pas);
}

int inverser(int minutes)
{
    return depuis(minute(minutes) / 5, heure(minutes) % 12 * 5);
}

bool aiguillesInversees(int donnee, int attendue)
{
    const int d = surCadran(donnee);
    const int a = surCadran(attendue);
    if (d == a || heure(d) % 12 != minute(a) / 5)
        return false;
    const int lu = heure(a) % 12 * 5;
    return minute(d) == lu || (minute(a) >= 30 && minute(d) == (lu + 5) % 60);
}

QString phraseInversion()
{
    return QStringLiteral(
        "Attention : la petite aiguille montre les heures, la grande aiguille montre les minutes.");
}

int pas(Niveau n)
{
    return fiche(n).pas;
}

QString nom(Niveau n)
{
    return QString::fromUtf8(fiche(n).nom);
}

QString cle(Niveau n)
{
    return QString::fromLatin1(fiche(n).cle);
}

Niveau depuisCle(const QString& c)
{
    for (const Fiche& f : fiches)
        if (c == QLatin1String(f.cle))
            return f.niveau;
    return Niveau::Heures;
}

std::optional<Niveau> niveauDuTexte(const QString& t)
{
    // Written "4 h 45 mn" by older versions, "4 h 45" or "8 h" since.
    static const QRegularExpression heure(QStringLiteral("^(\\d{1,2}) h(?: (\\d{1,2})(?: mn)?)?$"));
    const QRegularExpressionMatch m = heure.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const int minutes = depuis(m.captured(1).toInt(), m.captured(2).toInt());
    for (Niveau n : niveaux)
        if (minutes % pas(n) == 0)
            return n;
    return std::nullopt;
}

int tirer(RandomSource& hasard, Niveau n, int affichee)
{
    QList<int> possibles;
    // The afternoon's hours are 13 h to 23 h: 1 h to 11 h on the dial.
    const int premiere = n == Niveau::ApresMidi ? 60 : 0;
    for (int t = premiere; t < tour; t += pas(n))
        if (t != surCadran(affichee))
            possibles.append(t);
    return possibles[tirage(hasard, int(possibles.size()), 0)];
}

int tirerSecondes(RandomSource& hasard)
{
    return pasSecondes * tirage(hasard, secondesParMinute / pasSecondes, 0);
}

}  // namespace aiguilles
