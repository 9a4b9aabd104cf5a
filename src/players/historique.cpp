// SPDX-License-Identifier: GPL-3.0-or-later
#include "historique.h"

#include <QFile>

QByteArray ecrireLigne(const LigneHistorique& l)
{
    const auto champ = [](QString s) { return s.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8(); };
    return QByteArray::number(l.quand.toMSecsSinceEpoch()) + '\t' + champ(l.joueur) + '\t' + champ(l.activite) + '\t'
           + champ(l.question) + '\t' + champ(l.reponse) + '\t' + champ(l.attendue) + '\t' + (l.juste ? "1" : "0") + '\n';
}

std::optional<LigneHistorique> lireLigne(QByteArrayView ligne)
{
    if (ligne.endsWith('\n'))
        ligne.chop(1);
    const QList<QByteArray> c = ligne.toByteArray().split('\t');
    if (c.size() != 7)
        return std::nullopt;
    bool ok = false;
    const qint64 ms = c[0].toLongLong(&ok);
    if (!ok || (c[6] != "1" && c[6] != "0"))
        return std::nullopt;
    return LigneHistorique{QDateTime::fromMSecsSinceEpoch(ms), QString::fromUtf8(c[1]), QString::fromUtf8(c[2]),
                           QString::fromUtf8(c[3]), QString::fromUtf8(c[4]), QString::fromUtf8(c[5]), c[6] == "1"};
}

LectureHistorique lireHistorique(const QString& chemin, qint64 depuis)
{
    LectureHistorique r;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(depuis))
        return r;
    const QByteArray tout = f.readAll();
    for (const QByteArray& l : tout.split('\n')) {
        if (l.isEmpty())
            continue;
        if (auto x = lireLigne(l))
            r.lignes << *x;
        else
            ++r.ignorees;
    }
    return r;
}

#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>

QString posteLocal(const QString& racine)
{
    QFile f(QDir(racine).filePath(QStringLiteral("poste")));
    if (f.open(QIODevice::ReadOnly)) {
        const QString p = QString::fromLatin1(f.read(64)).trimmed();
        if (p.size() == 17)
            return p;
    }
    const QString p = QStringLiteral("p%1%2").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0')).arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    QDir().mkpath(racine);
    QSaveFile s(QDir(racine).filePath(QStringLiteral("poste")));
    if (s.open(QIODevice::WriteOnly)) {
        s.write(p.toLatin1() + '\n');
        s.commit();
    }
    return p;
}
