// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesjoueur.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

// A choices file is small; never read a foreign file whole.
constexpr qint64 tailleMax = 64 * 1024;
// Kept readable for whoever opens the file: only what could break a line is encoded.
const QByteArray lisibles = QByteArrayLiteral("/ .-_");

}  // namespace

PreferencesJoueur::PreferencesJoueur(const QString& chemin, std::function<QString()> retrouver)
    : chemin_(chemin), retrouver_(std::move(retrouver))
{
    QFile f(chemin_);
    if (f.open(QIODevice::ReadOnly))
        valeurs_ = decoder(f.read(tailleMax));
}

QString PreferencesJoueur::lire(const QString& cle, const QString& defaut) const
{
    return valeurs_.value(cle, defaut);
}

void PreferencesJoueur::ecrire(const QString& cle, const QString& valeur)
{
    valeurs_[cle] = valeur;
    if (retrouver_ && !QFileInfo::exists(QFileInfo(chemin_).absolutePath())) {
        const QString ailleurs = retrouver_();
        if (!ailleurs.isEmpty())
            chemin_ = ailleurs;
    }
    QSaveFile f(chemin_);
    const QByteArray o = encoder(valeurs_);
    if (!f.open(QIODevice::WriteOnly) || f.write(o) != o.size() || !f.flush()) {
        f.cancelWriting();
        return;
    }
    f.commit();
}

QHash<QString, QString> PreferencesJoueur::decoder(const QByteArray& octets)
{
    QHash<QString, QString> v;
    for (const QByteArray& ligne : octets.split('\n')) {
        const qsizetype egal = ligne.indexOf('=');
        if (egal <= 0)
            continue;
        v[QString::fromUtf8(QByteArray::fromPercentEncoding(ligne.left(egal)))] =
            QString::fromUtf8(QByteArray::fromPercentEncoding(ligne.mid(egal + 1)));
    }
    return v;
}

QByteArray PreferencesJoueur::encoder(const QHash<QString, QString>& valeurs)
{
    QStringList cles = valeurs.keys();
    std::sort(cles.begin(), cles.end());
    QByteArray o;
    for (const QString& c : cles)
        o += c.toUtf8().toPercentEncoding(lisibles) + '=' + valeurs[c].toUtf8().toPercentEncoding(lisibles)
           + '\n';
    return o;
}
