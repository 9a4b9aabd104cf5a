// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "common/texte.h"
#include "comparaison.h"
#include "conversion.h"
#include "heure.h"
#include "minutes.h"
#include "montre.h"
#include "nombremanquant.h"
#include "sections.h"

using question::Champ;
using question::Enonce;
using question::Verdict;

namespace {

Champ heures(int min, int max)
{
    return {partie::heure, min, max, 1, attente::heures, [](int h) { return texte::F(h) + QStringLiteral(" h"); }};
}

Champ minutesDe(int min, int max, const QString& attente = attente::minutes)
{
    return {partie::minutes, min, max, 1, attente, [](int m) { return texte::F(m) + QStringLiteral(" mn"); }};
}

// Statements written for the section end with how to answer there: the
// session says its own.
QString sansConsigne(const QString& enonce)
{
    return enonce.left(enonce.lastIndexOf(QLatin1Char('\n')));
}

class LireHorloge final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("lire_horloge"); }
    Enonce poser(const QString&, RandomSource& hasard) override
    {
        q_ = lecture::tirer(hasard);
        return {.texte = lecture::question(), .cadran = question::Cadran::Lu,
                .minutes = (q_.heure % 12) * 60 + q_.minutes, .champs = {heures(1, 12), minutesDe(0, 59)}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = lecture::juste(q_, v.value(0), v.value(1));
        return {juste, juste ? lecture::reussite() : lecture::erreur(q_),
                {lecture::question(), texte::heuresMinutes(v.value(0), v.value(1)),
                 texte::heuresMinutes(q_.heure, q_.minutes)}};
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
        return {.texte = minutes::question(q_), .champs = {minutesDe(60, 7 * 60, QStringLiteral("?? mn"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = v.value(0) == q_.attendu();
        return {juste, juste ? minutes::reussite() + QLatin1Char('\n') + minutes::equation(q_, v.value(0)) : minutes::erreur(q_),
                {minutes::question(q_), texte::F(v.value(0)) + QStringLiteral(" mn"),
                 texte::F(q_.attendu()) + QStringLiteral(" mn")}};
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
        return {.texte = conversion::question(q_), .champs = {heures(0, 7), minutesDe(0, 59)}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = conversion::juste(q_, v.value(0), v.value(1));
        const calendrier::HeureMinute a = q_.attendu();
        return {juste, juste ? conversion::reussite() : conversion::erreur(q_).trimmed(),
                {conversion::question(q_), texte::heuresMinutes(v.value(0), v.value(1)),
                 texte::heuresMinutes(a.heure, a.minute)}};
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
        return {.texte = sansConsigne(montre::enonce(q_)), .champs = {heures(1, 12), minutesDe(0, 59)}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = montre::juste(q_, v.value(0), v.value(1));
        const calendrier::HeureMinute reelle = montre::heureReelle(q_);
        return {juste, montre::verdict(q_, juste),
                {montre::question(q_), texte::heuresMinutes(v.value(0), v.value(1)),
                 texte::heuresMinutes(montre::heureSurCadran(reelle.heure), reelle.minute)}};
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
        return {.texte = nombre_manquant::question(q_), .champs = {minutesDe(1, 60, QStringLiteral("?? mn"))}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const bool juste = v.value(0) == q_.manquant;
        return {juste,
                juste ? nombre_manquant::reussite()
                      : nombre_manquant::erreur(nombre_manquant::termeConnu(q_), q_.manquant, nombre_manquant::resultat(q_)),
                {nombre_manquant::question(q_), texte::F(v.value(0)) + QStringLiteral(" mn"),
                 texte::F(q_.manquant) + QStringLiteral(" mn")}};
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
        return {.texte = comparaison::enonce(q_), .choix = choix()};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const auto donne = comparaison::Choix(std::clamp(v.value(0), 0, 2));
        const auto bon = comparaison::relation(q_);
        Verdict r{donne == bon, comparaison::verdict(q_, donne),
                  {comparaison::enonce(q_).simplified(), choix().value(int(donne)), choix().value(int(bon))}};
        r.bonChoix = int(bon);
        return r;
    }

private:
    // In the order of comparaison::Choix, as the section writes them.
    static QStringList choix()
    {
        return {QStringLiteral("Plus petit"), QStringLiteral("Plus grand"), QStringLiteral("Egal")};
    }
    comparaison::Question q_;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresExercices()
{
    return genresDe<LireHorloge, MinutesDansHeures, MinutesEnHeures, Montre, NombreManquant, ComparerDurees>();
}
