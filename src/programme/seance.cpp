// SPDX-License-Identifier: GPL-3.0-or-later
#include "seance.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace programme {

namespace {

struct Genre {
    QString activite;
    QString niveau;
};

// The kinds that ask each item, by item, the easiest level first.
QHash<int, QList<Genre>> genresParItem(const QList<GenreServi>& genres)
{
    QHash<int, QList<Genre>> h;
    for (const GenreServi& g : genres) {
        const QStringList niveaux = g.niveaux.isEmpty() ? QStringList{QString::fromLatin1(sansNiveau)} : g.niveaux;
        for (const QString& n : niveaux) {
            const int item = itemDe(g.activite, n);
            if (item >= 0)
                h[item].append({g.activite, n});
        }
    }
    return h;
}

bool atteint(const Positionnement& p, int item)
{
    return p.position(item).acquis >= Acquis::Atteint;
}

class Planificateur {
public:
    Planificateur(const Positionnement& p, const DemandeSeance& d)
        : p_(p), d_(d), genres_(genresParItem(d.genres)), plafond_(d.questions * partMaxGenre / 100)
    {
    }

    QList<QuestionPrevue> planifier()
    {
        const QList<int> annee = servis(itemsDeLAnnee(d_.annees));
        const QList<int> travail = servis(d_.travail);
        QList<int> aTravailler;
        for (int i : annee)
            if (!atteint(p_, i) && !travail.contains(i))
                aTravailler << i;
        // Nearest to being reached first: the better level, then more right answers.
        std::stable_sort(aTravailler.begin(), aTravailler.end(), [this](int a, int b) {
            const Position pa = p_.position(a), pb = p_.position(b);
            return pa.acquis != pb.acquis ? pa.acquis > pb.acquis : pa.justes > pb.justes;
        });
        const QList<int> revisions = atteintsLesPlusAnciens(annee);
        const QList<int> prioritaires = travail + aTravailler;
        const qsizetype nbRevisions = std::min<qsizetype>(
            revisions.size(), travail.isEmpty() ? revisionsSansTravail : revisionsAvecTravail);

        // The reached items' places are kept before the others take theirs.
        limite_ = d_.questions - int(nbRevisions);
        for (int i : travail)
            for (int k = 0; k < questionsParItem; ++k)
                ajouter(i);
        for (int tour = 0; tour < questionsParItem; ++tour)
            for (int i : aTravailler)
                ajouter(i);
        limite_ = int(questions_.size() + nbRevisions);
        for (int i : revisions)
            ajouter(i);
        limite_ = d_.questions;
        // Room left: what needs work again, then what is reached, then
        // anything of the child's years; a kind over its share of the
        // session only when nothing else can.
        for (const QList<int>& encore : {prioritaires, revisions, jusquA(derniereAnnee(annee))})
            remplir(encore);
        plafond_ = d_.questions;
        remplir(prioritaires + revisions);
        return enchainer();
    }

private:
    QList<int> servis(const QList<int>& items) const
    {
        QList<int> l;
        for (int i : items)
            if (genres_.contains(i) && !l.contains(i))
                l << i;
        return l;
    }

    // The child's latest year (the default year's items for none).
    static Annee derniereAnnee(const QList<int>& annee)
    {
        Annee derniere = Annee::CP;
        for (int i : annee)
            derniere = std::max(derniere, items()[size_t(i)].annee);
        return derniere;
    }

    // The items served of that year and the years before.
    QList<int> jusquA(Annee derniere) const
    {
        QList<int> l;
        for (int i : servis(itemsDesAnnees({})))
            if (items()[size_t(i)].annee <= derniere)
                l << i;
        return l;
    }

