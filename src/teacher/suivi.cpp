// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi.h"

#include <QFile>
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
    if (!r.dernier.isValid() || l.quand > r.dernier)
        r.dernier = l.quand;
}

}  // namespace

QStringList aTravailler(const QHash<QString, Compte>& activites)
{
    QList<QPair<double, QString>> faibles;
    for (auto it = activites.cbegin(); it != activites.cend(); ++it) {
        if (it.value().total >= 5 && it.value().part() < 0.75)
            faibles.append({it.value().part(), it.key()});
    }
    std::sort(faibles.begin(), faibles.end());
    QStringList l;
    for (qsizetype i = 0; i < std::min<qsizetype>(3, faibles.size()); ++i)
        l << faibles[i].second;
    return l;
}

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
        if (fi.size() < f.lu || fi.size() > maxHistorique) {
            // Shorter than what was read: not the file we read; start the
            // child again from nothing. Too large: not read at all.
            if (fi.size() > maxHistorique) {
                f.lu = fi.size();
                ++resume_.ignores;
                continue;
            }
            s.resume.activites.clear();
            s.resume.dernier = {};
            s.fichiers.clear();
            return lire(s) || true;
        }
        QFile lecteur(chemin);
        if (!lecteur.open(QIODevice::ReadOnly) || !lecteur.seek(f.lu))
            continue;
        const QByteArray octets = lecteur.read(fi.size() - f.lu);
        const qsizetype fin = octets.lastIndexOf('\n');
        if (fin < 0)
            continue;
        qsizetype debut = 0;
        while (debut <= fin) {
            const qsizetype nl = octets.indexOf('\n', debut);
            const QByteArrayView ligne(octets.constData() + debut, nl - debut);
            debut = nl + 1;
            if (ligne.isEmpty())
                continue;
            if (const auto l = lireLigne(ligne))
                compter(s.resume, *l);
            else
                ++resume_.ignores;
        }
        f.lu += fin + 1;
        change = true;
    }
    return change;
}

bool SuiviClasse::actualiser()
{
    const classe::ListeEnfants liste = classe::enfants(lieux_.racine());
    bool change = liste.enfants.size() != resume_.enfants.size() || liste.ignores != ignoresListe_;
    ignoresListe_ = liste.ignores;
    QHash<QString, Suivi> gardes;
    QList<ResumeEnfant> enfants;
    for (const classe::Enfant& e : liste.enfants) {
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
    const int ignoresLignes = resume_.ignores;
    resume_.enfants = std::move(enfants);
    resume_.ignores = ignoresLignes;
    return change;
}

QList<LigneHistorique> lignesEnfant(const Lieux& lieux, const QString& cle, int* ignorees)
{
    QList<LigneHistorique> toutes;
    int mauvaises = 0;
    for (const QString& chemin : classe::fichiersHistorique(lieux.classe, lieux.local, lieux.poste, cle)) {
        if (QFileInfo(chemin).size() > maxHistorique) {
            ++mauvaises;
            continue;
        }
        LectureHistorique l = lireHistorique(chemin);
        mauvaises += l.ignorees;
        toutes << std::move(l.lignes);
    }
    std::stable_sort(toutes.begin(), toutes.end(),
                     [](const LigneHistorique& a, const LigneHistorique& b) { return a.quand < b.quand; });
    if (ignorees)
        *ignorees = mauvaises;
    return toutes;
}

DetailEnfant detailEnfant(const Lieux& lieux, const QString& cle)
{
    DetailEnfant d;
    const QList<LigneHistorique> lignes = lignesEnfant(lieux, cle, &d.ignorees);
    QMap<QDate, Compte> parSemaine;
    for (const LigneHistorique& l : lignes) {
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
    d.aTravailler = aTravailler(d.activites);
    return d;
}

bool exporterClasse(const Lieux&, const QString&, QString* erreur)
{
    *erreur = QStringLiteral("L'export n'est pas encore relié.");
    return false;
}
