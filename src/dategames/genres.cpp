// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "commun.h"
#include "nbmois.h"

namespace {

// "1 an", "2 ans"; "1 mois", "3 mois".
QString ans(int n)
{
    return QStringLiteral("%1 an%2").arg(n).arg(n > 1 ? "s" : "");
}

QString mois(int n)
{
    return QStringLiteral("%1 mois").arg(n);
}

class MoisEnAnnees final : public GenreQuestion {
public:
    QString activite() const override { return QStringLiteral("mois_en_annees"); }
    question::Enonce poser(const QString&, RandomSource& hasard) override
    {
        nbMois_ = nbmois::tirer(hasard);
        return {.texte = enonce(),
                .champs = {{{QStringLiteral("les années"), QStringLiteral("les")}, 0, 50, 1, QStringLiteral("? ans"), ans},
                           {{QStringLiteral("les mois"), QStringLiteral("les")}, 0, 11, 1, jeuxdates::AttenteMois, mois}}};
    }
    question::Verdict juger(const QList<int>& v) const override
    {
        const nbmois::AnsMois r = nbmois::conversion(nbMois_);
        const bool juste = r == nbmois::AnsMois{v.value(0), v.value(1)};
        const QString resultat = ans(r.ans) + QStringLiteral(" et ") + mois(r.mois);
        return {juste,
                (juste ? QStringLiteral("Bravo ! ") : QStringLiteral("Erreur ! "))
                    + QStringLiteral("1 an = 12 mois, donc %1 = %2. Et %3 = %2 + %4 = %5.")
                          .arg(ans(r.ans), mois(12 * r.ans), mois(nbMois_), mois(r.mois), resultat),
                {enonce(), ans(v.value(0)) + QStringLiteral(" et ") + mois(v.value(1)), resultat}};
    }

private:
    QString enonce() const { return QStringLiteral("Combien d'années et de mois font %1 ?").arg(mois(nbMois_)); }
    int nbMois_ = 0;
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresJeuxDates()
{
    return genresDe<MoisEnAnnees>();
}
