#include "texte.h"

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

QString dateLongue(const QDate& date, const QLocale& locale)
{
    return majusculeInitiale(locale.toString(date, QLocale::LongFormat));
}

static QString deuxChiffres(int v, const char* unite)
{
    return QLatin1Char(' ') + QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'))
         + QLatin1String(unite);
}

QString heureExacte(const QTime& t)
{
    return QStringLiteral("Il est exactement\n") + deuxChiffres(t.hour(), " h")
         + deuxChiffres(t.minute(), " mn") + deuxChiffres(t.second(), " s");
}

}  // namespace texte
