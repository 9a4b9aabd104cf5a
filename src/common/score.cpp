// SPDX-License-Identifier: GPL-3.0-or-later
#include "score.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <limits>

#include "texte.h"

void ValeurTypee::ajouter(qint32 delta)
{
    qint64 v = qint64(valeur) + delta;
    if (code == Vide)
        code = Entier16;
    if (code == Entier16
        && (v > std::numeric_limits<qint16>::max() || v < std::numeric_limits<qint16>::min()))
        code = Entier32;
    // Past 32 bits there is nothing wider in the file: hold at the limit.
    valeur = qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(),
                                   std::numeric_limits<qint32>::max()));
}

namespace score {
namespace {

class Lecteur {
public:
    explicit Lecteur(const QByteArray& o) : octets_(o) {}

    bool entier16(qint32& v)
    {
        if (pos_ + 2 > octets_.size())
            return false;
        v = qFromLittleEndian<qint16>(octets_.constData() + pos_);
        pos_ += 2;
        return true;
    }
    bool entier32(qint32& v)
    {
        if (pos_ + 4 > octets_.size())
            return false;
        v = qFromLittleEndian<qint32>(octets_.constData() + pos_);
        pos_ += 4;
        return true;
    }
    bool typee(ValeurTypee& t)
    {
        qint32 code = 0;
        if (!entier16(code))
            return false;
        t = {};
        t.code = quint16(code);
        switch (t.code) {
        case ValeurTypee::Vide: return true;
        case ValeurTypee::Entier16: return entier16(t.valeur);
        case ValeurTypee::Entier32: return entier32(t.valeur);
        default: return false;
        }
    }

private:
    const QByteArray& octets_;
    qsizetype pos_ = 0;
};

void ajouter16(QByteArray& o, qint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    o.append(b, 2);
}

void ajouter32(QByteArray& o, qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    o.append(b, 4);
}

void ajouterTypee(QByteArray& o, const ValeurTypee& t)
{
    ajouter16(o, qint16(t.code));
    if (t.code == ValeurTypee::Entier16)
        ajouter16(o, qint16(t.valeur));
    else if (t.code == ValeurTypee::Entier32)
        ajouter32(o, t.valeur);
}

}  // namespace

std::optional<Compteurs> lire(const QByteArray& octets)
{
    Lecteur l(octets);
    Compteurs c;
    if (l.typee(c.marqueur) && l.typee(c.nb_exercices) && l.typee(c.nb_justes)
        && l.entier32(c.nb_erreurs))
        return c;
    return std::nullopt;
}

QByteArray ecrire(const Compteurs& c)
{
    QByteArray o;
    ajouterTypee(o, c.marqueur);
    ajouterTypee(o, c.nb_exercices);
    ajouterTypee(o, c.nb_justes);
    ajouter32(o, c.nb_erreurs);
    return o;
}

Compteurs charger(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // Only the first fields matter; never read a huge foreign file whole.
    return lire(f.read(64)).value_or(Compteurs{});
}

bool sauver(const QString& chemin, Compteurs c)
{
    c.marqueur = ValeurTypee::entier16(1);
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray o = ecrire(c);
    // The bytes sit in a buffer until flushed, and commit() would rename the
    // temporary file over the old one even when that last write fell short
    // (disk full): flush here, so a short write cancels the save instead.
    if (f.write(o) != o.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QStringList enleverRestesDeSauvegarde(const QString& chemin)
{
    const QFileInfo score(chemin);
    const QRegularExpression reste(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(score.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    QStringList enleves;
    QDir dossier = score.absoluteDir();
    for (const QString& nom : dossier.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (reste.match(nom).hasMatch() && dossier.remove(nom))
            enleves << nom;
    return enleves;
}

QString ligne(const Compteurs& c)
{
    return QStringLiteral("\nExercices -->") + texte::n(c.nb_exercices.valeur)
         + QStringLiteral("  Justes -->") + texte::n(c.nb_justes.valeur)
         + QStringLiteral("  Erreurs -->") + texte::n(c.nb_erreurs);
}

}  // namespace score
