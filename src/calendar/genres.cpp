// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "common/texte.h"
#include "ecrancalendrier.h"
#include "questions.h"

namespace {

// One section's questions, drawn by its rule at the level asked.
class GenreCalendrier final : public GenreQuestion {
public:
    GenreCalendrier(int section, const QList<cal::Niveau>& niveaux, std::function<cal::Question(RandomSource&, int)> tirer)
        : activite_(EcranCalendrier::activites[section]), niveaux_(niveaux), tirer_(std::move(tirer))
    {
    }
    QString activite() const override { return activite_; }
    QStringList niveaux() const override
    {
        QStringList l;
        for (const cal::Niveau& n : niveaux_)
            l << QString::fromLatin1(n.cle);
        return l;
    }
    question::Enonce poser(const QString& niveau, RandomSource& hasard) override
    {
        int n = 0;
        for (int i = 0; i < niveaux_.size(); ++i)
            if (niveau == QLatin1String(niveaux_[i].cle))
                n = i;
        q_ = tirer_(hasard, n);
        return {.texte = texte::insecable(q_.enonce), .choix = q_.choix, .page = q_.page,
                .jourSurLaPage = q_.forme == cal::Forme::Jour};
    }
    question::Verdict juger(const QList<int>& valeurs) const override
    {
        const int v = valeurs.value(0, -1);
        question::Verdict r{cal::juste(q_, v), cal::verdict(q_, v), {q_.enonce, cal::ecrire(q_, v), cal::ecrire(q_, q_.attendue)}};
        if (q_.forme == cal::Forme::Choix)
            r.bonChoix = q_.attendue;
        else
            r.bonJour = q_.attendue;
        return r;
    }

private:
    QString activite_;
    QList<cal::Niveau> niveaux_;
    std::function<cal::Question(RandomSource&, int)> tirer_;
    cal::Question q_;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresCalendrier(const std::function<QDate()>& aujourdhui)
{
    std::vector<std::unique_ptr<GenreQuestion>> l;
    l.push_back(std::make_unique<GenreCalendrier>(0, cal::niveauxJours, [aujourdhui](RandomSource& h, int n) {
        return cal::jours(h, n, aujourdhui());
    }));
    l.push_back(std::make_unique<GenreCalendrier>(1, cal::niveauxPage, [aujourdhui](RandomSource& h, int n) {
        return cal::page(h, n, cal::autreMois(h, aujourdhui()));
    }));
    l.push_back(std::make_unique<GenreCalendrier>(2, cal::niveauxUnites, [](RandomSource& h, int n) { return cal::unites(h, n); }));
    l.push_back(std::make_unique<GenreCalendrier>(3, cal::niveauxSiecles, [](RandomSource& h, int n) { return cal::siecles(h, n); }));
    return l;
}
