// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "commun.h"
#include "nbmois.h"

namespace {

class MoisEnAnnees final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("mois_en_annees"); }
    question::Enonce poser(const QString&, RandomSource& hasard) override
    {
        nbMois_ = nbmois::tirer(hasard);
        return {.texte = nbmois::enonce(nbMois_).trimmed() + QStringLiteral(" combien d'années et de mois ?"),
                .champs = {{{QStringLiteral("les années"), QStringLiteral("les")}, 0, 50, 1, nbmois::AttenteAnnees,
                            nbmois::libelleAnnees},
                           {{QStringLiteral("les mois"), QStringLiteral("les")}, 0, 11, 1, jeuxdates::AttenteMois,
                            jeuxdates::libelleMois}}};
    }
    question::Verdict juger(const QList<int>& v) const override
    {
        const nbmois::AnsMois r = nbmois::conversion(nbMois_);
        const bool juste = r == nbmois::AnsMois{v.value(0), v.value(1)};
        return {juste, juste ? nbmois::succes() : nbmois::echec(nbMois_),
                {nbmois::enonce(nbMois_).simplified() + QStringLiteral(" ?"),
                 nbmois::libelleAnnees(v.value(0)) + QLatin1Char(' ') + jeuxdates::libelleMois(v.value(1)),
                 nbmois::libelleAnnees(r.ans) + QLatin1Char(' ') + jeuxdates::libelleMois(r.mois)}};
    }

private:
    int nbMois_ = 0;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresJeuxDates()
{
    return genresDe<MoisEnAnnees>();
}
