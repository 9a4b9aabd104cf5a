// SPDX-License-Identifier: GPL-3.0-or-later
#include "positionnement.h"

#include <algorithm>

namespace programme {

Acquis acquisDe(int justes, int comptees)
{
    if (comptees < reponsesMinimum)
        return Acquis::PasEncoreEvalue;
    // Compared in whole answers: 4 of 5 is 80 % exactly.
    if (100 * justes >= seuilAtteint * comptees)
        return Acquis::Atteint;
    if (100 * justes >= seuilPartiel * comptees)
        return Acquis::PartiellementAtteint;
    return Acquis::NonAtteint;
}

QString texteAcquis(Acquis a)
{
    switch (a) {
    case Acquis::NonAtteint:
        return QStringLiteral("non atteint");
    case Acquis::PartiellementAtteint:
        return QStringLiteral("partiellement atteint");
    case Acquis::Atteint:
        return QStringLiteral("atteint");
    case Acquis::Depasse:
        return QStringLiteral("dépassé");
    case Acquis::PasEncoreEvalue:
        break;
    }
    return QStringLiteral("pas encore évalué");
}

QString texteRegle()
{
    return QStringLiteral(
               "Chaque élève est positionné sur chaque attendu d'après ses %1 dernières réponses à ses questions : "
               "moins de %2 % de réponses justes, « non atteint » ; de %2 à %3 %, « partiellement atteint » ; "
               "%4 % et plus, « atteint » ; « dépassé » quand l'attendu est atteint et que celui qui le prolonge "
               "l'année suivante l'est aussi ; moins de %5 réponses, « pas encore évalué ».")
        .arg(reponsesComptees)
        .arg(seuilPartiel)
        .arg(seuilAtteint - 1)
        .arg(seuilAtteint)
        .arg(reponsesMinimum);
}

QString texteEtape(Etape e)
{
    switch (e) {
    case Etape::EnRoute:
        return QStringLiteral("en route");
    case Etape::Reussi:
        return QStringLiteral("réussi");
    case Etape::PasEncore:
        break;
    }
    return QStringLiteral("pas encore");
}

void Fenetre::ajouter(qint64 quand, bool juste)
{
    // Older than every answer kept when the window is full: not among the latest.
    if (n_ == reponsesComptees) {
        if (quand < dernieres_[0].quand)
            return;
        std::move(dernieres_.begin() + 1, dernieres_.end(), dernieres_.begin());
        --n_;
    }
    int i = n_;
    while (i > 0 && dernieres_[size_t(i - 1)].quand > quand) {
        dernieres_[size_t(i)] = dernieres_[size_t(i - 1)];
        --i;
    }
    dernieres_[size_t(i)] = {quand, juste};
    ++n_;
}

int Fenetre::justes() const
{
    return int(std::count_if(dernieres_.begin(), dernieres_.begin() + n_, [](const Reponse& r) { return r.juste; }));
}

std::optional<qint64> Fenetre::derniere() const
{
    return n_ > 0 ? std::optional(dernieres_[size_t(n_ - 1)].quand) : std::nullopt;
}

Positionnement::Positionnement() : fenetres_(items().size()) {}

void Positionnement::ajouter(const QString& activite, const QString& niveau, qint64 quand, bool juste)
{
    const int item = itemDe(activite, niveau);
    if (item >= 0)
        ajouterA(item, quand, juste);
}

void Positionnement::ajouterA(int item, qint64 quand, bool juste)
{
    fenetres_[size_t(item)].ajouter(quand, juste);
}

Position Positionnement::position(int item) const
{
    const Fenetre& f = fenetres_[size_t(item)];
    Position p{acquisDe(f.justes(), f.comptees()), f.comptees(), f.justes()};
    const int s = suite(item);
    if (p.acquis == Acquis::Atteint && s >= 0) {
        const Fenetre& fs = fenetres_[size_t(s)];
        if (acquisDe(fs.justes(), fs.comptees()) == Acquis::Atteint)
            p.acquis = Acquis::Depasse;
    }
    return p;
}

Etape Positionnement::etape(int item) const
{
    const Position p = position(item);
    if (p.acquis >= Acquis::Atteint)
        return Etape::Reussi;
    return p.comptees == 0 ? Etape::PasEncore : Etape::EnRoute;
}

int Positionnement::prochain(const QList<int>& parcours) const
{
    for (int item : parcours)
        if (etape(item) != Etape::Reussi)
            return item;
    return -1;
}

Parcours parcours(const Positionnement& p, const QList<Annee>& annees)
{
    Parcours c;
    QList<int> items = itemsDesAnnees(annees);
    if (annees.isEmpty())
        items.removeIf([&p](int i) { return p.position(i).comptees == 0; });
    for (int i : items)
        c.etapes.append({i, p.etape(i)});
    c.prochain = p.prochain(items);
    return c;
}

QString texteParcours(const Parcours& p)
{
    // One colon a sentence: a sentence for each step.
    QString t = QStringLiteral("Mon chemin.");
    for (const EtapeParcours& e : p.etapes)
        t += QStringLiteral(" %1 : %2.").arg(QString::fromUtf8(items()[size_t(e.item)].court), texteEtape(e.etape));
    t += p.prochain < 0 ? QStringLiteral(" Tout est réussi !")
                        : QStringLiteral(" Prochaine étape : %1.").arg(nomDansUnePhrase(p.prochain));
    return t;
}

}  // namespace programme
