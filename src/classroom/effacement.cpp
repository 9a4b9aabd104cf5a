// SPDX-License-Identifier: GPL-3.0-or-later
#include "effacement.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "classe.h"
#include "enfant.h"
#include "systeme.h"
#include "travail.h"
#include "ui/dossier.h"

namespace classe {
namespace {

// A record names an identity, or the key of a child without one.
bool nomDeTrace(const QString& n)
{
    return idValide(n, QLatin1Char('e')) || cleValide(n);
}

// Whether a child's folder is the one a record names.
bool designe(const QString& trace, const QString& cle, const QString& id)
{
    return idValide(trace, QLatin1Char('e')) ? id == trace : id.isEmpty() && cle == trace;
}

// The notes of renames that lead from or to these keys, followed both ways.
void oublierRenommages(const QString& racine, QSet<QString> cles)
{
    const QDir notes(QDir(racine).filePath(QLatin1String(dossierRenommes)));
    for (bool encore = true; encore;) {
        encore = false;
        for (const QString& n : notes.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QString vers = lireTexteCourt(notes.filePath(n), racine).trimmed();
            if ((cles.contains(n) || cles.contains(vers)) && QFile::remove(notes.filePath(n))) {
                encore = encore || !cles.contains(n) || !cles.contains(vers);
                cles << n << vers;
            }
        }
    }
}

// Every folder of the store, in joueurs/ and retires/, of the child a
// record names, with the key each has.
QList<std::pair<QString, QString>> dossiersDe(const QString& racine, const QString& trace)
{
    QList<std::pair<QString, QString>> l;
    const QDir joueurs(QDir(racine).filePath(dossierJoueurs));
    for (const QString& cle : joueurs.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (cleValide(cle) && designe(trace, cle, identiteEnfant(joueurs.filePath(cle), racine)))
            l.append({joueurs.filePath(cle), cle});
    }
    for (const Retire& r : retires(racine)) {
        if (designe(trace, r.cle, r.id))
            l.append({r.dossier, r.cle});
    }
    return l;
}

// Those folders deleted with all they hold; the keys they had.
QSet<QString> effacerDossiers(const QString& racine, const QString& trace)
{
    QSet<QString> cles;
    for (const auto& [dossier, cle] : dossiersDe(racine, trace)) {
        QDir(dossier).removeRecursively();
        cles << cle;
    }
    return cles;
}

QString nomDeTraceDe(const Retire& r)
{
    return r.id.isEmpty() ? r.cle : r.id;
}

}  // namespace

QList<Retire> retires(const QString& racine)
{
    QList<Retire> l;
    const QDir d(QDir(racine).filePath(QLatin1String(dossierRetires)));
    for (const QString& n : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString cle = n.left(17);
        const QString dossier = d.filePath(n);
        if (!cleValide(cle) || n.mid(17, 1) != QLatin1String("-") || !dossierSur(dossier, racine))
            continue;
        const QString nom = lireTexteCourt(QDir(dossier).filePath(fichierNom), racine).trimmed();
        l.append({dossier, cle, nom, identiteEnfant(dossier, racine),
                  QDateTime::fromString(n.mid(18, 14), QStringLiteral("yyyyMMddHHmmss")).toUTC()});
        l.last().quand.setTimeSpec(Qt::UTC);
    }
    std::stable_sort(l.begin(), l.end(), [](const Retire& a, const Retire& b) { return a.quand > b.quand; });
    return l;
}

bool effacer(const QString& racine, const Retire& r, bool avecTrace)
{
    const QString trace = nomDeTraceDe(r);
    if (avecTrace) {
        const QDir c(racine);
        if (!c.mkpath(QLatin1String(dossierEffaces))
            || !ecrireEntier(c.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierEffaces), trace)),
                             QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + '\n'))
            return false;
    }
    QSet<QString> cles = effacerDossiers(racine, trace);
    cles << r.cle;
    oublierRenommages(racine, cles);
    // Their own week's work goes too, the rest of the class's stays.
    const QString travail = QDir(racine).filePath(fichierTravail);
    if (QFileInfo(travail).isFile()) {
        const QString texte = lireTexteCourt(travail, racine);
        if (texte.isNull())
            return false;
        Travail t = lireTravail(texte);
        bool change = false;
        for (const QString& cle : std::as_const(cles))
            change = t.enfants.remove(cle) > 0 || change;
        if (change && !ecrireEntier(travail, ecrireTravail(t).toUtf8()))
            return false;
    }
    return dossiersDe(racine, trace).isEmpty();
}

int honorerEffacements(const QString& local, const QString& classe)
{
    const QDir c(QDir(classe).filePath(QLatin1String(dossierEffaces)));
    if (!dossierSur(c.path(), classe))
        return 0;
    const QString faits = QDir(local).filePath(fichierEffacesFaits);
    const QSet<QString> deja = [&] {
        const QStringList l = lireTexteCourt(faits, local).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return QSet<QString>(l.begin(), l.end());
    }();
    int effaces = 0;
    for (const QString& trace : c.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!nomDeTrace(trace) || deja.contains(trace))
            continue;
        const QSet<QString> cles = effacerDossiers(local, trace);
        effaces += int(cles.size());
        oublierRenommages(local, cles);
        // Marked done only once nothing of theirs is left here.
        if (dossiersDe(local, trace).isEmpty())
            systeme::ajouter(faits, trace.toLatin1() + '\n');
    }
    return effaces;
}

}  // namespace classe
