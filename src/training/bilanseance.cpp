// SPDX-License-Identifier: GPL-3.0-or-later
#include "bilanseance.h"

#include <QRandomGenerator>

#include "common/texte.h"

namespace seance {

QString numero(int rang, int total)
{
    return QStringLiteral("Question %1 sur %2").arg(rang).arg(total);
}

QString resultat(int justes, int total)
{
    if (justes == 0)
        return QStringLiteral("Tu n'as trouvé aucune bonne réponse sur %1.").arg(total);
    const QString bonnes = justes == 1 ? QStringLiteral("1 bonne réponse") : QStringLiteral("%1 bonnes réponses").arg(justes);
    return QStringLiteral("Tu as trouvé %1 sur %2 !").arg(bonnes).arg(total);
}

int etoiles(int justes, int total)
{
    if (total <= 0)
        return 0;
    const int pourDix = justes * 10 / total;
    return pourDix >= 9 ? 3 : pourDix >= 7 ? 2 : pourDix >= 5 ? 1 : 0;
}

QString ensuite(const QString& item)
{
    return item.isEmpty() ? QStringLiteral("Tout est réussi ! Bravo !")
                          : QStringLiteral("À travailler ensuite : %1.").arg(texte::minusculeInitiale(item));
}

QString texteMarques(int justes, int fausses)
{
    const auto compte = [](int n, const char* mot) {
        return QStringLiteral("%1 réponse%2 %3%2").arg(n).arg(n > 1 ? "s" : "").arg(QLatin1String(mot));
    };
    return compte(justes, "juste") + QStringLiteral(", ") + compte(fausses, "fausse");
}

QString nouvelleIdentite()
{
    return QStringLiteral("s%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

}  // namespace seance
