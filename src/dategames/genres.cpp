// SPDX-License-Identifier: GPL-3.0-or-later
#include "genres.h"

#include "common/calendrier.h"
#include "common/randomsource.h"
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

// A month and its year: "septembre 2019".
QString moisAn(QDate d)
{
    return calendrier::nomMois(d.month()) + QLatin1Char(' ') + QString::number(d.year());
}

QString ansEtMois(int a, int m)
{
    return ans(a) + QStringLiteral(" et ") + mois(m);
}

// A question of "Dates et âges" answered among three: the right answer and
// two a child may give, and why.
class JeuDate : public GenreQuestion {
public:
    explicit JeuDate(std::function<QDate()> aujourdhui) : aujourdhui_(std::move(aujourdhui)) {}
    question::Enonce poser(const QString&, RandomSource& hasard) override
    {
        const jeuxdates::Enfant e = jeuxdates::tirerEnfant(hasard, 3);
        // A day every month has: no date moves for a short month.
        const QDate jour = aujourdhui_();
        const QDate ici(jour.year(), jour.month(), std::min(jour.day(), 28));
        tirer(jeuxdates::prenoms()[e.prenom], e.ans, e.mois, ici);
        QStringList l{bonne_};
        l += autres_;
        choix_.clear();
        while (!l.isEmpty())
            choix_ << l.takeAt(tirage(hasard, int(l.size()), 0));
        return {.texte = enonce_, .choix = choix_};
    }
    question::Verdict juger(const QList<int>& v) const override
    {
        const QString donne = choix_.value(v.value(0));
        question::Verdict r{donne == bonne_, (donne == bonne_ ? QStringLiteral("Bravo ! ") : QStringLiteral("Erreur : "))
                                                 + pourquoi_, {enonce_, donne, bonne_}};
        r.bonChoix = int(choix_.indexOf(bonne_));
        return r;
    }

protected:
    virtual void tirer(const QString& prenom, int ans, int mois, QDate aujourdhui) = 0;
    QString enonce_, bonne_, pourquoi_;
    QStringList autres_;

private:
    std::function<QDate()> aujourdhui_;
    QStringList choix_;
};

class DateNaissance final : public JeuDate {
public:
    using JeuDate::JeuDate;
    QString activite() const override { return QStringLiteral("date_naissance"); }

private:
    void tirer(const QString& prenom, int a, int m, QDate jour) override
    {
        const QDate ne = jour.addMonths(-(12 * a + m));
        enonce_ = QStringLiteral("Aujourd'hui, c'est le %1. %2 a exactement %3. Quel est le mois de naissance de %2 ?")
                      .arg(calendrier::date(jour), prenom, ansEtMois(a, m));
        bonne_ = moisAn(ne);
        autres_ = {moisAn(ne.addYears(-1)), moisAn(ne.addMonths(m == 0 ? 1 : -1))};
        pourquoi_ = QStringLiteral("%1 avant %2, c'est %3, puis %4 avant, c'est %5.")
                        .arg(ans(a), moisAn(jour), moisAn(jour.addYears(-a)), mois(m), moisAn(ne));
    }
};

class DateAnniversaire final : public JeuDate {
public:
    using JeuDate::JeuDate;
    QString activite() const override { return QStringLiteral("date_anniversaire"); }

private:
    void tirer(const QString& prenom, int a, int m, QDate jour) override
    {
        const QDate fete = jour.addMonths(12 * a + m);
        enonce_ = QStringLiteral("%1 a vu le jour le %2. Quel âge aura %1 le %3 ?")
                      .arg(prenom, calendrier::date(jour), calendrier::date(fete));
        bonne_ = ansEtMois(a, m);
        autres_ = {ansEtMois(a + 1, m), ansEtMois(a, m == 11 ? 10 : m + 1)};
        pourquoi_ = QStringLiteral("de %1 à %2, il passe %3, puis jusqu'à %4, il passe %5, donc %6.")
                        .arg(moisAn(jour), moisAn(jour.addYears(a)), ans(a), moisAn(fete), mois(m), ansEtMois(a, m));
    }
};

class AgeAnniversaire final : public JeuDate {
public:
    using JeuDate::JeuDate;
    QString activite() const override { return QStringLiteral("age_anniversaire"); }

private:
    void tirer(const QString& prenom, int a, int m, QDate jour) override
    {
        // Born some years ago, a birthday still to come.
        const QDate ne = jour.addYears(-a);
        const QDate fete = ne.addMonths(12 * a + m);
        enonce_ = QStringLiteral("%1 a vu le jour le %2. Quelle est la date des %3 de %1 ?")
                      .arg(prenom, calendrier::date(ne), ansEtMois(a, m));
        bonne_ = calendrier::date(fete);
        autres_ = {calendrier::date(ne.addMonths(12 * a + (m == 0 ? 1 : m - 1))), calendrier::date(fete.addYears(1))};
        pourquoi_ = QStringLiteral("%1 + %2 = %3, puis + %4 = %5.")
                        .arg(calendrier::date(ne), ans(a), calendrier::date(ne.addYears(a)), mois(m), calendrier::date(fete));
    }
};

}  // namespace

std::vector<std::unique_ptr<GenreQuestion>> genresJeuxDates(std::function<QDate()> aujourdhui)
{
    std::vector<std::unique_ptr<GenreQuestion>> l = genresDe<MoisEnAnnees>();
    l.push_back(std::make_unique<DateNaissance>(aujourdhui));
    l.push_back(std::make_unique<DateAnniversaire>(aujourdhui));
    l.push_back(std::make_unique<AgeAnniversaire>(aujourdhui));
    return l;
}
