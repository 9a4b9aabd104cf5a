// SPDX-License-Identifier: GPL-3.0-or-later
#include "depot.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <algorithm>

#include "classroom/classe.h"
#include "classroom/systeme.h"
#include "common/nomjoueur.h"
#include "ui/dossier.h"

namespace {

const QString dossierJoueurs = QStringLiteral("joueurs");
const QString dossierAnonyme = QStringLiteral("anonyme");
const QString fichierNom = QStringLiteral("nom");
const QString suffixeHistorique = QStringLiteral(".hist");
// A name file is a few bytes; never read a foreign file whole.
constexpr qint64 tailleMaxNom = 256;

bool ecrireFichier(const QString& chemin, const QByteArray& octets)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(octets) != octets.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QByteArray lireDebut(const QString& chemin, qint64 max)
{
    return systeme::lire(chemin, 0, max).value_or(QByteArray());
}

QStringList historiquesDans(const QString& dossier)
{
    QDir d(dossier);
    QStringList chemins;
    for (const QString& n : nomsEntre(d, {}, suffixeHistorique, QDir::Files, QDir::Name))
        chemins << d.filePath(n);
    return chemins;
}

}  // namespace

DepotJoueurs::DepotJoueurs(const QString& racine, const QString& poste) : racine_(racine), poste_(poste) {}

QList<Joueur> DepotJoueurs::joueurs() const
{
    QList<Joueur> liste;
    QDir d(QDir(racine_).filePath(dossierJoueurs));
    for (const QString& cle : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto nom = nomJoueurValide(
            QString::fromUtf8(lireDebut(QDir(d.filePath(cle)).filePath(fichierNom), tailleMaxNom)));
        // A folder that is not a child's own (copied by hand, renamed) is left out.
        if (nom && cleJoueur(*nom) == cle)
            liste.append({cle, *nom});
    }
    std::sort(liste.begin(), liste.end(), [](const Joueur& a, const Joueur& b) {
        return QString::localeAwareCompare(a.nom, b.nom) < 0;
    });
    return liste;
}

std::optional<Joueur> DepotJoueurs::trouver(const QString& nom) const
{
    const QString cle = cleJoueur(nom);
    const auto deja = nomJoueurValide(
        QString::fromUtf8(lireDebut(QDir(dossierJoueur(cle)).filePath(fichierNom), tailleMaxNom)));
    if (deja && cleJoueur(*deja) == cle)
        return Joueur{cle, *deja};
    return std::nullopt;
}

std::optional<Joueur> DepotJoueurs::creer(const QString& nom) const
{
    if (auto j = trouver(nom))
        return j;
    const Joueur j{cleJoueur(nom), nom};
    const QString dossier = dossierJoueur(j.cle);
    // The identity first: a folder with a name is a child, and a child has one.
    if (!QDir().mkpath(dossier) || !classe::ecrireIdentite(dossier, classe::nouvelId(QLatin1Char('e')))
        || !ecrireFichier(QDir(dossier).filePath(fichierNom), nom.toUtf8()))
        return std::nullopt;
    // Another computer may have created the child meanwhile: its spelling wins.
    return trouver(nom).value_or(j);
}

QString DepotJoueurs::dossierJoueur(const QString& cle) const
{
    return QDir(racine_).filePath(dossierJoueurs + QLatin1Char('/') + cle);
}

QString DepotJoueurs::historiqueJoueur(const QString& cle) const
{
    return QDir(dossierJoueur(cle)).filePath(poste_ + suffixeHistorique);
}

QString DepotJoueurs::historiqueAnonyme() const
{
    return QDir(racine_).filePath(dossierAnonyme + QLatin1Char('/') + poste_ + suffixeHistorique);
}

QString DepotJoueurs::fichierPreferences(const QString& cle) const
{
    return QDir(dossierJoueur(cle)).filePath(QStringLiteral("preferences"));
}

LectureHistorique DepotJoueurs::lireJoueur(const QString& cle) const
{
    if (!classe_.isEmpty())
        return lireHistoriques(classe::fichiersHistorique(classe_, racine_, poste_, cle));
    return lireHistoriques(historiquesDans(dossierJoueur(cle)));
}

LectureHistorique DepotJoueurs::lireJoueurIci(const QString& cle) const
{
    return classe_.isEmpty() ? lireJoueur(cle) : lireHistorique(historiqueJoueur(cle));
}

LectureHistorique DepotJoueurs::lireJoueurAilleurs(const QString& cle, const std::function<void()>& entreDeuxLectures) const
{
    if (classe_.isEmpty())
        return {};
    // The class copy of our own file (and a clone's relay copy) holds
    // answers this computer has already: only those it lacks. The class is
    // read first: whatever of ours it holds was sent from our file before,
    // so our file, read after, holds it too, even an answer given and sent
    // between the two reads (counted already as it was given).
    QStringList chemins = classe::fichiersHistorique(classe_, racine_, poste_, cle);
    chemins.removeAll(historiqueJoueur(cle));
    LectureHistorique lu = lireHistoriques(chemins);
    if (entreDeuxLectures)
        entreDeuxLectures();
    QSet<quint64> ici;
    for (const LigneHistorique& l : lireHistorique(historiqueJoueur(cle)).lignes)
        ici.insert(identiteReponse(l));
    lu.lignes.removeIf([&](const LigneHistorique& l) { return ici.contains(identiteReponse(l)); });
    return lu;
}

QList<QStringList> historiquesDuDepot(const QString& racine)
{
    QList<QStringList> groupes{historiquesDans(QDir(racine).filePath(dossierAnonyme))};
    QDir d(QDir(racine).filePath(dossierJoueurs));
    for (const QString& cle : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        groupes << historiquesDans(d.filePath(cle));
    return groupes;
}

LectureHistorique lireDepot(const QString& racine)
{
    QStringList chemins;
    for (const QStringList& g : historiquesDuDepot(racine))
        chemins += g;
    return lireHistoriques(chemins);
}

LectureHistorique lireHistoriques(const QStringList& chemins)
{
    LectureHistorique tout;
    QSet<quint64> vues;
    for (const QString& c : chemins) {
        LectureHistorique l = lireHistorique(c);
        tout.ignorees += l.ignorees;
        tout.tronque = tout.tronque || l.tronque;
        // An answer found in an earlier file counts once; the rest is
        // taken whole, not answer by answer.
        l.lignes.removeIf([&vues](const LigneHistorique& ligne) {
            const qsizetype avant = vues.size();
            vues.insert(identiteReponse(ligne));
            return vues.size() == avant;
        });
        if (tout.lignes.isEmpty())
            tout.lignes = std::move(l.lignes);
        else
            tout.lignes.append(std::move(l.lignes));
    }
    trierParDate(tout.lignes);
    return tout;
}

void trierParDate(QList<LigneHistorique>& lignes)
{
    // Sorted on a key computed once: comparing dates with offsets is slow.
    QList<std::pair<qint64, qsizetype>> ordre;
    ordre.reserve(lignes.size());
    for (qsizetype i = 0; i < lignes.size(); ++i)
        ordre.append({lignes[i].quand.toSecsSinceEpoch(), i});
    // A history is written in order: most lists are sorted already.
    if (std::is_sorted(ordre.begin(), ordre.end()))
        return;
    std::stable_sort(ordre.begin(), ordre.end());
    QList<LigneHistorique> triees;
    triees.reserve(ordre.size());
    for (const auto& [t, i] : ordre)
        triees.append(std::move(lignes[i]));
    lignes = std::move(triees);
}

quint64 identiteReponse(const LigneHistorique& l)
{
    return l.id;
}
