// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "players/bilan.h"
#include "players/exportcsv.h"
#include "players/fichierpartage.h"
#include <QFileInfo>
#include <QMap>
#include <algorithm>

namespace {

// The most mistakes a child's page lists.
constexpr int maxErreurs = 200;
constexpr int maxSemaines = 104;

void compter(ResumeEnfant& r, const LigneHistorique& l)
{
    r.activites[l.activite].ajouter(l.juste);
    const QDateTime quand = auPlusTard(l.quand, QDateTime::currentDateTime());
    if (!r.dernier.isValid() || quand > r.dernier)
        r.dernier = quand;
}

}  // namespace

SuiviClasse::SuiviClasse(Lieux lieux) : lieux_(std::move(lieux)) {}

bool SuiviClasse::lire(Suivi& s)
{
    bool change = false;
    const QStringList fichiers = classe::fichiersHistorique(lieux_.classe, lieux_.local, lieux_.poste, s.resume.enfant.cle);
    for (const QString& chemin : fichiers) {
        Fichier& f = s.fichiers[chemin];
        const QFileInfo fi(chemin);
        if (fi.size() == f.lu)
            continue;
        if (fi.size() < f.lu) {
            // Shorter than what was read: not the file we read; start the
            // child again from nothing.
            s.resume.activites.clear();
            s.resume.dernier = {};
            s.fichiers.clear();
            return lire(s) || true;
        }
        const LectureHistorique l = lireHistorique(chemin, f.lu);
        for (const LigneHistorique& ligne : l.lignes)
            compter(s.resume, ligne);
        ignoresLignes_ += int(l.ignorees);
        change = change || l.fin > f.lu;
        f.lu = std::max(f.lu, l.fin);
    }
    return change;
}

bool SuiviClasse::actualiser()
{
    // A class folder out of reach: what was read stays on view.
    if (!lieux_.classe.isEmpty() && !QFileInfo(lieux_.classe).isDir())
        return false;
    const classe::ListeEnfants liste = classe::enfants(lieux_.racine());
    bool change = liste.enfants.size() != resume_.enfants.size() || liste.ignores != ignoresListe_;
    ignoresListe_ = liste.ignores;
    QHash<QString, Suivi> gardes;
    QList<ResumeEnfant> enfants;
    for (const Joueur& e : liste.enfants) {
        Suivi s = suivis_.take(e.cle);
        if (!(s.resume.enfant == e)) {
            change = true;
            s.resume.enfant = e;
        }
        change = lire(s) || change;
        enfants << s.resume;
        gardes.insert(e.cle, std::move(s));
    }
    suivis_ = std::move(gardes);
    resume_.enfants = std::move(enfants);
    resume_.ignores = ignoresLignes_ + ignoresListe_;
    return change;
}


DetailEnfant detailEnfant(const Lieux& lieux, const QString& cle)
{
    DetailEnfant d;
    const LectureHistorique lu = lireHistoriques(classe::fichiersHistorique(lieux.classe, lieux.local, lieux.poste, cle));
    const QList<LigneHistorique>& lignes = lu.lignes;
    d.ignorees = int(lu.ignorees);
    QMap<QDate, Compte> parSemaine;
    const QDateTime maintenant = QDateTime::currentDateTime();
    for (const LigneHistorique& l : lignes) {
        if (!dansLeFutur(l.quand, maintenant))
            parSemaine[lundiDe(l.quand.date())].ajouter(l.juste);
        d.activites[l.activite].ajouter(l.juste);
    }
    // Every week from the first to the last, the empty ones too: a holiday shows.
    if (!parSemaine.isEmpty()) {
        // Two school years at most: a line dated far back would make
        // thousands of empty weeks.
        const QDate premier = std::max(parSemaine.firstKey(), lundiDe(parSemaine.lastKey().addDays(-7 * maxSemaines)));
        for (QDate w = premier; w <= parSemaine.lastKey(); w = w.addDays(7))
            d.semaines.append({w, parSemaine.value(w)});
    }
    for (qsizetype i = lignes.size() - 1; i >= 0 && d.erreurs.size() < maxErreurs; --i) {
        if (!lignes[i].juste)
            d.erreurs << lignes[i];
    }
    d.aTravailler = faireBilan(lignes, maintenant).aTravailler;
    return d;
}

bool classeJoignable(const Lieux& lieux, QString* erreur)
{
    if (lieux.classe.isEmpty())
        return true;
    switch (partage::sonder(lieux.classe, partage::attenteSondeMs)) {
    case partage::Etat::Joignable:
        return true;
    case partage::Etat::Absent:
        *erreur = QStringLiteral("Le dossier de la classe est hors d'atteinte (%1) : pas monté, vide ou disparu. "
                                 "Rien n'a été écrit.").arg(QDir::toNativeSeparators(lieux.classe));
        break;
    case partage::Etat::Muet:
        *erreur = QStringLiteral("Le dossier de la classe ne répond pas (%1). Rien n'a été écrit.")
                      .arg(QDir::toNativeSeparators(lieux.classe));
        break;
    }
    return false;
}

bool exporterClasse(const Lieux& lieux, const QString& fichier, QString* erreur)
{
    if (!classeJoignable(lieux, erreur))
        return false;
    if (lieux.classe.isEmpty())
        return exporterDepot(lieux.local, fichier, erreur);
    QStringList chemins = classe::fichiersAnonymes(lieux.classe, lieux.local, lieux.poste);
    for (const Joueur& j : classe::enfants(lieux.classe).enfants)
        chemins << classe::fichiersHistorique(lieux.classe, lieux.local, lieux.poste, j.cle);
    const QByteArray csv = exporterCsv(lireHistoriques(chemins).lignes);
    QSaveFile f(fichier);
    if (f.open(QIODevice::WriteOnly) && f.write(csv) == csv.size() && f.commit())
        return true;
    *erreur = QStringLiteral("Klepsos ne peut pas écrire le fichier « %1 ».").arg(QDir::toNativeSeparators(fichier));
    return false;
}
