// SPDX-License-Identifier: GPL-3.0-or-later
#include "poste.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <optional>

#include "classe.h"
#include "sonde.h"
#include "systeme.h"

namespace classe {
namespace {

const QString fichierPoste = QStringLiteral("poste");
const QString fichierPostes = QStringLiteral("postes");
const QString dossierClasses = QStringLiteral("classes");
const QString fichierChemins = QStringLiteral("chemins");
// What an older version's store records about its last sending (partage.cpp).
const QString fichierEnvoye = QStringLiteral("classe.envoye");
constexpr int attenteVerrouMs = 5000;
constexpr int attenteIdentiteMs = 1000;

QByteArray lireLocal(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(maxTexteCourt) : QByteArray();
}

QString hache16(const QByteArray& octets)
{
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex().left(16));
}

// "<clé> <valeur>" lines of a local file, in order.
QList<std::pair<QString, QString>> paires(const QString& chemin, QChar separateur)
{
    QList<std::pair<QString, QString>> p;
    for (const QString& ligne : QString::fromUtf8(lireLocal(chemin)).split(QLatin1Char('\n'))) {
        const qsizetype i = ligne.indexOf(separateur);
        if (i > 0)
            p.append({ligne.left(i), ligne.mid(i + 1)});
    }
    return p;
}

void ajouterPaire(const QString& chemin, QChar separateur, const QString& cle, const QString& valeur)
{
    QByteArray t = lireLocal(chemin);
    if (!t.isEmpty() && !t.endsWith('\n'))
        t += '\n';
    ecrireEntier(chemin, t + (cle + separateur + valeur).toUtf8() + '\n');
}

}  // namespace

QString empreinteMachine()
{
    const QByteArray impose = qgetenv("KLEPSOS_EMPREINTE");
    if (!impose.isEmpty())
        return hache16(impose);
    // In this order, so that a computer keeps the fingerprint it had.
    const systeme::TraitsMachine traits = systeme::traitsMachine();
    return hache16(traits.id + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' + traits.cartes);
}

}  // namespace classe

QString posteLocal(const QString& dossierLocal, const QString& empreinte)
{
    using namespace classe;
    const QDir d(dossierLocal);
    const auto connu = [&](const QList<std::pair<QString, QString>>& connus) -> std::optional<QString> {
        for (const auto& [e, p] : connus) {
            if (e == empreinte && posteValide(p))
                return p;
        }
        return std::nullopt;
    };
    // A computer seen before, as on every start but the first: the file is
    // only ever replaced whole, so it is read without the lock, whose
    // creation waits for the disk (fdatasync) before the first screen.
    if (const auto p = connu(paires(d.filePath(fichierPostes), QLatin1Char(' '))))
        return *p;
    d.mkpath(QStringLiteral("."));
    QLockFile verrou(d.filePath(QStringLiteral("poste.verrou")));
    const bool tenu = verrou.tryLock(attenteVerrouMs);
    // Read again under the lock: another run may have just added this computer.
    const auto connus = paires(d.filePath(fichierPostes), QLatin1Char(' '));
    if (const auto p = connu(connus))
        return *p;
    const QString ancien = QString::fromLatin1(lireLocal(d.filePath(fichierPoste))).trimmed();
    const QString poste = connus.isEmpty() && posteValide(ancien) ? ancien : nouvelId(QLatin1Char('p'));
    // Unlocked, a second process may have written another id meanwhile:
    // answers then go to two files, never lost (readers count each once).
    if (tenu || !QFileInfo::exists(d.filePath(fichierPostes)))
        ajouterPaire(d.filePath(fichierPostes), QLatin1Char(' '), empreinte, poste);
    if (!posteValide(ancien))
        ecrireEntier(d.filePath(fichierPoste), poste.toLatin1());
    return poste;
}

namespace classe {

QString identiteClasse(const QString& classe)
{
    const QString chemin = QDir(classe).filePath(fichierIdentiteClasse);
    QString id = lireTexteCourt(chemin, classe).trimmed();
    if (idValide(id, QLatin1Char('c')) || !QFileInfo(classe).isDir())
        return idValide(id, QLatin1Char('c')) ? id : QString();
    // Two computers may make one at once: the first to link its file wins,
    // and the other takes it.
    const QString temporaire = QStringLiteral("%1.%2").arg(chemin, nouvelId(QLatin1Char('t')));
    if (!ecrireEntier(temporaire, nouvelId(QLatin1Char('c')).toLatin1() + '\n'))
        return {};
    if (!systeme::lier(temporaire, chemin) && !QFileInfo::exists(chemin))
        QFile::rename(temporaire, chemin);  // a share without hard links
    QFile::remove(temporaire);
    id = lireTexteCourt(chemin, classe).trimmed();
    return idValide(id, QLatin1Char('c')) ? id : QString();
}

QString magasinClasse(const QString& local, const QString& classe)
{
    const QDir classes(QDir(local).filePath(dossierClasses));
    const QString chemins = classes.filePath(fichierChemins);
    QString id;
    for (const auto& [i, c] : paires(chemins, QLatin1Char('\t'))) {
        if (c == classe && idValide(i, QLatin1Char('c')))
            id = i;
    }
    const QString provisoire = classes.filePath(QStringLiteral("chemin-") + hache16(classe.toUtf8()));
    if (id.isEmpty()) {
        // The first time only, and a share that hangs holds the start a second at most.
        id = partage::avant<QString>(attenteIdentiteMs, [classe] { return identiteClasse(classe); }).value_or(QString());
        if (id.isEmpty())
            return provisoire;
        classes.mkpath(QStringLiteral("."));
        ajouterPaire(chemins, QLatin1Char('\t'), id, classe);
    }
    const QString magasin = classes.filePath(id);
    if (QFileInfo(magasin).isDir())
        return magasin;
    // An older version kept one class's answers in the store itself.
    if (QString::fromUtf8(lireLocal(QDir(local).filePath(fichierEnvoye))).section(QLatin1Char('\n'), 0, 0) == classe)
        return local;
    // Answers given while the folder was away, before its id was known.
    if (QFileInfo(provisoire).isDir())
        QDir().rename(provisoire, magasin);
    classes.mkpath(id);
    return magasin;
}

}  // namespace classe
