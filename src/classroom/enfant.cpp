// SPDX-License-Identifier: GPL-3.0-or-later
#include "enfant.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

#include "classe.h"
#include "reglagesclasse.h"
#include "common/nomjoueur.h"
#include "systeme.h"

namespace classe {
namespace {

// The most renames followed one after the other.
constexpr int maxRenommages = 8;

bool existe(const QString& chemin)
{
    return QFileInfo::exists(chemin) || QFileInfo(chemin).isSymLink();
}

QStringList retires(const QString& classe, const QString& filtre)
{
    const QDir d(QDir(classe).filePath(QLatin1String(dossierRetires)));
    QStringList l;
    for (const QString& n : d.entryList({filtre}, QDir::Dirs | QDir::NoDotAndDotDot))
        l << d.filePath(n);
    return l;
}

// The teacher removed that child: their identity, or for a child of an older
// version, their key with this computer's answers aside and none in the
// class's folder of the key.
bool estRetire(const QString& classe, const QString& cle, const QString& id, const QString& poste)
{
    const QString propre = nomFichierHistorique(poste);
    const QString dossier = dossierEnfant(classe, cle);
    for (const QString& r : retires(classe, cle + QStringLiteral("-*"))) {
        const QString idRetire = identiteEnfant(r, classe);
        if (!existe(dossier) ? id.isEmpty() || idRetire.isEmpty() || idRetire == id
            : !id.isEmpty()  ? idRetire == id
                             : QFileInfo::exists(QDir(r).filePath(propre)) && !QFileInfo::exists(QDir(dossier).filePath(propre)))
            return true;
    }
    return false;
}

}  // namespace

QString nouvelleCle(const QString& classe, QString cle)
{
    const QDir c(classe);
    for (int n = 0; n < maxRenommages; ++n) {
        const QString suite = lireTexteCourt(c.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierRenommes), cle)), classe)
                                  .trimmed();
        if (!cleValide(suite) || suite == cle)
            return {};
        if (dossierSur(dossierEnfant(classe, suite), classe))
            return suite;
        cle = suite;
    }
    return {};
}

namespace {

// Appends a file's bytes to another, then removes it: the answers of a
// child known here under two keys end in one file.
bool verser(const QString& de, const QString& vers)
{
    const std::optional<QByteArray> octets = systeme::lire(de, 0, std::numeric_limits<qint64>::max());
    return octets && systeme::ajouter(vers, *octets).ecrits == octets->size() && QFile::remove(de);
}

// This computer's folder for a child renamed in the class follows, so that
// its answers reach the class copy that moved with the folder.
bool suivre(const QString& local, const QString& poste, const QString& cle, const QString& nouvelle)
{
    const QString de = dossierEnfant(local, cle);
    const QString vers = dossierEnfant(local, nouvelle);
    // The same note here: a copy of the program writing for the old key
    // finds where its child went.
    const QDir l(local);
    if (!l.mkpath(QLatin1String(dossierRenommes))
        || !ecrireEntier(l.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierRenommes), cle)), nouvelle.toLatin1() + '\n'))
        return false;
    if (!QFileInfo::exists(vers))
        return QDir().rename(de, vers);
    // Known here by its new name already.
    const QString propre = nomFichierHistorique(poste);
    const QString fichier = QDir(de).filePath(propre);
    if (QFileInfo::exists(fichier) && !verser(fichier, QDir(vers).filePath(propre)))
        return false;
    return mettreDeCote(local, cle);
}

}  // namespace

QString identiteEnfant(const QString& dossier, const QString& racine)
{
    const QString id = lireTexteCourt(QDir(dossier).filePath(fichierIdentite), racine).trimmed();
    return idValide(id, QLatin1Char('e')) ? id : QString();
}

bool ecrireIdentite(const QString& dossier, const QString& id)
{
    return ecrireEntier(QDir(dossier).filePath(fichierIdentite), id.toLatin1() + '\n');
}

QList<programme::Annee> anneeEnfant(const QString& dossier, const QString& racine)
{
    return lireAnnees(lireTexteCourt(QDir(dossier).filePath(fichierAnneeEnfant), racine).trimmed())
        .value_or(QList<programme::Annee>{});
}

bool ecrireAnneeEnfant(const QString& dossier, const QList<programme::Annee>& annees)
{
    const QString chemin = QDir(dossier).filePath(fichierAnneeEnfant);
    if (annees.isEmpty())
        return !QFileInfo::exists(chemin) || QFile::remove(chemin);
    return ecrireEntier(chemin, ecrireAnnees(annees).toUtf8() + '\n');
}

QString cleActuelle(const QString& racine, const QString& cle, const QString& id)
{
    if (id.isEmpty())
        return nouvelleCle(racine, cle);
    const QDir d(QDir(racine).filePath(dossierJoueurs));
    for (const QString& autre : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (cleValide(autre) && identiteEnfant(d.filePath(autre), racine) == id)
            return autre;
    }
    return {};
}

Resultat ajouter(const QString& classe, const QString& nom)
{
    const auto valide = nomJoueurValide(nom);
    if (!valide)
        return Resultat::NomRefuse;
    const QString dossier = dossierEnfant(classe, cleJoueur(*valide));
    if (existe(dossier))
        return Resultat::DejaLa;
    if (!QDir().mkpath(dossier) || !ecrireIdentite(dossier, nouvelId(QLatin1Char('e'))))
        return Resultat::Echec;
    return ecrireEntier(QDir(dossier).filePath(fichierNom), valide->toUtf8() + '\n') ? Resultat::Fait : Resultat::Echec;
}

