// SPDX-License-Identifier: GPL-3.0-or-later
#include "nomjoueur.h"

#include <QCryptographicHash>
#include <QList>

namespace {

bool caractereAdmis(char32_t c)
{
    // Marks belong to letters in scripts that write them apart.
    return QChar::isLetter(c) || QChar::isMark(c) || QChar::isDigit(c) || c == U' ' || c == U'-'
        || c == U'\'' || c == U'\u2019' || c == U'.';
}

QString compose(const QString& s)
{
    return s.normalized(QString::NormalizationForm_C);
}

}  // namespace

std::optional<QString> nomJoueurValide(const QString& brut)
{
    const QString nom = compose(brut.trimmed());
    const QList<uint> points = nom.toUcs4();
    if (points.isEmpty() || points.size() > longueurMaxNom || nom.startsWith(QLatin1Char('.')))
        return std::nullopt;
    for (uint c : points)
        if (!caractereAdmis(char32_t(c)))
            return std::nullopt;
    return nom;
}

QString messageNomRefuse(const QString& brut)
{
    const QString nom = brut.trimmed();
    if (nom.isEmpty())
        return QStringLiteral("Le prénom est vide.");
    if (nom.toUcs4().size() > longueurMaxNom)
        return QStringLiteral("Le prénom est trop long : %1 caractères au plus.").arg(longueurMaxNom);
    if (nom.startsWith(QLatin1Char('.')))
        return QStringLiteral("Le prénom ne peut pas commencer par un point.");
    return QStringLiteral("Le prénom ne peut contenir que des lettres, des chiffres, des espaces, "
                          "des traits d'union, des apostrophes et des points.");
}

QString cleJoueur(const QString& nom)
{
    const QByteArray plie = compose(compose(nom).toCaseFolded()).toUtf8();
    const QByteArray h = QCryptographicHash::hash(plie, QCryptographicHash::Sha256).toHex();
    return QLatin1Char('j') + QString::fromLatin1(h.left(16));
}
