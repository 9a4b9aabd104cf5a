// SPDX-License-Identifier: GPL-3.0-or-later
#include "travail.h"

#include <QRegularExpression>

#include "programme/carte.h"
#include "reglagesclasse.h"

namespace classe {

namespace {

const QString cleClasse = QStringLiteral("classe");

std::optional<Consigne> lireConsigne(const QString& valeur)
{
    // A date alone gives no item: the teacher took them all off.
    const qsizetype blanc = valeur.indexOf(QLatin1Char(' '));
    Consigne c{QDate::fromString(blanc < 0 ? valeur : valeur.left(blanc), Qt::ISODate), {}};
    if (!c.debut.isValid())
        return std::nullopt;
    // An item an older version named otherwise is kept under today's name.
    for (const QString& id : (blanc < 0 ? QString() : valeur.mid(blanc + 1)).split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const int i = programme::indexItem(id.trimmed()); i >= 0) {
            const QString nom = QString::fromLatin1(programme::items()[size_t(i)].id);
            if (!c.items.contains(nom))
                c.items << nom;
        }
    return c;
}

QString ecrireConsigne(const QString& cle, const Consigne& c)
{
    return cle + QLatin1Char('=') + c.debut.toString(Qt::ISODate) + QLatin1Char(' ') + c.items.join(QLatin1Char(','))
         + QLatin1Char('\n');
}

}  // namespace

Travail lireTravail(const QString& texte, int* ignores)
{
    static const QRegularExpression cleEnfant(QStringLiteral("^j[0-9a-f]{16}$"));
    Travail t;
    const int mauvais = lireClesValeurs(texte, [&](const QString& cle, const QString& v) {
        const auto c = lireConsigne(v);
        if (!c || (cle != cleClasse && !cleEnfant.match(cle).hasMatch()))
            return false;
        if (cle == cleClasse)
            t.classe = *c;
        else
            t.enfants.insert(cle, *c);
        return true;
    });
    if (ignores)
        *ignores = mauvais;
    return t;
}

QString ecrireTravail(const Travail& t)
{
    QString s;
    if (t.classe)
        s += ecrireConsigne(cleClasse, *t.classe);
    QStringList cles = t.enfants.keys();
    cles.sort();
    for (const QString& cle : std::as_const(cles))
        s += ecrireConsigne(cle, t.enfants[cle]);
    return s;
}

Travail appliquer(Travail t, const ChangementTravail& c)
{
    const bool vide = !c.consigne || c.consigne->items.isEmpty();
    if (c.cle.isEmpty())
        t.classe = vide ? std::nullopt : c.consigne;
    else if (vide)
        t.enfants.remove(c.cle);
    else
        t.enfants.insert(c.cle, *c.consigne);
    return t;
}

std::optional<Consigne> consignePour(const Travail& t, const QString& cle, QDate jour)
{
    const auto enCours = [jour](const Consigne& c) {
        return c.debut <= jour && jour < c.debut.addDays(joursTravail) && !c.items.isEmpty();
    };
    if (const auto it = t.enfants.constFind(cle); it != t.enfants.cend() && enCours(*it))
        return *it;
    if (t.classe && enCours(*t.classe))
        return t.classe;
    return std::nullopt;
}

}  // namespace classe