Resultat renommer(const QString& classe, const QString& cle, const QString& nouveauNom)
{
    const auto valide = nomJoueurValide(nouveauNom);
    if (!valide)
        return Resultat::NomRefuse;
    const QDir c(classe);
    const QString ancien = dossierEnfant(classe, cle);
    if (!cleValide(cle) || !dossierSur(ancien, classe))
        return Resultat::Inconnu;
    const QString nouvelle = cleJoueur(*valide);
    const QString nouveau = dossierEnfant(classe, nouvelle);
    if (nouvelle == cle) {
        // Only the letter case changes: the folder stays.
        return ecrireEntier(QDir(ancien).filePath(fichierNom), valide->toUtf8() + '\n') ? Resultat::Fait : Resultat::Echec;
    }
    if (existe(nouveau))
        return Resultat::DejaLa;
    // A child of an older version gets an identity before moving, so the
    // computers recognise them under the new name.
    if (identiteEnfant(ancien, classe).isEmpty())
        ecrireIdentite(ancien, nouvelId(QLatin1Char('e')));
    // The note first: a computer that finds the old folder gone and no note
    // would take the child for removed.
    if (!c.mkpath(QLatin1String(dossierRenommes))
        || !ecrireEntier(c.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierRenommes), cle)), nouvelle.toLatin1() + '\n')
        || !QDir().rename(ancien, nouveau))
        return Resultat::Echec;
    return ecrireEntier(QDir(nouveau).filePath(fichierNom), valide->toUtf8() + '\n') ? Resultat::Fait : Resultat::Echec;
}

Resultat retirer(const QString& classe, const QString& cle)
{
    if (!cleValide(cle) || !dossierSur(dossierEnfant(classe, cle), classe))
        return Resultat::Inconnu;
    return mettreDeCote(classe, cle) ? Resultat::Fait : Resultat::Echec;
}

bool mettreDeCote(const QString& racine, const QString& cle)
{
    const QDir r(racine);
    if (!r.mkpath(QLatin1String(dossierRetires)))
        return false;
    const QString base = QStringLiteral("%1/%2-%3").arg(QLatin1String(dossierRetires), cle,
                                                        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")));
    QString cible = base;
    for (int i = 2; QFileInfo::exists(r.filePath(cible)); ++i)
        cible = base + QStringLiteral("-%1").arg(i);
    return QDir().rename(dossierEnfant(racine, cle), r.filePath(cible));
}

Rapprochement rapprocher(const QString& local, const QString& classe, const QString& poste, const QString& cle)
{
    using Sort = Rapprochement::Sort;
    Rapprochement r{Sort::Envoyer, cle};
    QString ici = dossierEnfant(local, cle);
    QString id = identiteEnfant(ici, local);
    QString la = dossierEnfant(classe, cle);
    if (!existe(la)) {
        const QString nouvelle = nouvelleCle(classe, cle);
        const QString idRenomme = nouvelle.isEmpty() ? QString() : identiteEnfant(dossierEnfant(classe, nouvelle), classe);
        if (!nouvelle.isEmpty() && (id.isEmpty() || idRenomme.isEmpty() || id == idRenomme)) {
            if (!suivre(local, poste, cle, nouvelle))
                return {Sort::Desaccord, cle};
            r.cle = nouvelle;
            ici = dossierEnfant(local, nouvelle);
            la = dossierEnfant(classe, nouvelle);
            id = identiteEnfant(ici, local);
        } else if (estRetire(classe, cle, id, poste)) {
            // The teacher removed this child: this computer puts its copy
            // aside too, answers included.
            mettreDeCote(local, cle);
            return {Sort::MisDeCote, cle};
        } else {
            // First named here: the class learns the child, identity included.
            const QString nom = nomDansLeDossier(ici, local);
            if (id.isEmpty() && ecrireIdentite(ici, nouvelId(QLatin1Char('e'))))
                id = identiteEnfant(ici, local);
            if (!nom.isEmpty() && QDir().mkdir(la)) {
                ecrireIdentite(la, id);
                ecrireEntier(QDir(la).filePath(fichierNom), nom.toUtf8() + '\n');
            }
        }
    }
    if (!dossierSur(la, classe))
        return {Sort::Desaccord, r.cle};
    const QString idClasse = identiteEnfant(la, classe);
    // The same child as before, at the cost of a file read: the removed
    // children are looked at only when the identities differ, or for a
    // child of an older version, when the class has none of our answers.
    const bool meme = id.isEmpty() ? QFileInfo::exists(QDir(la).filePath(nomFichierHistorique(poste))) : id == idClasse;
    if (!meme && estRetire(classe, r.cle, id, poste)) {
        // A namesake added after a removal is someone else.
        mettreDeCote(local, r.cle);
        return {Sort::MisDeCote, r.cle};
    }
    // One identity for the child, the class's when it has one.
    if (idClasse.isEmpty() && !id.isEmpty())
        ecrireIdentite(la, id);
    else if (!idClasse.isEmpty() && idClasse != id)
        ecrireIdentite(ici, idClasse);
    return r;
}

}  // namespace classe
