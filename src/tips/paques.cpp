// SPDX-License-Identifier: GPL-3.0-or-later
#include "paques.h"

QDate DatePaques(const qint16& annee)
{
    // Every intermediate value stays below 500.
    const qint16 y = annee;
    const qint16 a = y % 19;
    const qint16 b = y / 100;
    const qint16 c = y % 100;
    const qint16 d = b / 4;
    const qint16 e = b % 4;
    const qint16 f = (b + 8) / 25;
    const qint16 g = (b - f + 1) / 3;
    const qint16 h = (19 * a + b - d - g + 15) % 30;
    const qint16 i = c / 4;
    const qint16 k = c % 4;
    const qint16 l = (32 + 2 * e + 2 * i - h - k) % 7;
    const qint16 m = (a + 11 * h + 22 * l) / 451;
    const qint16 n = h + l - 7 * m + 114;
    const qint16 mois = n / 31;
    const qint16 jour = n % 31 + 1;
    return QDate(y, mois, jour);
}

namespace paques {

QStringList legendes(qint16 annee, const QLocale& locale)
{
    const QDate dimanche = DatePaques(annee);
    QStringList l;
    for (const Fete& f : fetes)
        l << QString::fromUtf8(f.prefixe) + texte::dateLongue(dimanche.addDays(f.joursApresPaques), locale);
    return l;
}

}  // namespace paques
