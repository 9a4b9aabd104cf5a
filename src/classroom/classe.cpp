// SPDX-License-Identifier: GPL-3.0-or-later
#include "classe.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>

#include "common/nomjoueur.h"
#include "systeme.h"

namespace classe {
namespace {

const QString suffixe = QStringLiteral(".hist");
const QString fichierReglages = QStringLiteral("reglages");

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

}  // namespace

bool idValide(const QString& nom, QChar initiale)
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

QString nouvelId(QChar initiale)
{
    const quint64 n = QRandomGenerator::system()->generate64();
    return initiale + QStringLiteral("%1").arg(n, 16, 16, QLatin1Char('0'));
}

bool cleValide(const QString& nom)
{
    return idValide(nom, QLatin1Char('j'));
}

bool posteValide(const QString& nom)
{
    return idValide(nom, QLatin1Char('p'));
}

QString nomFichierHistorique(const QString& poste)
{
    return poste + suffixe;
}

QString dossierEnfant(const QString& racine, const QString& cle)
{
    return QDir(racine).filePath(dossierJoueurs + QLatin1Char('/') + cle);
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
    return systeme::estRegulier(chemin) && dansRacine(fi, racine) && fi.size() <= max;
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
    const std::optional<QByteArray> octets = systeme::lire(chemin, 0, maxTexteCourt);
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

bool ecrireEntier(const QString& chemin, const QByteArray& octets)
{
    // Qt's save file writes through a link to the link's target: a link left
    // in a file's place is replaced by the file, never followed out.
    if (QFileInfo(chemin).isSymLink() && !QFile::remove(chemin))
        return false;
    QSaveFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.commit();
}

QString nomDansLeDossier(const QString& dossier, const QString& racine)
{
    const QString nom = lireTexteCourt(QDir(dossier).filePath(fichierNom), racine);
    if (nom.isNull())
        return {};
    const auto valide = nomJoueurValide(nom);
    return valide && cleJoueur(*valide) == QFileInfo(dossier).fileName() ? *valide : QString();
}

ListeEnfants enfants(const QString& racine)
{
    ListeEnfants l;
    const QDir d(QDir(racine).filePath(dossierJoueurs));
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
// from the local store, every computer's from the class folder (ours too:
// after a clone, the class file of our name may hold another computer's
// answers).
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
        if (posteValide(fi.completeBaseName()) && dansRacine(fi, classe) && fi.size() <= tailleMaxHistorique)
            f << fi.filePath();
    }
    return f;
}

}  // namespace

QStringList fichiersHistorique(const QString& classe, const QString& local, const QString& poste,
                               const QString& cle)
{
    return cleValide(cle) ? historiquesDe(classe, local, poste, dossierJoueurs + QLatin1Char('/') + cle) : QStringList();
}

QStringList fichiersAnonymes(const QString& classe, const QString& local, const QString& poste)
{
    return historiquesDe(classe, local, poste, dossierAnonyme);
}

bool classeEnPlace(const QString& classe, const QString& local)
{
    const QString id = lireTexteCourt(QDir(classe).filePath(fichierIdentiteClasse), classe).trimmed();
    const QString magasin = QFileInfo(local).fileName();
    return idValide(id, QLatin1Char('c')) && (!idValide(magasin, QLatin1Char('c')) || magasin == id);
}

namespace {

// The copy of a class file kept in the local store.
QString texteGarde(const QString& local, const QString& copie)
{
    return lireTexteCourt(QDir(local).filePath(copie), local);
}

// A class file's text as the class has it: empty when there is no such
// file, nothing when the folder is not in place or the file cannot be read.
std::optional<QString> texteDeClasse(const QString& classe, const QString& local, const QString& fichier)
{
    if (classe.isEmpty() || !classeEnPlace(classe, local))
        return std::nullopt;
    const QString chemin = QDir(classe).filePath(fichier);
    if (systeme::nature(chemin) == systeme::Nature::Rien)
        return QStringLiteral("");
    const QString t = lireTexteCourt(chemin, classe);
    return t.isNull() ? std::nullopt : std::optional(t);
}

// A class file's text: the class's, or, with its folder out of reach or the
// file unreadable, the copy kept from the last time (null with no class).
QString texteSuivi(const QString& classe, const QString& local, const QString& fichier, const QString& copie)
{
    if (classe.isEmpty())
        return {};
    return texteDeClasse(classe, local, fichier).value_or(texteGarde(local, copie));
}

}  // namespace

Reglages reglagesClasse(const QString& classe)
{
    return classe.isEmpty() ? Reglages{} : lireReglages(lireTexteCourt(QDir(classe).filePath(fichierReglages), classe));
}

Reglages reglagesSuivis(const QString& classe, const QString& local)
{
    return lireReglages(texteSuivi(classe, local, fichierReglages, copieReglages));
}

Reglages reglagesGardes(const QString& local)
{
    return lireReglages(texteGarde(local, copieReglages));
}

bool enregistrerReglages(const QString& classe, const Reglages& r)
{
    return ecrireEntier(QDir(classe).filePath(fichierReglages), ecrireReglages(r).toUtf8());
}

std::optional<Travail> travailClasse(const QString& classe, const QString& local)
{
    const std::optional<QString> texte = texteDeClasse(classe, local, fichierTravail);
    return texte ? std::optional(lireTravail(*texte)) : std::nullopt;
}

std::optional<Travail> changerTravail(const QString& classe, const QString& local, const ChangementTravail& c)
{
    std::optional<Travail> t = travailClasse(classe, local);
    if (!t)
        return std::nullopt;
    *t = appliquer(*t, c);
    return ecrireEntier(QDir(classe).filePath(fichierTravail), ecrireTravail(*t).toUtf8()) ? t : std::nullopt;
}

Travail travailSuivi(const QString& classe, const QString& local)
{
    return lireTravail(texteSuivi(classe, local, fichierTravail, copieTravail));
}

Travail travailGarde(const QString& local)
{
    return lireTravail(texteGarde(local, copieTravail));
}

CodeConnu codeGarde(const QString& local)
{
    return {lireEmpreinte(texteGarde(local, copieCode))};
}

CodeConnu codeSuivi(const QString& classe, const QString& local)
{
    if (classe.isEmpty())
        return {lireEmpreinte(lireTexteCourt(QDir(local).filePath(fichierCode), local))};
    const std::optional<QString> texte = texteDeClasse(classe, local, fichierCode);
    const QString copie = QDir(local).filePath(copieCode);
    // The helper removed it: the space is open again, here too.
    if (texte && texte->isEmpty()) {
        QFile::remove(copie);
        return {};
    }
    const std::optional<EmpreinteCode> e = texte ? lireEmpreinte(*texte) : std::nullopt;
    if (!e)
        return codeGarde(local);
    if (*texte != texteGarde(local, copieCode))
        ecrireEntier(copie, texte->toUtf8());
    return {e};
}

bool enregistrerCode(const QString& classe, const QString& local, const QString& code)
{
    const QByteArray texte = ecrireEmpreinte(empreinteDe(code)).toUtf8();
    if (!ecrireEntier(QDir(classe.isEmpty() ? local : classe).filePath(fichierCode), texte))
        return false;
    return classe.isEmpty() || (QDir().mkpath(local) && ecrireEntier(QDir(local).filePath(copieCode), texte));
}

}  // namespace classe
