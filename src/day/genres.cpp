// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "clock/aiguilles.h"
#include "common/journee.h"
#include "common/randomsource.h"
#include "textesjournee.h"

using question::Champ;
using question::Enonce;
using question::Verdict;

namespace {

using namespace ecranjour;

QStringList cles(const QList<journee::Niveau>& niveaux)
{
    QStringList l;
    for (const journee::Niveau& n : niveaux)
        l << QString::fromLatin1(n.cle);
    return l;
}

int pasDe(const QList<journee::Niveau>& niveaux, const QString& cle)
{
    return niveaux[journee::indexNiveau(niveaux, cle)].pas;
}

class MatinApresMidi final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("matin_apres_midi"); }
    QStringList niveaux() const override { return cles(journee::niveauxMatin); }
    Enonce poser(const QString& niveau, RandomSource& hasard) override
    {
        t_ = journee::tirer(hasard, pasDe(journee::niveauxMatin, niveau), t_);
        return {.texte = insecable(QStringLiteral("Écrivez comme une horloge numérique cette heure ")
                                   + deMoment(journee::moment(t_)) + QLatin1Char('.')),
                .cadran = question::Cadran::Lu,
                .minutes = aiguilles::surCadran(t_),
                .champs = {{partie::heure, 0, 23, 1, attenteHeures, libelleHeures},
                           {partie::minutes, 0, 55, pasMinutes, attenteMinutes, deuxChiffres}}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const int donnee = v.value(0) * 60 + v.value(1);
        return {donnee == t_, verdictNumerique(t_, donnee),
                {QStringLiteral("Horloge ") + aiguilles::texte(aiguilles::surCadran(t_)) + QLatin1Char(' ')
                     + deMoment(journee::moment(t_)),
                 journee::numerique(donnee), journee::numerique(t_)}};
    }

private:
    int t_ = 0;
};

class MotsDeLHeure final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("mots_heure"); }
    QStringList niveaux() const override { return cles(journee::niveauxMots); }
    Enonce poser(const QString& niveau, RandomSource& hasard) override
    {
        t_ = journee::tirer(hasard, pasDe(journee::niveauxMots, niveau), t_);
        phrases_ = journee::confusionsDeMots(t_);
        phrases_.insert(tirage(hasard, nombreChoix, 0), t_);
        QStringList choix;
        for (int t : std::as_const(phrases_))
            choix << journee::enMots(t);
        return {.texte = insecable(QStringLiteral("L'horloge montre une heure ") + deMoment(journee::moment(t_))
                                   + QStringLiteral(".\nComment la dit-on ?")),
                .cadran = question::Cadran::Lu,
                .minutes = aiguilles::surCadran(t_),
                .choix = choix};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const int choisie = phrases_.value(v.value(0), -1);
        Verdict r{choisie == t_, verdictMots(t_, aiguilles::surCadran(choisie), false),
                  {QStringLiteral("Horloge ") + aiguilles::texte(aiguilles::surCadran(t_)) + QStringLiteral(" en mots"),
                   journee::enMots(choisie), journee::enMots(t_)}};
        r.bonChoix = int(phrases_.indexOf(t_));
        return r;
    }

private:
    int t_ = 0;
    QList<int> phrases_;
};

class ProblemeDuree final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("probleme_duree"); }
    QStringList niveaux() const override
    {
        QStringList l;
        for (durees::Niveau n : durees::niveaux)
            l << durees::cle(n);
        return l;
    }
    Enonce poser(const QString& niveau, RandomSource& hasard) override
    {
        p_ = durees::tirer(hasard, durees::depuisCle(niveau));
        const bool duree = p_.cherche == durees::Cherche::Duree;
        return {.texte = insecable(durees::enonce(p_)),
                .champs = {{partieHeures(duree), 0, 23, 1, attenteHeures, libelleHeures},
                           {partie::minutes, 0, 55, pasMinutes, attenteMinutes,
                            [duree](int m) { return libelleMinutes(duree, m); }}}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        const int h = v.value(0), m = v.value(1);
        return {h * 60 + m == p_.reponse(), verdictDuree(p_, h, m),
                {durees::enonce(p_), durees::ecrireReponse(p_, h, m), durees::attendue(p_)}};
    }

private:
    durees::Probleme p_;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresJournee()
{
    return genresDe<MatinApresMidi, MotsDeLHeure, ProblemeDuree>();
}
