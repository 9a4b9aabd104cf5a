// SPDX-License-Identifier: GPL-3.0-or-later
#include "texte.h"

#include <QRegularExpression>

namespace texte {

QString n(qint64 x)
{
    return x < 0 ? QString::number(x) : QLatin1Char(' ') + QString::number(x);
}

QString F(qint64 x)
{
    return QString::number(x);
}

QLocale localeAffichage()
{
    QLocale systeme = QLocale::system();
    if (systeme.language() == QLocale::C)
        return QLocale(QLocale::French, QLocale::France);
    return systeme;
}

QString majusculeInitiale(const QString& s)
{
    if (s.isEmpty())
        return s;
    return s.left(1).toUpper() + s.mid(1);
}

// The locale's date pattern with its four-digit year field ("yyyy", which
// pads 100 to 0100) replaced by the year written as a plain number. Quoted
// parts of the pattern are text and stay as they are.
static QString sansZerosDansLAnnee(const QString& motif, const QString& annee)
{
    QString resultat;
    bool cite = false;
    for (qsizetype i = 0; i < motif.size();) {
        const QChar c = motif.at(i);
        if (c == QLatin1Char('\'')) {
            cite = !cite;
        } else if (!cite && c == QLatin1Char('y')) {
            qsizetype fin = i;
            while (fin < motif.size() && motif.at(fin) == c)
                ++fin;
            resultat += fin - i == 4 ? QLatin1Char('\'') + annee + QLatin1Char('\'')
                                     : motif.mid(i, fin - i);
            i = fin;
            continue;
        }
        resultat += c;
        ++i;
    }
    return resultat;
}

QString dateLongue(const QDate& date, const QLocale& locale)
{
    QLocale chiffres = locale;
    chiffres.setNumberOptions(QLocale::OmitGroupSeparator);  // 2026, never "2 026"
    const QString motif = sansZerosDansLAnnee(locale.dateFormat(QLocale::LongFormat),
                                              chiffres.toString(date.year()));
    return majusculeInitiale(locale.toString(date, motif));
}

QString minusculeInitiale(const QString& s)
{
    return s.isEmpty() ? s : s.front().toLower() + s.mid(1);
}

QString insecable(const QString& s)
{
    static const QRegularExpression espaceFine(QStringLiteral("[ \u00A0](?=[:;!?»])|(?<=«)[ \u00A0]"));
    static const QRegularExpression espaceDure(
        QStringLiteral("(?<=\\d) (?=(?:h|min|mn|s|j|ans?|mois|semaines?|%)(?!\\w))|(?<=\\bh) (?=\\d)|(?<=→) | (?=→)|(?<=\\bÀ) "));
    static const QRegularExpression trait(QStringLiteral("(?<=\\w)-(?=\\w)"));
    return QString(s)
        .replace(espaceFine, QStringLiteral("\u202F"))
        .replace(espaceDure, QStringLiteral("\u00A0"))
        .replace(trait, QStringLiteral("-\u2060"));
}

QString jourMois(const QDate& d, bool avecAnnee)
{
    const QLocale fr(QLocale::French, QLocale::France);
    QString t = (d.day() == 1 ? QStringLiteral("1er") : QString::number(d.day())) + QChar(0x00A0)
                + fr.monthName(d.month(), QLocale::LongFormat);
    if (avecAnnee)
        t += QLatin1Char(' ') + QString::number(d.year());
    return t;
}

QString romain(int n)
{
    static const std::pair<int, const char*> valeurs[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                                          {90, "XC"},   {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                                                          {5, "V"},     {4, "IV"},   {1, "I"}};
    QString r;
    for (const auto& [v, lettres] : valeurs)
        for (; n >= v; n -= v)
            r += QLatin1String(lettres);
    return r;
}

static QString ordinalRomain(int n, const QString& nom)
{
    // U+1D49 and U+02B3: the superscript letters "ᵉ" and "ʳ".
    return romain(n) + (n == 1 ? QStringLiteral("\u1D49\u02B3 ") : QStringLiteral("\u1D49 ")) + nom;
}

QString siecle(int n)
{
    return ordinalRomain(n, QStringLiteral("siècle"));
}

QString millenaire(int n)
{
    return ordinalRomain(n, QStringLiteral("millénaire"));
}

static QString deuxChiffres(int v, const char* unite)
{
    return QLatin1Char(' ') + QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'))
         + QLatin1String(unite);
}

QString heuresMinutes(int heures, int minutes)
{
    return F(heures) + QStringLiteral(" h") + n(minutes) + QStringLiteral(" mn");
}

QString heureExacte(const QTime& t)
{
    return QStringLiteral("Il est exactement\n") + deuxChiffres(t.hour(), " h")
         + deuxChiffres(t.minute(), " mn") + deuxChiffres(t.second(), " s");
}

}  // namespace texte
