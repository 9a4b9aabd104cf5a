// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "clock/aiguilles.h"
#include "common/journee.h"
#include "common/randomsource.h"
#include "common/texte.h"
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
        const int pas = pasDe(journee::niveauxMatin, niveau);
        // Whole hours are the CP's: a scene's moment, named among three.
        if (pas == 60) {
            scene_ = journee::tirerScene(hasard, scene_);
            t_ = journee::scenes[scene_].heure * 60;
            moments_ = journee::momentsProposes(hasard, scene_);
            QStringList choix;
            for (journee::Moment m : std::as_const(moments_))
                choix << journee::nomMoment(m);
            return {.texte = texte::insecable(journee::enonceMoment(scene_).replace(QLatin1Char('\n'), QLatin1Char(' '))),
                    .cadran = question::Cadran::Lu, .minutes = aiguilles::surCadran(t_), .choix = choix};
        }
        scene_ = -1;
        t_ = journee::tirer(hasard, pas, t_);
        return {.texte = texte::insecable(enonceNumerique(journee::moment(t_)).replace(QLatin1Char('\n'), QLatin1Char(' '))),
                .cadran = question::Cadran::Lu,
                .minutes = aiguilles::surCadran(t_),
                .champs = {{partie::heure, 0, 23, 1, attenteHeures, journee::libelleHeures},
                           {partie::minutes, 0, 55, pasMinutes, attenteMinutes, [](int m) { return journee::libelleMinutes(false, m); }}}};
    }
    Verdict juger(const QList<int>& v) const override
    {
        if (scene_ >= 0) {
            const int i = v.value(0);
            const journee::Moment juste = journee::moment(t_);
            // No choice among those offered is no answer at all.
            const journee::Moment choisi = i >= 0 && i < moments_.size() ? moments_[i] : journee::autreMoment(juste);
            Verdict r{choisi == juste, journee::verdictMoment(scene_, choisi),
                      {journee::enonceMoment(scene_).replace(QLatin1Char('\n'), QLatin1Char(' ')), journee::nomMoment(choisi),
                       journee::nomMoment(juste)}};
            r.bonChoix = int(moments_.indexOf(juste));
            return r;
        }
        const int donnee = v.value(0) * 60 + v.value(1);
        return {donnee == t_, verdictNumerique(t_, donnee),
                {QStringLiteral("Horloge ") + aiguilles::texte(aiguilles::surCadran(t_)) + QLatin1Char(' ')
                     + deMoment(journee::moment(t_)),
                 journee::numerique(donnee), journee::numerique(t_)}};
    }

private:
    int t_ = 0;
    int scene_ = -1;
    QList<journee::Moment> moments_;
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
        return {.texte = texte::insecable(QStringLiteral("L'horloge montre une heure ") + deMoment(journee::moment(t_))
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
        const bool secondes = durees::avecSecondes(p_);
        const bool duree = p_.cherche == durees::Cherche::Duree || secondes;
        Enonce e{.texte = texte::insecable(durees::enonce(p_)),
                 .champs = {{partieHeures(p_.cherche == durees::Cherche::Duree), 0, 23, 1, attenteHeures, journee::libelleHeures},
                            {partie::minutes, 0, secondes ? 59 : 55, secondes ? 1 : pasMinutes, attenteMinutes,
                             [duree](int m) { return journee::libelleMinutes(duree, m); }}}};
        if (secondes)
            e.champs.append({partieSecondes, 0, 59, 1, attenteSecondes, [](int s) { return QStringLiteral("%1 s").arg(s); }});
        return e;
    }
    Verdict juger(const QList<int>& v) const override
    {
        const int h = v.value(0), m = v.value(1), s = v.value(2);
        return {durees::valeur(p_, h, m, s) == p_.reponse(), verdictDuree(p_, h, m, s),
                {durees::enonce(p_), durees::ecrireReponse(p_, h, m, s), durees::attendue(p_)}};
    }

private:
    durees::Probleme p_;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresJournee()
{
    return genresDe<MatinApresMidi, MotsDeLHeure, ProblemeDuree>();
}
