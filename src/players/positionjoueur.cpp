// SPDX-License-Identifier: GPL-3.0-or-later
#include "positionjoueur.h"

#include "clock/aiguilles.h"

QString niveauDeLaReponse(const LigneHistorique& l)
{
    if (!l.niveau.isEmpty())
        return l.niveau;
    if (l.activite == aiguilles::activite) {
        if (const auto n = aiguilles::niveauDuTexte(l.attendue))
            return aiguilles::cle(*n);
    }
    return {};
}

void positionnerReponse(programme::Positionnement& p, const LigneHistorique& l)
{
    p.ajouter(l.activite, niveauDeLaReponse(l), l.quand.toSecsSinceEpoch(), l.juste);
}

programme::Positionnement positionner(const QList<LigneHistorique>& lignes)
{
    programme::Positionnement p;
    for (const LigneHistorique& l : lignes)
        positionnerReponse(p, l);
    return p;
}
