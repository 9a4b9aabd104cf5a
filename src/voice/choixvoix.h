// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

namespace voix {

// A voice an engine offers, and the language it speaks.
struct VoixOfferte {
    QString nom;
    QLocale langue;
};

// Among the voices an engine offers, the one to take: a French voice, of
// France before the other French ones (a Belgian or Swiss voice says
// "septante", "nonante"), and among those an MBROLA voice first (it sounds
// far more natural than espeak-ng's own), else the first offered. -1 when
// none speaks French.
qsizetype meilleureVoix(const QList<VoixOfferte>& offertes);

}  // namespace voix
