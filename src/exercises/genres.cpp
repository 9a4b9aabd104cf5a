// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "common/journee.h"
#include "sections.h"
#include "textesseance.h"

using question::Champ;
using question::Enonce;
using question::Verdict;

namespace {

Champ heures(int min, int max)
{
    return {partie::heure, min, max, 1, attente::heures, journee::libelleHeures};
}

// The minutes of a time of day ("05"), or of a duration ("25 min").
Champ minutesDe(int min, int max, bool duree, const QString& attente = QStringLiteral("? min"))
{
    return {partie::minutes, min, max, 1, attente, [duree](int m) { return journee::libelleMinutes(duree, m); }};
}

class LireHorloge final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("lire_horloge"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = lecture::tirer(hasard);
        return {.texte = seance::enonceLecture(), .cadran = question::Cadran::Lu,
                .minutes = (q_.heure % 12) * 60 + q_.minutes, .champs = {heures(1, 12), minutesDe(0, 59, false, QStringLiteral("??"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = lecture::juste(q_, v.value(0), v.value(1));
        return {juste, seance::verdictLecture(q_, juste),
                {seance::enonceLecture(), journee::surCadran(v.value(0) * 60 + v.value(1)),
                 journee::surCadran(q_.heure * 60 + q_.minutes)}};
    }

private:
    lecture::Question q_;
};

class MinutesDansHeures final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("minutes_dans_heures"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = minutes::tirer(hasard);
        // Every answer is an hour or more: the arrows start there.
        return {.texte = seance::enonceMinutes(q_), .champs = {minutesDe(60, 7 * 60, true, QStringLiteral("?? min"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = v.value(0) == q_.attendu();
        return {juste, seance::verdictMinutes(q_, juste),
                {seance::enonceMinutes(q_), journee::libelleMinutes(true, v.value(0)),
                 journee::libelleMinutes(true, q_.attendu())}};
    }

private:
    minutes::Question q_;
};

class MinutesEnHeures final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("minutes_en_heures"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = conversion::tirer(hasard);
        return {.texte = seance::enonceConversion(q_), .champs = {heures(0, 7), minutesDe(0, 59, true)}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = conversion::juste(q_, v.value(0), v.value(1));
        return {juste, seance::verdictConversion(q_, juste),
                {seance::enonceConversion(q_), journee::duree(v.value(0) * 60 + v.value(1)), journee::duree(q_.minutes)}};
    }

private:
    conversion::Question q_;
};

class Montre final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("montre"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = montre::tirer(hasard);
        return {.texte = seance::enonceMontre(q_), .champs = {heures(1, 12), minutesDe(0, 59, false, QStringLiteral("??"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = montre::juste(q_, v.value(0), v.value(1));
        const calendrier::HeureMinute reelle = montre::heureReelle(q_);
        return {juste, seance::verdictMontre(q_, juste),
                {seance::enonceMontre(q_), journee::surCadran(v.value(0) * 60 + v.value(1)),
                 journee::surCadran(montre::heureSurCadran(reelle.heure) * 60 + reelle.minute)}};
    }

private:
    montre::Question q_;
};

class NombreManquant final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("nombre_manquant"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = nombre_manquant::tirer(hasard);
        return {.texte = seance::enonceManquant(q_), .champs = {minutesDe(1, 60, true, QStringLiteral("?? min"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = v.value(0) == q_.manquant;
        return {juste, seance::verdictManquant(q_, juste),
                {seance::enonceManquant(q_), journee::libelleMinutes(true, v.value(0)),
                 journee::libelleMinutes(true, q_.manquant)}};
    }

private:
    nombre_manquant::Question q_;
};

class ComparerDurees final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("comparer_durees"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = comparaison::tirer(hasard);
        return {.texte = seance::enonceComparaison(q_), .choix = choix()};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const auto donne = comparaison::Choix(std::clamp(v.value(0), 0, 2));
        const auto bon = comparaison::relation(q_);
        Verdict r{donne == bon, seance::verdictComparaison(q_, donne),
                  {seance::enonceComparaison(q_), seance::nomChoix(donne), seance::nomChoix(bon)}};
        r.bonChoix = int(bon);
        return r;
    }

private:
    // In the order of comparaison::Choix.
    static QStringList choix()
    {
        return {seance::nomChoix(comparaison::Choix::PlusPetit), seance::nomChoix(comparaison::Choix::PlusGrand),
                seance::nomChoix(comparaison::Choix::Egal)};
    }
    comparaison::Question q_;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresExercices()
{
    return genresDe<LireHorloge, MinutesDansHeures, MinutesEnHeures, Montre, NombreManquant, ComparerDurees>();
}
