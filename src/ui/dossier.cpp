// SPDX-License-Identifier: GPL-3.0-or-later
#include "dossier.h"

QStringList nomsEntre(const QDir& dossier, QStringView debut, QStringView fin, QDir::Filters filtres,
                      QDir::SortFlags tri)
{
    QStringList noms;
    for (const QString& nom : dossier.entryList(filtres, tri))
        if (nom.size() >= debut.size() + fin.size() && nom.startsWith(debut) && nom.endsWith(fin))
            noms << nom;
    return noms;
}
