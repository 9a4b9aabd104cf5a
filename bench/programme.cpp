// SPDX-License-Identifier: GPL-3.0-or-later
// The school programme on a class folder made by bench_classe:
//   - every child positioned on every item from their answers already read
//     (the work the teacher's view adds to its reading), median of RUNS;
//   - the teacher's view, from its start until the tab "Programme" is
//     painted, its answers read, median of RUNS.
//   - a training session planned for every child, from their answers
//     already read (positioned, then planned), and from their positioning
//     alone (what the screen does as it opens), median of RUNS;
//   bench_programme CLASS_FOLDER RUNS   prints the four medians in ms
#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "classroom/classe.h"
#include "players/depot.h"
#include "players/positionjoueur.h"
#include "shell/genres.h"
#include "programme/seance.h"
#include "teacher/enseignant.h"

namespace {

double mediane(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3) {
        std::fprintf(stderr, "usage: bench_programme CLASS_FOLDER RUNS\n");
        return 2;
    }
    const QString dossier = a[1];
    const int runs = a[2].toInt();
    QTemporaryDir local;
    const QString poste = QStringLiteral("p00000000000000ef");
    QList<QList<LigneHistorique>> classe;
    qsizetype reponses = 0;
    for (const Joueur& j : classe::enfants(dossier).enfants) {
        classe << lireHistoriques(classe::fichiersHistorique(dossier, local.path(), poste, j.cle)).lignes;
        reponses += classe.last().size();
    }
    QList<double> positions, onglet, seances, plans;
    const std::vector<std::unique_ptr<GenreQuestion>> genres = tousLesGenres([] { return QDate::currentDate(); });
    programme::DemandeSeance demande{{programme::Annee::CE2}, {programme::indexItem(QStringLiteral("ce1_durees"))}, {}};
    for (const auto& g : genres)
        demande.genres.append({g->activite(), g->niveaux()});
    int questions = 0;
    int atteints = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        for (const QList<LigneHistorique>& lignes : classe)
            atteints += positionner(lignes).position(0).acquis >= programme::Acquis::Atteint;
        positions << t.nsecsElapsed() / 1e6;

        t.restart();
        QList<programme::Positionnement> places;
        for (const QList<LigneHistorique>& lignes : classe) {
            places << positionner(lignes);
            questions += int(programme::planifier(places.last(), demande).size());
        }
        seances << t.nsecsElapsed() / 1e6;
        t.restart();
        for (const programme::Positionnement& p : std::as_const(places))
            questions += int(programme::planifier(p, demande).size());
        plans << t.nsecsElapsed() / 1e6;

        t.restart();
        Enseignant vue({dossier, local.path(), poste});
        vue.findChild<QTabWidget*>(QStringLiteral("onglets"))->setCurrentIndex(1);
        vue.show();
        vue.grab();
        onglet << t.nsecsElapsed() / 1e6;
    }
    std::fprintf(stderr, "%lld answers, %d children reached the first item\n", qlonglong(reponses), atteints / runs);
    std::fprintf(stderr, "%d questions planned\n", questions / runs);
    std::printf("%.1f %.1f %.1f %.2f\n", mediane(positions), mediane(onglet), mediane(seances), mediane(plans));
    return 0;
}
