// SPDX-License-Identifier: GPL-3.0-or-later
#include "travail.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "classe.h"
#include "programme/carte.h"
#include "reglagesclasse.h"

namespace classe {

namespace {

const QString cleClasse = QStringLiteral("classe");

std::optional<Consigne> lireConsigne(const QString& valeur)
{
    const qsizetype blanc = valeur.indexOf(QLatin1Char(' '));
    Consigne c{QDate::fromString(valeur.left(blanc), Qt::ISODate), {}};
    if (blanc < 0 || !c.debut.isValid())
        return std::nullopt;
    for (const QString& id : valeur.mid(blanc + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (programme::indexItem(id.trimmed()) >= 0 && !c.items.contains(id.trimmed()))
            c.items << id.trimmed();
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

Travail travailClasse(const QString& classe)
{
    if (classe.isEmpty())
        return {};
    return lireTravail(lireTexteCourt(QDir(classe).filePath(fichierTravail), classe));
}

bool enregistrerTravail(const QString& classe, const Travail& t)
{
    return ecrireEntier(QDir(classe).filePath(fichierTravail), ecrireTravail(t).toUtf8());
}

Travail travailSuivi(const QString& classe, const QString& local)
{
    if (classe.isEmpty())
        return {};
    if (QFileInfo(classe).isDir())
        return travailClasse(classe);
    return travailGarde(local);
}

Travail travailGarde(const QString& local)
{
    return lireTravail(lireTexteCourt(QDir(local).filePath(copieTravail), local));
}

}  // namespace classe