    // Reached items of the child's year and the years before, the one not
    // asked for the longest first.
    QList<int> atteintsLesPlusAnciens(const QList<int>& annee) const
    {
        QList<int> l;
        for (int i : jusquA(derniereAnnee(annee)))
            if (atteint(p_, i) && !d_.travail.contains(i))
                l << i;
        std::stable_sort(l.begin(), l.end(), [this](int a, int b) {
            return p_.derniere(a).value_or(std::numeric_limits<qint64>::min())
                   < p_.derniere(b).value_or(std::numeric_limits<qint64>::min());
        });
        return l;
    }

    // One more question on that item, of its least asked activity still under
    // the ceiling, at the level its answers call for; false when the session
    // is full or every activity of the item is at the ceiling.
    bool ajouter(int item)
    {
        if (questions_.size() >= limite_)
            return false;
        const QList<Genre>& g = genres_[item];
        QString activite;
        for (const Genre& x : g)
            if (usage_.value(x.activite) < plafond_ && (activite.isEmpty() || usage_.value(x.activite) < usage_.value(activite)))
                activite = x.activite;
        if (activite.isEmpty())
            return false;
        QList<Genre> niveaux;
        for (const Genre& x : g)
            if (x.activite == activite)
                niveaux << x;
        const Position pos = p_.position(item);
        const bool plusDur = pos.comptees > 0 && pos.justes * 100 >= seuilNiveauPlusDur * pos.comptees;
        const Genre& choisi = plusDur ? niveaux.last() : niveaux.first();
        questions_.append({choisi.activite, choisi.niveau, item});
        usage_[activite] += 1;
        return true;
    }

    void remplir(const QList<int>& items)
    {
        for (bool encore = true; encore && questions_.size() < limite_;) {
            encore = false;
            for (int i : items)
                encore = ajouter(i) || encore;
        }
    }

    // The questions in the priorities' order, each of a kind other than the
    // one before: a kind that fills over half of what remains goes first, so that
    // the rest can still alternate.
    QList<QuestionPrevue> enchainer()
    {
        QList<QuestionPrevue> seance, reste = questions_;
        while (!reste.isEmpty()) {
            const QString precedente = seance.isEmpty() ? QString() : seance.last().activite;
            QHash<QString, int> nb;
            for (const QuestionPrevue& q : std::as_const(reste))
                nb[q.activite] += 1;
            qsizetype choix = -1;
            for (qsizetype i = 0; i < reste.size() && choix < 0; ++i)
                if (reste[i].activite != precedente && nb[reste[i].activite] * 2 > reste.size())
                    choix = i;
            for (qsizetype i = 0; i < reste.size() && choix < 0; ++i)
                if (reste[i].activite != precedente)
                    choix = i;
            seance.append(reste.takeAt(std::max<qsizetype>(choix, 0)));
        }
        return seance;
    }

    const Positionnement& p_;
    const DemandeSeance& d_;
    const QHash<int, QList<Genre>> genres_;
    int plafond_;
    int limite_ = 0;  // questions planned so far may not pass it
    QList<QuestionPrevue> questions_;
    QHash<QString, int> usage_;
};

}  // namespace

QList<int> itemsDeLAnnee(const QList<Annee>& annees)
{
    return itemsDesAnnees(annees.isEmpty() ? QList<Annee>{anneeParDefaut} : annees);
}

QStringList nomsCourts(const QStringList& ids)
{
    QStringList noms;
    for (const QString& id : ids)
        if (const int i = indexItem(id); i >= 0)
            noms << QString::fromUtf8(items()[size_t(i)].court);
    return noms;
}

QString texteTravail(const QStringList& ids)
{
    QStringList noms;
    for (const QString& id : ids)
        if (const int i = indexItem(id); i >= 0)
            noms << nomDansUnePhrase(i);
    return noms.isEmpty() ? QString() : QStringLiteral("Travail donné par ton enseignant : %1.").arg(noms.join(QStringLiteral(", ")));
}

QList<QuestionPrevue> planifier(const Positionnement& p, const DemandeSeance& d)
{
    return Planificateur(p, d).planifier();
}

}  // namespace programme
