// SPDX-License-Identifier: GPL-3.0-or-later
#include "score.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>
#include <QtEndian>
#include <algorithm>
#include <limits>

#include "disque.h"
#include "texte.h"
#include "ui/dossier.h"

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

namespace {

// Beside the score, named so that no user would name a file so.
QString cheminVerrou(const QString& chemin)
{
    const QFileInfo score(chemin);
    return score.absoluteDir().filePath(QLatin1Char('.') + score.fileName() + QStringLiteral(".klepsos.verrou"));
}

// Held by one copy of the program at a time while it reads, adds and writes
// the score. A lock left by a copy that was killed is recognised as such.
class Verrou {
public:
    explicit Verrou(const QString& chemin) : verrou_(cheminVerrou(chemin))
    {
        // Another copy holds it for a few milliseconds; past this wait it is
        // hung, and saving without it beats losing the run.
        constexpr int attenteMs = 10000;
        verrou_.tryLock(attenteMs);
    }

private:
    QLockFile verrou_;
};

bool ecrireFichier(const QString& chemin, const QByteArray& octets)
{
    const QFileInfo score(chemin);
    QString temporaire;
    {
        QTemporaryFile f(nomTemporaire(chemin));
        if (!f.open())
            return false;
        temporaire = f.fileName();
        // The score keeps the permissions it had; a new one those of any file.
        f.setPermissions(score.exists() ? score.permissions()
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (f.write(octets) != octets.size() || !f.flush())
            return false;
        // Closed for good when it goes (its close() keeps it open, and
        // Windows replaces no file by an open one); kept on the disk.
        f.setAutoRemove(false);
    }
    // On the disk before it replaces the score: a power cut then leaves
    // either the old file or the new one.
    if (disque::synchroniser(temporaire) && disque::remplacer(temporaire, score.absoluteFilePath()))
        return true;
    QFile::remove(temporaire);
    return false;
}

}  // namespace

QString nomTemporaire(const QString& chemin)
{
    const QFileInfo score(chemin);
    return score.absoluteDir().filePath(QLatin1Char('.') + score.fileName() + QStringLiteral(".klepsos-XXXXXX"));
}

bool sauver(const QString& chemin, Compteurs c)
{
    c.marqueur = ValeurTypee::entier16(1);
    return ecrireFichier(chemin, ecrire(c));
}

Ajout ajouterSession(const QString& chemin, const Compteurs& auDebut, const Compteurs& maintenant)
{
    const qint64 exercices = qint64(maintenant.nb_exercices.valeur) - auDebut.nb_exercices.valeur;
    const qint64 justes = qint64(maintenant.nb_justes.valeur) - auDebut.nb_justes.valeur;
    const qint64 erreurs = qint64(maintenant.nb_erreurs) - auDebut.nb_erreurs;
    if (exercices == 0 && justes == 0 && erreurs == 0)
        return Ajout::RienAAjouter;

    const Verrou verrou(chemin);
    Compteurs c = charger(chemin);
    const auto borne = [](qint64 v) {
        return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    };
    // A counter this run did not move keeps its type in the file.
    if (exercices != 0)
        c.nb_exercices.ajouter(borne(exercices));
    if (justes != 0)
        c.nb_justes.ajouter(borne(justes));
    c.nb_erreurs = borne(qint64(c.nb_erreurs) + erreurs);
    return sauver(chemin, c) ? Ajout::Ajoute : Ajout::Echec;
}

QStringList enleverRestesDeSauvegarde(const QString& chemin)
{
    const QFileInfo score(chemin);
    // The temporary name with its six random letters or digits; matched by
    // hand, as start-up would otherwise load the regular expression engine
    // for this alone.
    const QString modele = QFileInfo(nomTemporaire(chemin)).fileName();
    const qsizetype trous = modele.lastIndexOf(QStringLiteral("XXXXXX"));
    const auto tire = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    QDir dossier = score.absoluteDir();
    QStringList candidats;
    for (const QString& nom : nomsEntre(dossier, QStringView(modele).first(trous), QStringView(modele).sliced(trous + 6),
                                        QDir::Files | QDir::Hidden | QDir::System))
        if (nom.size() == modele.size() && std::all_of(nom.begin() + trous, nom.begin() + trous + 6, tire))
            candidats << nom;
    if (candidats.isEmpty())
        return {};
    const Verrou verrou(chemin);
    QStringList enleves;
    for (const QString& nom : candidats)
        if (dossier.remove(nom))
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
