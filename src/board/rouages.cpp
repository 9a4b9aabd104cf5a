// SPDX-License-Identifier: GPL-3.0-or-later
#include "rouages.h"

#include <cmath>

#include "clock/aiguilles.h"
#include "common/journee.h"
#include "common/randomsource.h"

namespace tableau {
namespace {

constexpr double secondesParDegreMinutes = 3600.0 / 360;
constexpr double secondesParDegreHeures = 12 * 3600.0 / 360;

// The way from one angle to another, in (-180, 180].
double ecart(double de, double vers)
{
    double d = std::fmod(vers - de, 360.0);
    if (d <= -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

double dansLeJour(double s)
{
    const double r = std::fmod(s, jour);
    return r < 0 ? r + jour : r;
}

}  // namespace

const NiveauTableau niveaux[6] = {{"heures", "Heures pile"},      {"demi_heures", "Demies"},
                                  {"quarts", "Quarts d'heure"},   {"cinq_minutes", "5 minutes"},
                                  {"minutes", "À la minute"},     {"apres_midi", "Après-midi"}};

void Rouages::regler(double s)
{
    absolu_ = dansLeJour(s);
    debut_.reset();
    minutesLibres_ = std::fmod(absolu_, 3600) / 60;
    heuresLibres_ = std::fmod(absolu_ / 3600, 12);
}

double Rouages::secondes() const
{
    return dansLeJour(absolu_);
}

int Rouages::minutes() const
{
    if (liees_)
        return int(secondes() / 60) % (24 * 60);
    // The hour the hour hand has passed, in the half of the day it is in.
    const int demi = secondes() >= 12 * 3600 ? 12 : 0;
    return (demi + int(heuresLibres_) % 12) * 60 + int(minutesLibres_) % 60;
}

double Rouages::angleMinutes() const
{
    return liees_ ? std::fmod(secondes(), 3600) / secondesParDegreMinutes : minutesLibres_ * 6;
}

double Rouages::angleHeures() const
{
    return liees_ ? std::fmod(secondes(), 12 * 3600) / secondesParDegreHeures : heuresLibres_ * 30;
}

double Rouages::angleSecondes() const
{
    return liees_ ? std::fmod(secondes(), 60) * 6 : std::fmod(minutesLibres_ * 60, 60) * 6;
}

void Rouages::tournerMinutes(double vers)
{
    const double d = ecart(angleMinutes(), vers);
    if (liees_)
        avancer(d * secondesParDegreMinutes);
    else
        minutesLibres_ = std::fmod(minutesLibres_ + d / 6 + 60, 60);
}

void Rouages::tournerHeures(double vers)
{
    const double d = ecart(angleHeures(), vers);
    if (liees_)
        avancer(d * secondesParDegreHeures);
    else
        heuresLibres_ = std::fmod(heuresLibres_ + d / 30 + 12, 12);
}

void Rouages::avancer(double s)
{
    absolu_ += s;
    // Never before the start of a duration: it stops at 0.
    if (debut_ && absolu_ < *debut_)
        absolu_ = *debut_;
}

void Rouages::lacher()
{
    if (liees_) {
        absolu_ = std::round(absolu_ / 60) * 60;
        if (debut_ && absolu_ < *debut_)
            absolu_ = *debut_;
        return;
    }
    minutesLibres_ = std::fmod(std::round(minutesLibres_), 60);
    heuresLibres_ = std::fmod(std::round(heuresLibres_), 12);
}

void Rouages::setLiees(bool oui)
{
    if (oui == liees_)
        return;
    if (oui) {
        // Geared again on the time the free hands show.
        const double demi = secondes() >= 12 * 3600 ? 12 * 3600 : 0;
        absolu_ = demi + std::floor(heuresLibres_) * 3600 + std::round(minutesLibres_) * 60;
    } else {
        minutesLibres_ = std::fmod(secondes(), 3600) / 60;
        heuresLibres_ = std::fmod(secondes() / 3600, 12);
    }
    liees_ = oui;
}

void Rouages::commencerDuree()
{
    debut_ = absolu_;
}

void Rouages::arreterDuree()
{
    debut_.reset();
}

double Rouages::ecoule() const
{
    return debut_ ? absolu_ - *debut_ : 0;
}

double Rouages::angleDebut() const
{
    return debut_ ? std::fmod(dansLeJour(*debut_), 3600) / secondesParDegreMinutes : 0;
}

int heureAuHasard(RandomSource& hasard, const QString& niveau, int avant)
{
    const aiguilles::Niveau n = aiguilles::depuisCle(niveau);
    const int cadran = aiguilles::tirer(hasard, n, aiguilles::surCadran(avant));
    // The afternoon's hours are the dial's plus 12 h; the others, the morning's.
    return n == aiguilles::Niveau::ApresMidi ? cadran + journee::midi : cadran;
}

QString aDire(int minutes, bool numerique)
{
    QString t = QStringLiteral("Il est ") + journee::enToutesLettres(minutes);
    if (numerique)
        t += QStringLiteral(". Sur une horloge numérique, ") + journee::numeriqueEnLettres(minutes);
    return t + QLatin1Char('.');
}

}  // namespace tableau
