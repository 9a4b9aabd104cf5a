// SPDX-License-Identifier: GPL-3.0-or-later
#include "classe.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>

#include "fichierpartage.h"
#include "nomjoueur.h"

namespace classe {
namespace {

const QString joueurs = QStringLiteral("joueurs");
const QString anonyme = QStringLiteral("anonyme");
const QString fichierNom = QStringLiteral("nom");
const QString suffixe = QStringLiteral(".hist");
// A name or the settings: a few hundred bytes at most.
constexpr qint64 maxTexteCourt = 64 * 1024;
// How much of the end of the class copy must match ours before we add to it.
constexpr qint64 bordCompare = 4096;
// What this computer last knew it had sent, for the console line while the
// folder is out of reach.
const QString fichierEnvoye = QStringLiteral("classe.envoye");
const QString fichierVerrou = QStringLiteral("classe.verrou");
const QString fichierReglages = QStringLiteral("reglages");
// The class's settings as last seen, for a start with the folder away.
const QString copieReglages = QStringLiteral("classe.reglages");

bool motif(const QString& nom, QChar initiale)
{
    if (nom.size() != 17 || nom[0] != initiale)
        return false;
    for (qsizetype i = 1; i < nom.size(); ++i) {
        const char16_t c = nom[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

QString canonique(const QString& chemin)
{
    return QFileInfo(chemin).canonicalFilePath();
}

// A link is followed only when it stays inside racine.
bool dansRacine(const QFileInfo& fi, const QString& racine)
{
    if (!fi.isSymLink())
        return true;
    const QString cible = fi.canonicalFilePath();
    const QString base = canonique(racine);
    return !cible.isEmpty() && !base.isEmpty() && cible.startsWith(base + QLatin1Char('/'));
}

bool ecrireFichier(const QString& chemin, const QByteArray& octets)
{
    QSaveFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.commit();
}

QString nomDansLeDossier(const QString& dossierEnfant, const QString& racine)
{
    const QString nom = lireTexteCourt(QDir(dossierEnfant).filePath(fichierNom), racine);
    if (nom.isNull())
        return {};
    const auto valide = nomJoueurValide(nom);
    return valide && cleJoueur(*valide) == QFileInfo(dossierEnfant).fileName() ? *valide : QString();
}

qint64 compterLignes(const QByteArray& octets)
{
    return octets.count('\n');
}

// The part of ours that the class copy lacks, cut after the last whole
// line; nullopt when the class copy is not a beginning of ours.
struct Difference {
    bool accord = true;
    QByteArray manque;
};
Difference difference(QFile& local, const QString& copie)
{
    Difference d;
    const QFileInfo fi(copie);
    qint64 taille = 0;
    if (fi.exists() || fi.isSymLink()) {
        if (fi.isSymLink() || !fi.isFile()) {
            d.accord = false;
            return d;
        }
        taille = fi.size();
    }
    if (taille > local.size()) {
        d.accord = false;
        return d;
    }
    if (taille > 0) {
        const qint64 n = std::min(taille, bordCompare);
        const std::optional<QByteArray> bord = partage::lire(copie, taille - n, n);
        if (!bord || !local.seek(taille - n) || *bord != local.read(n)) {
            d.accord = false;
            return d;
        }
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

Etat lireEtat(const QString& local)
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

void ecrireEtat(const QString& local, const Etat& e)
{
    QByteArray t = e.classe.toUtf8() + '\n';
    for (auto it = e.envoye.cbegin(); it != e.envoye.cend(); ++it)
        t += it.key().toUtf8() + '=' + QByteArray::number(it.value()) + '\n';
    ecrireFichier(QDir(local).filePath(fichierEnvoye), t);
}

bool estRetire(const QString& classe, const QString& cle)
{
    const QDir d(QDir(classe).filePath(QLatin1String(dossierRetires)));
    return !d.entryList({cle + QStringLiteral("*")}, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

// Moves a child's folder into <racine>/retires/<cle>-<date>, never over another.
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
    return QDir().rename(r.filePath(joueurs + QLatin1Char('/') + cle), r.filePath(cible));
}

// Where a child renamed in the class went: the key in the class's note,
// following a child renamed again, as long as the folder is there.
QString nouvelleCle(const QString& classe, QString cle)
{
    const QDir c(classe);
    for (int n = 0; n < 8; ++n) {
        const QString suite = lireTexteCourt(c.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierRenommes), cle)), classe)
                                  .trimmed();
        if (!cleValide(suite) || suite == cle)
            return {};
        if (dossierSur(c.filePath(joueurs + QLatin1Char('/') + suite), classe))
            return suite;
        cle = suite;
    }
    return {};
}

// Children renamed by the teacher: this computer's folder for them follows,
// so that its answers reach the class copy that moved with the folder.
void suivreRenommages(const QString& local, const QString& classe, const QString& poste, Envoi& e)
{
    const QDir l(local);
    for (const QFileInfo& fi : QDir(l.filePath(joueurs)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString cle = fi.fileName();
        if (!cleValide(cle) || QFileInfo::exists(QDir(classe).filePath(joueurs + QLatin1Char('/') + cle)))
            continue;
        const QString nouvelle = nouvelleCle(classe, cle);
        if (nouvelle.isEmpty())
            continue;
        const QString vers = l.filePath(joueurs + QLatin1Char('/') + nouvelle);
        const QString propre = nomFichierHistorique(poste);
        if (!QFileInfo::exists(vers)) {
            QDir().rename(fi.filePath(), vers);
        } else if (!QFileInfo::exists(QDir(vers).filePath(propre))) {
            // Known here by its new name already, without answers from here.
            QDir().rename(QDir(fi.filePath()).filePath(propre), QDir(vers).filePath(propre));
            mettreDeCote(local, cle);
        } else {
            e.desaccords << fi.filePath();
        }
    }
}

}  // namespace

bool cleValide(const QString& nom)
{
    return motif(nom, QLatin1Char('j'));
}

bool posteValide(const QString& nom)
{
    return motif(nom, QLatin1Char('p'));
}

QString nomFichierHistorique(const QString& poste)
{
    return poste + suffixe;
}

QString dossierClasse(const std::optional<QString>& option, const QSettings& reglages)
{
    if (option)
        return QDir::cleanPath(QDir::current().absoluteFilePath(*option));
    const QString s = reglages.value(QStringLiteral("classe")).toString().trimmed();
    return s.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(s));
}

bool fichierSur(const QString& chemin, const QString& racine, qint64 max)
{
    const QFileInfo fi(chemin);
    return partage::estRegulier(chemin) && dansRacine(fi, racine) && fi.size() <= max;
}

bool dossierSur(const QString& chemin, const QString& racine)
{
    const QFileInfo fi(chemin);
    return fi.isDir() && dansRacine(fi, racine);
}

QString lireTexteCourt(const QString& chemin, const QString& racine)
{
    if (!fichierSur(chemin, racine, maxTexteCourt))
        return {};
    const std::optional<QByteArray> octets = partage::lire(chemin, 0, maxTexteCourt);
    if (!octets)
        return {};
    auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = decodeur(*octets);
    if (decodeur.hasError())
        return {};
    while (t.endsWith(QLatin1Char('\n')) || t.endsWith(QLatin1Char('\r')))
        t.chop(1);
    return t.isNull() ? QStringLiteral("") : t;
}

ListeEnfants enfants(const QString& racine)
{
    ListeEnfants l;
    const QDir d(QDir(racine).filePath(joueurs));
    const auto entrees = d.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& fi : entrees) {
        if (!cleValide(fi.fileName()) || !dossierSur(fi.filePath(), racine)) {
            ++l.ignores;
            continue;
        }
        const QString nom = nomDansLeDossier(fi.filePath(), racine);
        if (nom.isEmpty()) {
            ++l.ignores;
            continue;
        }
        l.enfants.append({fi.fileName(), nom});
    }
    QCollator tri(QLocale(QLocale::French, QLocale::France));
    tri.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(l.enfants.begin(), l.enfants.end(),
              [&](const Joueur& a, const Joueur& b) { return tri.compare(a.nom, b.nom) < 0; });
    return l;
}

namespace {

// The histories of one folder (relative to both stores): this computer's
// from the local store, the others' from the class folder.
QStringList historiquesDe(const QString& classe, const QString& local, const QString& poste, const QString& relatif)
{
    QStringList f;
    const QString propre = relatif + QLatin1Char('/') + nomFichierHistorique(poste);
    if (QFileInfo(QDir(local).filePath(propre)).isFile())
        f << QDir(local).filePath(propre);
    if (classe.isEmpty())
        return f;
    const QString dossier = QDir(classe).filePath(relatif);
    if (!dossierSur(dossier, classe))
        return f;
    const auto entrees = QDir(dossier).entryInfoList({QStringLiteral("*") + suffixe}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& fi : entrees) {
        const QString p = fi.completeBaseName();
        // Years of a child's answers take a few megabytes: a larger file is not a history.
        if (p != poste && posteValide(p) && dansRacine(fi, classe) && fi.size() <= tailleMaxHistorique)
            f << fi.filePath();
    }
    return f;
}

}  // namespace

QStringList fichiersHistorique(const QString& classe, const QString& local, const QString& poste,
                               const QString& cle)
{
    return cleValide(cle) ? historiquesDe(classe, local, poste, joueurs + QLatin1Char('/') + cle) : QStringList();
}

QStringList fichiersAnonymes(const QString& classe, const QString& local, const QString& poste)
{
    return historiquesDe(classe, local, poste, anonyme);
}

Envoi synchroniser(const QString& local, const QString& classe, const QString& poste)
{
    Envoi e;
    const QDir l(local);
    const QDir c(classe);
    // Two copies of the program on this computer must not both send the same
    // bytes: the lock is on the local disk, where locks hold.
    l.mkpath(QStringLiteral("."));
    QLockFile verrou(l.filePath(fichierVerrou));
    verrou.setStaleLockTime(60 * 1000);
    if (!verrou.tryLock(20 * 1000))
        return e;

    Etat etat = lireEtat(local);
    const Etat lu = etat;
    if (etat.classe != classe)
        etat = {classe, {}};
    // Never the class folder itself, nor its parents: an unmounted share
    // leaves its mount point behind, or nothing.
    const auto sousDossier = [&](const QString& nom) {
        return dossierSur(c.filePath(nom), classe) || c.mkdir(nom);
    };
    e.joignable = QFileInfo(classe).isDir() && sousDossier(joueurs) && sousDossier(anonyme);

    if (e.joignable)
        suivreRenommages(local, classe, poste, e);
    // Our files: each child's and the unnamed player's.
    QStringList relatifs;
    const QString propre = nomFichierHistorique(poste);
    for (const QFileInfo& fi : QDir(l.filePath(joueurs)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (cleValide(fi.fileName()))
            relatifs << QStringLiteral("%1/%2/%3").arg(joueurs, fi.fileName(), propre);
    }
    relatifs << anonyme + QLatin1Char('/') + propre;

    for (const QString& rel : std::as_const(relatifs)) {
        QFile source(l.filePath(rel));
        const bool aDesReponses = source.exists();
        if (aDesReponses && !source.open(QIODevice::ReadOnly))
            continue;
        const QString cle = rel.startsWith(joueurs) ? rel.section(QLatin1Char('/'), 1, 1) : QString();
        if (e.joignable && !cle.isEmpty()) {
            const QString dossier = c.filePath(joueurs + QLatin1Char('/') + cle);
            if (!QFileInfo::exists(dossier) && !QFileInfo(dossier).isSymLink()) {
                if (estRetire(classe, cle)) {
                    // The teacher removed this child: this computer puts its
                    // copy aside too, answers included.
                    source.close();
                    mettreDeCote(local, cle);
                    continue;
                }
                const QString nom = nomDansLeDossier(l.filePath(joueurs + QLatin1Char('/') + cle), local);
                if (!nom.isEmpty() && c.mkdir(joueurs + QLatin1Char('/') + cle))
                    ecrireFichier(QDir(dossier).filePath(fichierNom), nom.toUtf8() + '\n');
            }
            if (!QFileInfo(c.filePath(joueurs)).isDir()) {
                e.joignable = false;  // gone while we were at it
            } else if (!dossierSur(dossier, classe)) {
                e.desaccords << dossier;
                continue;
            }
        }
        if (!aDesReponses)
            continue;
        if (!e.joignable) {
            if (source.seek(etat.envoye.value(rel)))
                e.lignesEnAttente += compterLignes(source.readAll());
            continue;
        }
        const QString copie = c.filePath(rel);
        const Difference d = difference(source, copie);
        if (!d.accord) {
            e.desaccords << copie;
            continue;
        }
        if (d.manque.isEmpty()) {
            etat.envoye[rel] = QFileInfo(copie).size();
            continue;
        }
        QFile cible(copie);
        const qint64 avant = QFileInfo(copie).size();
        const bool ok = cible.open(QIODevice::WriteOnly | QIODevice::Append)
                        && cible.write(d.manque) == d.manque.size() && cible.flush();
        cible.close();
        if (ok) {
            e.lignesEnvoyees += compterLignes(d.manque);
            etat.envoye[rel] = avant + d.manque.size();
        } else {
            e.joignable = false;
            e.lignesEnAttente += compterLignes(d.manque);
        }
    }

    // The class's settings and children, known here for the next time the
    // folder is away.
    if (e.joignable) {
        const QString reglages = lireTexteCourt(c.filePath(fichierReglages), classe);
        if (!reglages.isNull() && reglages != lireTexteCourt(l.filePath(copieReglages), local))
            ecrireFichier(l.filePath(copieReglages), reglages.toUtf8());
        for (const Joueur& enfant : enfants(classe).enfants) {
            const QString dossier = l.filePath(joueurs + QLatin1Char('/') + enfant.cle);
            if (nomDansLeDossier(dossier, local) != enfant.nom && QDir().mkpath(dossier))
                ecrireFichier(QDir(dossier).filePath(fichierNom), enfant.nom.toUtf8() + '\n');
        }
    }
    // Written only when it changed: a pass runs after every few answers.
    if (etat.classe != lu.classe || etat.envoye != lu.envoye)
        ecrireEtat(local, etat);
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

Resultat ajouter(const QString& classe, const QString& nom)
{
    const auto valide = nomJoueurValide(nom);
    if (!valide)
        return Resultat::NomRefuse;
    const QString cle = cleJoueur(*valide);
    if (QFileInfo::exists(QDir(classe).filePath(joueurs + QLatin1Char('/') + cle)))
        return Resultat::DejaLa;
    const QDir c(classe);
    const QString dossier = joueurs + QLatin1Char('/') + cle;
    if (QFileInfo::exists(c.filePath(dossier)) || !c.mkpath(dossier))
        return Resultat::Echec;
    return ecrireFichier(c.filePath(dossier + QLatin1Char('/') + fichierNom), valide->toUtf8() + '\n')
               ? Resultat::Fait
               : Resultat::Echec;
}

Resultat renommer(const QString& classe, const QString& cle, const QString& nouveauNom)
{
    const auto valide = nomJoueurValide(nouveauNom);
    if (!valide)
        return Resultat::NomRefuse;
    const QDir c(classe);
    const QString ancien = joueurs + QLatin1Char('/') + cle;
    if (!cleValide(cle) || !dossierSur(c.filePath(ancien), classe))
        return Resultat::Inconnu;
    const QString nouvelle = cleJoueur(*valide);
    const QString nouveau = joueurs + QLatin1Char('/') + nouvelle;
    if (nouvelle == cle) {
        // Only the letter case changes: the folder stays.
        return ecrireFichier(c.filePath(ancien + QLatin1Char('/') + fichierNom), valide->toUtf8() + '\n')
                   ? Resultat::Fait
                   : Resultat::Echec;
    }
    if (QFileInfo::exists(c.filePath(nouveau)) || QFileInfo(c.filePath(nouveau)).isSymLink())
        return Resultat::DejaLa;
    // The note first: a computer that finds the old folder gone and no note
    // would take the child for removed.
    if (!c.mkpath(QLatin1String(dossierRenommes))
        || !ecrireFichier(c.filePath(QStringLiteral("%1/%2").arg(QLatin1String(dossierRenommes), cle)), nouvelle.toLatin1() + '\n')
        || !QDir().rename(c.filePath(ancien), c.filePath(nouveau)))
        return Resultat::Echec;
    return ecrireFichier(c.filePath(nouveau + QLatin1Char('/') + fichierNom), valide->toUtf8() + '\n')
               ? Resultat::Fait
               : Resultat::Echec;
}

Resultat retirer(const QString& classe, const QString& cle)
{
    if (!cleValide(cle) || !dossierSur(QDir(classe).filePath(joueurs + QLatin1Char('/') + cle), classe))
        return Resultat::Inconnu;
    return mettreDeCote(classe, cle) ? Resultat::Fait : Resultat::Echec;
}

Reglages reglagesClasse(const QString& classe)
{
    if (classe.isEmpty())
        return {};
    return lireReglages(lireTexteCourt(QDir(classe).filePath(fichierReglages), classe));
}

Reglages reglagesSuivis(const QString& classe, const QString& local)
{
    if (classe.isEmpty())
        return {};
    if (QFileInfo(classe).isDir())
        return reglagesClasse(classe);
    return reglagesGardes(local);
}

Reglages reglagesGardes(const QString& local)
{
    return lireReglages(lireTexteCourt(QDir(local).filePath(copieReglages), local));
}

bool enregistrerReglages(const QString& classe, const Reglages& r)
{
    return ecrireFichier(QDir(classe).filePath(fichierReglages), ecrireReglages(r).toUtf8());
}

}  // namespace classe
