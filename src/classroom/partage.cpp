// SPDX-License-Identifier: GPL-3.0-or-later
#include "partage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "classe.h"
#include "effacement.h"
#include "systeme.h"
#include "travail.h"
#include "ui/dossier.h"

namespace classe {
namespace {

// How much of the end of the class copy must match ours before we add to it.
constexpr qint64 bordCompare = 4096;
// What this computer last knew it had sent, for the console line while the
// folder is out of reach.
const QString fichierEnvoye = QStringLiteral("classe.envoye");
const QString fichierReglages = QStringLiteral("reglages");
// A status unchanged is written again after this long, so the teacher sees
// the computer is still there.
constexpr qint64 rafraichirEtatSecondes = 10 * 60;

qint64 compterLignes(const QByteArray& octets)
{
    return octets.count('\n');
}

// The part of ours that the class copy lacks, cut after the last whole
// line; no accord when the class copy is not a beginning of ours.
struct Difference {
    bool accord = true;
    QByteArray manque;
};
Difference difference(QFile& local, const QString& copie)
{
    Difference d;
    qint64 taille = 0;
    switch (systeme::nature(copie)) {
    case systeme::Nature::Rien:
        break;
    case systeme::Nature::Autre:
        return {false, {}};
    case systeme::Nature::Fichier:
        taille = QFileInfo(copie).size();
        break;
    }
    if (taille > local.size())
        return {false, {}};
    if (taille > 0) {
        const qint64 n = std::min(taille, bordCompare);
        const std::optional<QByteArray> bord = systeme::lire(copie, taille - n, n);
        if (!bord || !local.seek(taille - n) || *bord != local.read(n))
            return {false, {}};
    }
    if (!local.seek(taille))
        return d;
    const QByteArray reste = local.readAll();
    const qsizetype fin = reste.lastIndexOf('\n');
    if (fin >= 0)
        d.manque = reste.left(fin + 1);
    return d;
}

struct Etat {
    QString classe;
    QHash<QString, qint64> envoye;  // relative path -> bytes the class had
};

Etat lireEnvoye(const QString& local)
{
    Etat e;
    QFile f(QDir(local).filePath(fichierEnvoye));
    if (f.size() > maxTexteCourt * 16 || !f.open(QIODevice::ReadOnly))
        return e;
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    e.classe = lignes.value(0);
    for (qsizetype i = 1; i < lignes.size(); ++i) {
        const qsizetype eg = lignes[i].lastIndexOf(QLatin1Char('='));
        bool ok = false;
        const qint64 v = lignes[i].mid(eg + 1).toLongLong(&ok);
        if (eg > 0 && ok)
            e.envoye.insert(lignes[i].left(eg), v);
    }
    return e;
}

void ecrireEnvoye(const QString& local, const Etat& e)
{
    QByteArray t = e.classe.toUtf8() + '\n';
    for (auto it = e.envoye.cbegin(); it != e.envoye.cend(); ++it)
        t += it.key().toUtf8() + '=' + QByteArray::number(it.value()) + '\n';
    ecrireEntier(QDir(local).filePath(fichierEnvoye), t);
}

// The id under which this computer's answers go where the class file of its
// own id is not a beginning of its own (a disk cloned by an older version:
// two computers under one id): made once per store, then always the same.
QString relais(const QString& local, const QString& poste, bool creer)
{
    const QString chemin = QDir(local).filePath(QStringLiteral("%1.relais").arg(poste));
    const QString lu = lireTexteCourt(chemin, local).trimmed();
    if (posteValide(lu) || !creer)
        return posteValide(lu) ? lu : QString();
    const QString nouveau = nouvelId(QLatin1Char('p'));
    return ecrireEntier(chemin, nouveau.toLatin1() + '\n') ? nouveau : QString();
}

// The class's settings, week's work and children, known here for the next time the
// folder is away.
void garderLaClasse(const QString& local, const QString& classe)
{
    const QDir l(local);
    for (const auto& [fichier, copie] : {std::pair{fichierReglages, copieReglages}, std::pair{fichierTravail, copieTravail}}) {
        const QString texte = lireTexteCourt(QDir(classe).filePath(fichier), classe);
        if (!texte.isNull() && texte != lireTexteCourt(l.filePath(copie), local))
            ecrireEntier(l.filePath(copie), texte.toUtf8());
    }
    for (const Joueur& enfant : enfants(classe).enfants) {
        const QString ici = dossierEnfant(local, enfant.cle);
        const QString la = dossierEnfant(classe, enfant.cle);
        if (nomDansLeDossier(ici, local) != enfant.nom && QDir().mkpath(ici))
            ecrireEntier(QDir(ici).filePath(fichierNom), enfant.nom.toUtf8() + '\n');
        const QString id = identiteEnfant(la, classe);
        if (!id.isEmpty() && identiteEnfant(ici, local) != id)
            ecrireIdentite(ici, id);
        // The year the teacher gave the child, when it differs from the class's.
        const QList<programme::Annee> annee = anneeEnfant(la, classe);
        if (!annee.isEmpty() && anneeEnfant(ici, local) != annee)
            ecrireAnneeEnfant(ici, annee);
    }
}

// This computer's word for the teacher; not written again while unchanged
// and recent.
void direEtat(const QString& classe, const QString& poste, const Envoi& e)
{
    const QDir c(classe);
    if (!dossierSur(c.filePath(QLatin1String(dossierEtats)), classe) && !c.mkdir(QLatin1String(dossierEtats)))
        return;
    const QString chemin = c.filePath(QStringLiteral("%1/%2.etat").arg(QLatin1String(dossierEtats), poste));
    EtatPoste etat{poste, QSysInfo::machineHostName(), e.lignesEnAttente, e.lignesRefusees,
                   QDateTime::currentDateTimeUtc()};
    if (const auto avant = lireEtat(lireTexteCourt(chemin, classe))) {
        EtatPoste meme = *avant;
        meme.quand = etat.quand;
        if (meme == etat && avant->quand.isValid() && avant->quand.secsTo(etat.quand) < rafraichirEtatSecondes)
            return;
    }
    ecrireEntier(chemin, ecrireEtat(etat));
}

}  // namespace

Envoi synchroniser(const QString& local, const QString& classe, const QString& poste)
{
    Envoi e;
    const QDir l(local);
    const QDir c(classe);
    // Two copies of the program on this computer must not both send the same
    // bytes: the lock is on the local disk, where locks hold, one per
    // computer (a home folder on the server serves several). It is never
    // taken from a copy still running, however long its sending lasts: only
    // a dead copy's lock is stale.
    l.mkpath(QStringLiteral("."));
    QLockFile verrou(l.filePath(poste + QStringLiteral(".verrou")));
    verrou.setStaleLockTime(0);
    if (!verrou.tryLock(20 * 1000))
        return e;

    Etat etat = lireEnvoye(local);
    const Etat lu = etat;
    if (etat.classe != classe)
        etat = {classe, {}};
    // Never the class folder itself, nor its parents: an unmounted share
    // leaves its mount point behind, or nothing.
    const auto sousDossier = [&](const QString& nom) {
        return dossierSur(c.filePath(nom), classe) || c.mkdir(nom);
    };
    e.joignable = QFileInfo(classe).isDir() && sousDossier(dossierJoueurs) && sousDossier(dossierAnonyme);
    // Children the teacher erased for good are erased here first, and
    // nothing of theirs is sent again.
    if (e.joignable && honorerEffacements(local, classe) > 0)
        etat.envoye.removeIf([&](const auto& f) { return !QFileInfo::exists(l.filePath(f.key())); });

    // Our files: each child's and the unnamed player's.
    const QString propre = nomFichierHistorique(poste);
    QStringList cles;
    for (const QString& cle : QDir(l.filePath(dossierJoueurs)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (cleValide(cle))
            cles << cle;
    }
    cles << QString();

    QString idRelais = relais(local, poste, false);
    bool ecritRefuse = false;
    for (QString cle : std::as_const(cles)) {
        if (e.joignable && !cle.isEmpty()) {
            const Rapprochement r = rapprocher(local, classe, poste, cle);
            if (r.sort == Rapprochement::Sort::MisDeCote)
                continue;
            if (r.sort == Rapprochement::Sort::Desaccord) {
                e.desaccords << dossierEnfant(classe, cle);
                continue;
            }
            cle = r.cle;
            if (!QFileInfo(c.filePath(dossierJoueurs)).isDir())
                e.joignable = false;  // gone while we were at it
        }
        const QString dossier = cle.isEmpty() ? dossierAnonyme : dossierJoueurs + QLatin1Char('/') + cle;
        const QString rel = dossier + QLatin1Char('/') + propre;
        QFile source(l.filePath(rel));
        if (!source.exists() || !source.open(QIODevice::ReadOnly))
            continue;
        if (!e.joignable) {
            if (source.seek(etat.envoye.value(rel)))
                e.lignesEnAttente += compterLignes(source.readAll());
            continue;
        }
        // The class file of our id, unless another computer writes it: then
        // the one of our relay id, once and for all.
        QString copie = c.filePath(rel);
        const auto relayee = [&] { return c.filePath(dossier + QLatin1Char('/') + nomFichierHistorique(idRelais)); };
        bool relaye = !idRelais.isEmpty() && QFileInfo::exists(relayee());
        Difference d;
        if (!relaye) {
            d = difference(source, copie);
            if (!d.accord && idRelais.isEmpty())
                idRelais = relais(local, poste, true);
            relaye = !d.accord && !idRelais.isEmpty();
        }
        if (relaye) {
            copie = relayee();
            d = difference(source, copie);
        }
        if (!d.accord) {
            e.desaccords << copie;
            if (source.seek(0))
                e.lignesRefusees += compterLignes(source.readAll());
            continue;
        }
        const qint64 avant = QFileInfo(copie).size();
        const qint64 ecrits = d.manque.isEmpty() ? 0 : systeme::ajouter(copie, d.manque).ecrits;
        etat.envoye[rel] = avant + ecrits;
        e.lignesEnvoyees += compterLignes(d.manque.left(ecrits));
        if (ecrits < d.manque.size()) {
            e.joignable = false;
            ecritRefuse = true;
            e.lignesEnAttente += compterLignes(d.manque.mid(ecrits));
        }
    }

    if (e.joignable)
        garderLaClasse(local, classe);
    // A folder there that took less than it was given: the teacher sees what waits.
    if (e.joignable || ecritRefuse)
        direEtat(classe, poste, e);
    // Written only when it changed: a pass runs after every few answers.
    if (etat.classe != lu.classe || etat.envoye != lu.envoye)
        ecrireEnvoye(local, etat);
    return e;
}

QString ligneAttente(const Envoi& e, const QString& classe)
{
    QString t;
    if (e.lignesEnAttente > 0) {
        t = e.lignesEnAttente == 1
                ? QStringLiteral("Klepsos : 1 réponse en attente pour la classe")
                : QStringLiteral("Klepsos : %1 réponses en attente pour la classe").arg(e.lignesEnAttente);
        t += QStringLiteral(" (dossier de classe hors d'atteinte : %1).").arg(classe);
    }
    for (const QString& d : e.desaccords)
        t += (t.isEmpty() ? QString() : QStringLiteral("\n"))
             + QStringLiteral("Klepsos : %1 ne suit pas les réponses de cet ordinateur ; rien n'y est ajouté.").arg(d);
    return t;
}

QByteArray ecrireEtat(const EtatPoste& e)
{
    QByteArray t;
    const auto ligne = [&](const char* cle, const QString& valeur) { t += cle + ('=' + valeur.toUtf8()) + '\n'; };
    ligne("poste", e.poste);
    ligne("hote", QString(e.hote).remove(QLatin1Char('\n')).remove(QLatin1Char('\r')));
    ligne("en_attente", QString::number(e.enAttente));
    ligne("refusees", QString::number(e.refusees));
    ligne("date", e.quand.toUTC().toString(Qt::ISODate));
    return t;
}

std::optional<EtatPoste> lireEtat(const QString& texte)
{
    EtatPoste e;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        const QString cle = ligne.section(QLatin1Char('='), 0, 0).trimmed();
        const QString valeur = ligne.section(QLatin1Char('='), 1).trimmed();
        if (cle == QLatin1String("poste"))
            e.poste = posteValide(valeur) ? valeur : QString();
        else if (cle == QLatin1String("hote"))
            e.hote = valeur.left(64);
        else if (cle == QLatin1String("en_attente"))
            e.enAttente = std::max<qint64>(0, valeur.toLongLong());
        else if (cle == QLatin1String("refusees"))
            e.refusees = std::max<qint64>(0, valeur.toLongLong());
        else if (cle == QLatin1String("date"))
            e.quand = QDateTime::fromString(valeur, Qt::ISODate);
    }
    if (e.poste.isEmpty())
        return std::nullopt;
    return e;
}

QList<EtatPoste> etatsPostes(const QString& classe)
{
    QList<EtatPoste> l;
    const QString dossier = QDir(classe).filePath(QLatin1String(dossierEtats));
    if (classe.isEmpty() || !dossierSur(dossier, classe))
        return l;
    for (const QString& n : nomsEntre(QDir(dossier), u"p", u".etat", QDir::Files, QDir::Name)) {
        const auto e = lireEtat(lireTexteCourt(QDir(dossier).filePath(n), classe));
        // The file's name must be the id it speaks for.
        if (e && e->poste + QStringLiteral(".etat") == n)
            l << *e;
    }
    return l;
}

}  // namespace classe
