// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiguilles.h"

#include <QList>
#include <QRegularExpression>
#include <cmath>

#include "common/randomsource.h"
#include "common/texte.h"

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
};

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
    return texte::heuresMinutes(heure(minutes), minute(minutes));
}

double angleMinutes(int minutes)
{
    return minute(minutes) * 6.0;
}

double angleHeures(int minutes)
{
    return surCadran(minutes) * 0.5;
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

int tournerMinutes(int minutes, double angle)
{
    const int visee = int(std::lround(normaliser(angle) / 6)) % 60;
    int d = visee - minute(minutes);
    if (d > 30)
        d -= 60;
    else if (d < -30)
        d += 60;
    return surCadran(minutes + d);
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
    static const QRegularExpression heure(QStringLiteral("^(\\d{1,2}) h (\\d{1,2}) mn$"));
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
    for (int t = 0; t < tour; t += pas(n))
        if (t != surCadran(affichee))
            possibles.append(t);
    return possibles[tirage(hasard, int(possibles.size()), 0)];
}

}  // namespace aiguilles
