// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi.h"

#include <QDir>
#include <QFile>

#include "classroom/sonde.h"
#include "common/parallele.h"
#include "players/bilan.h"
#include "players/depot.h"
#include "players/exportcsv.h"
#include "players/positionjoueur.h"
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <vector>

namespace {

// The most mistakes a child's page lists.
constexpr int maxErreurs = 200;
constexpr int maxSemaines = 104;

void compter(ResumeEnfant& r, const LigneHistorique& l, const QDateTime& maintenant)
{
    r.activites[l.activite].ajouter(l.juste);
    positionnerReponse(r.position, l);
    const QDateTime quand = auPlusTard(l.quand, maintenant);
    if (!r.dernier.isValid() || quand > r.dernier)
        r.dernier = quand;
    if (!l.seance.isEmpty() && lundiDe(quand.date()) == lundiDe(maintenant.date()))
        r.seances[l.seance].ajouter(l.juste);
}

}  // namespace

QString texteSeances(const ResumeEnfant& e)
{
    if (e.seances.isEmpty())
        return QStringLiteral("aucune séance");
    const Compte t = e.seancesTotal();
    return QStringLiteral("%1 séance%2, %3 justes sur %4")
        .arg(e.seances.size())
        .arg(e.seances.size() > 1 ? QStringLiteral("s") : QString())
        .arg(t.justes)
        .arg(t.total);
}

SuiviClasse::SuiviClasse(Lieux lieux) : lieux_(std::move(lieux)) {}

bool SuiviClasse::lire(Suivi& s, int& ignorees) const
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
            s.resume.position = {};
            s.fichiers.clear();
            s.vues.clear();
            return lire(s, ignorees) || true;
        }
        const LectureHistorique l = lireHistorique(chemin, f.lu);
        const QDateTime maintenant = aDecalageFixe(QDateTime::currentDateTime());
        for (const LigneHistorique& ligne : l.lignes) {
            const qsizetype avant = s.vues.size();
            s.vues.insert(identiteReponse(ligne));
            if (s.vues.size() > avant)
                compter(s.resume, ligne, maintenant);
        }
        ignorees += int(l.ignorees);
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
    std::vector<Suivi> suivis;
    suivis.reserve(size_t(liste.enfants.size()));
    for (const Joueur& e : liste.enfants) {
        Suivi& s = suivis.emplace_back(suivis_.take(e.cle));
        if (!(s.resume.enfant == e)) {
            change = true;
            s.resume.enfant = e;
        }
    }
    // A class's year is hundreds of thousands of answers: each child's
    // files on a core of their own.
    std::vector<char> changes(suivis.size(), 0);
    std::vector<int> ignorees(suivis.size(), 0);
    enParallele(suivis.size(), [&](size_t i) { changes[i] = lire(suivis[i], ignorees[i]); });
    QHash<QString, Suivi> gardes;
    QList<ResumeEnfant> enfants;
    for (size_t i = 0; i < suivis.size(); ++i) {
        change = change || changes[i];
        ignoresLignes_ += ignorees[i];
        enfants << suivis[i].resume;
        gardes.insert(suivis[i].resume.enfant.cle, std::move(suivis[i]));
    }
    suivis_ = std::move(gardes);
    QList<classe::EtatPoste> postes = classe::etatsPostes(lieux_.classe);
    change = change || postes != resume_.postes;
    resume_.postes = std::move(postes);
    resume_.enfants = std::move(enfants);
    // The class's year, a few bytes read with the list.
    if (!lieux_.classe.isEmpty()) {
        const QList<programme::Annee> annees = classe::reglagesClasse(lieux_.classe).annees;
        change = change || annees != resume_.annees;
        resume_.annees = annees;
    }
    resume_.ignores = ignoresLignes_ + ignoresListe_;
    return change;
}


DetailEnfant detailEnfant(const Lieux& lieux, const QString& cle)
{
    DetailEnfant d;
    d.annees = classe::anneeEnfant(classe::dossierEnfant(lieux.racine(), cle), lieux.racine());
    const LectureHistorique lu = lireHistoriques(classe::fichiersHistorique(lieux.classe, lieux.local, lieux.poste, cle));
    const QList<LigneHistorique>& lignes = lu.lignes;
    d.ignorees = int(lu.ignorees);
    QMap<QDate, Compte> parSemaine;
    const QDateTime maintenant = aDecalageFixe(QDateTime::currentDateTime());
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
    // The answers without a name, then each child's, each list in order of
    // date as read, the children side by side.
    // Written as CSV lines as they are read: only the lines are kept.
    const QList<Joueur> enfants = classe::enfants(lieux.classe).enfants;
    QList<LignesCsv> lues(enfants.size() + 1);
    LignesCsv* const lu = lues.data();  // each thread writes its own
    enParallele(size_t(lues.size()), [&](size_t i) {
        if (i == 0) {
            lu[0] = lignesCsv(lireHistoriques(classe::fichiersAnonymes(lieux.classe, lieux.local, lieux.poste)).lignes);
            return;
        }
        const Joueur& j = enfants[qsizetype(i) - 1];
        QList<LigneHistorique> lignes = lireHistoriques(classe::fichiersHistorique(lieux.classe, lieux.local, lieux.poste, j.cle)).lignes;
        // Under the child's name of today: what was answered before a rename,
        // or by a computer still playing under the old name, is theirs too.
        for (LigneHistorique& l : lignes)
            l.joueur = j.nom;
        lu[i] = lignesCsv(lignes);
    });
    return ecrireCsv(fichier, exporterCsv(lues), erreur);
}

QList<QStringList> lignesPositionnement(const ResumeClasse& r)
{
    QList<QStringList> lignes;
    const QList<int> items = r.items();
    for (const ResumeEnfant& e : r.enfants) {
        for (int i : items) {
            const programme::Item& item = programme::items()[size_t(i)];
            const programme::Position p = e.position.position(i);
            lignes << QStringList{e.enfant.nom, programme::nomAnnee(item.annee), QString::fromUtf8(item.titre),
                                  programme::texteAcquis(p.acquis), QString::number(p.comptees),
                                  QString::number(p.justes)};
        }
    }
    return lignes;
}

bool exporterPositionnement(const ResumeClasse& r, const QString& fichier, QString* erreur)
{
    static const QStringList entete{QStringLiteral("eleve"),   QStringLiteral("annee"),
                                    QStringLiteral("attendu"), QStringLiteral("niveau"),
                                    QStringLiteral("reponses_comptees"), QStringLiteral("justes")};
    return ecrireCsv(fichier, tableCsv(entete, lignesPositionnement(r)), erreur);
}

QString texteEtatsPostes(const QList<classe::EtatPoste>& postes)
{
    const QLocale fr(QLocale::French, QLocale::France);
    QStringList lignes;
    for (const classe::EtatPoste& p : postes) {
        if (p.enAttente == 0 && p.refusees == 0)
            continue;
        QStringList quoi;
        if (p.enAttente > 0)
            quoi << QStringLiteral("%1 réponse(s) en attente d'envoi").arg(p.enAttente);
        if (p.refusees > 0)
            quoi << QStringLiteral("%1 réponse(s) que le dossier de classe refuse").arg(p.refusees);
        lignes << QStringLiteral("Ordinateur « %1 » (%2) : %3 (le %4).")
                      .arg(p.hote.isEmpty() ? QStringLiteral("sans nom") : p.hote, p.poste, quoi.join(QStringLiteral(", ")),
                           fr.toString(p.quand.toLocalTime(), QStringLiteral("dd/MM/yyyy à HH:mm")));
    }
    return lignes.join(QLatin1Char('\n'));
}
