// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation.h"

#include <algorithm>

namespace programme {

int plancher(const QString& activite, const QStringList& niveaux, const QList<Annee>& anneesClasse)
{
    if (anneesClasse.isEmpty() || niveaux.isEmpty())
        return 0;
    const Annee premiere = *std::min_element(anneesClasse.begin(), anneesClasse.end());
    for (int i = 0; i < niveaux.size(); ++i) {
        const int item = itemDe(activite, niveaux[i]);
        if (item >= 0 && items()[size_t(item)].annee >= premiere)
            return i;
    }
    return int(niveaux.size()) - 1;
}

int niveauDepart(const QString& activite, const QStringList& niveaux, const Positionnement& p, int bas)
{
    for (int i = bas; i < niveaux.size(); ++i) {
        const int item = itemDe(activite, niveaux[i]);
        if (item < 0 || p.position(item).acquis < Acquis::Atteint)
            return i;
    }
    return std::max(0, int(niveaux.size()) - 1);
}

NiveauQuiSuit::NiveauQuiSuit(int nombre, int plancher, int depart)
    : nombre_(nombre), plancher_(plancher), niveau_(std::clamp(depart, 0, std::max(0, nombre - 1)))
{
}

NiveauQuiSuit NiveauQuiSuit::pour(const QString& activite, const QStringList& niveaux, const Positionnement& p,
                                  const QList<Annee>& anneesClasse)
{
    const int bas = plancher(activite, niveaux, anneesClasse);
    return NiveauQuiSuit(int(niveaux.size()), bas, niveauDepart(activite, niveaux, p, bas));
}

bool NiveauQuiSuit::repondre(bool juste)
{
    (juste ? justes_ : erreurs_) += 1;
    (juste ? erreurs_ : justes_) = 0;
    const int avant = niveau_;
    if (justes_ >= serieMontee && niveau_ + 1 < nombre_)
        ++niveau_;
    // Never below the class's year, unless the child chose to be there.
    else if (erreurs_ >= serieDescente && niveau_ > plancher_)
        --niveau_;
    if (niveau_ != avant)
        justes_ = erreurs_ = 0;
    return niveau_ != avant;
}

void NiveauQuiSuit::choisir(int niveau)
{
    niveau_ = std::clamp(niveau, 0, std::max(0, nombre_ - 1));
    justes_ = erreurs_ = 0;
}

}  // namespace programme
