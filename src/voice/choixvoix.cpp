// SPDX-License-Identifier: GPL-3.0-or-later
#include "choixvoix.h"

#include <QRegularExpression>

namespace voix {

qsizetype meilleureVoix(const QList<VoixOfferte>& offertes)
{
    // espeak-ng names its MBROLA voices "french-mbrola-1" or after their
    // files ("mb-fr1"); Speech Dispatcher's generic MBROLA modules, after
    // the MBROLA voice itself ("fr1" to "fr7").
    static const QRegularExpression mbrola(QStringLiteral("mbrola|(^|[^a-z])mb-?fr|^fr\\d+$"),
                                           QRegularExpression::CaseInsensitiveOption);
    // The lower the better; the first offered among equals.
    const auto rang = [](const VoixOfferte& v) {
        return (v.langue.territory() == QLocale::France ? 0 : 2) + (mbrola.match(v.nom).hasMatch() ? 0 : 1);
    };
    qsizetype meilleure = -1;
    for (qsizetype i = 0; i < offertes.size(); ++i)
        if (offertes[i].langue.language() == QLocale::French
            && (meilleure < 0 || rang(offertes[i]) < rang(offertes[meilleure])))
            meilleure = i;
    return meilleure;
}

}  // namespace voix
