// SPDX-License-Identifier: GPL-3.0-or-later
#include "horloge.h"

#include "common/calendrier.h"

namespace horloge {

Aiguilles aiguilles(int heure, int minute, calendrier::AiguilleHeures mode)
{
    return {calendrier::finAiguille(centre, calendrier::angleHeures(heure, minute, mode), longueurHeures),
            calendrier::finAiguille(centre, calendrier::angleMinutes(minute), longueurMinutes)};
}

int heureSuivante(int heure)
{
    return heure == 23 ? 0 : heure + 1;
}

int heurePrecedente(int heure)
{
    return heure == 0 ? 23 : heure - 1;
}

}  // namespace horloge
