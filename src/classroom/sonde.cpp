// SPDX-License-Identifier: GPL-3.0-or-later
#include "sonde.h"

#include <QDir>

namespace partage {

Etat sonder(const QString& dossier, int ms)
{
    // Whatever a class has used leaves one of these behind.
    const auto present = [dossier] {
        const QDir d(dossier);
        return d.exists() && (d.exists(QStringLiteral("joueurs")) || d.exists(QStringLiteral("anonyme"))
                              || d.exists(QStringLiteral("reglages")));
    };
    const std::optional<bool> la = avant<bool>(ms, present);
    return !la ? Etat::Muet : *la ? Etat::Joignable : Etat::Absent;
}

}  // namespace partage
