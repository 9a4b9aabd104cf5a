// SPDX-License-Identifier: GPL-3.0-or-later
#include "nomjoueur.h"

#include <QCryptographicHash>

std::optional<QString> nomJoueurValide(const QString& brut)
{
    const QString nom = brut.trimmed().normalized(QString::NormalizationForm_C);
    if (nom.isEmpty() || nom.size() > 30 || nom.startsWith(QLatin1Char('.')))
        return std::nullopt;
    for (const QChar c : nom) {
        if (!(c.isLetterOrNumber() || c.isMark() || c == u' ' || c == u'-' || c == u'\'' || c == u'.'))
            return std::nullopt;
    }
    return nom;
}

QString cleJoueur(const QString& nom)
{
    const QByteArray h = QCryptographicHash::hash(nom.normalized(QString::NormalizationForm_C).toCaseFolded().toUtf8(),
                                                  QCryptographicHash::Sha256);
    return QStringLiteral("j") + QString::fromLatin1(h.left(8).toHex());
}
