// SPDX-License-Identifier: GPL-3.0-or-later
// Children's histories for the benchmarks, and the time "Mes progrès" takes.
//   bench_historiques remplir FOLDER CHILDREN ANSWERS
//       writes that many children, each with ANSWERS answers spread over the
//       last year, as the program would have (one file per child here);
//   bench_historiques progres FOLDER RUNS
//       opens "Mes progrès" for the first child RUNS times, offscreen: the
//       history read, the summary made and the screen painted, and prints
//       the median in milliseconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "players/bilan.h"
#include "players/depot.h"
#include "players/positionjoueur.h"
#include "players/progres.h"

namespace {

int remplir(const QString& racine, int enfants, int reponses)
{
    const DepotJoueurs depot(racine, QStringLiteral("p00000000000000b0"));
    const QStringList activites = activitesConnues();
    const QDateTime fin = QDateTime::currentDateTime();
    quint32 x = 2026;
    const auto tirer = [&x](quint32 n) {
        x = x * 1664525u + 1013904223u;
        return (x >> 8) % n;
    };
    for (int e = 0; e < enfants; ++e) {
        const auto j = depot.creer(QStringLiteral("Enfant %1").arg(e + 1, 2, 10, QLatin1Char('0')));
        if (!j)
            return 1;
        QByteArray o;
        o.reserve(qsizetype(reponses) * 120);
        for (int i = 0; i < reponses; ++i) {
            // Oldest first, as they would have been written.
            const QDateTime quand = fin.addSecs(-qint64(reponses - i) * 365 * 86400 / reponses);
            o += ecrireLigne({quand, j->nom, activites[tirer(quint32(activites.size()))],
                              QStringLiteral("Quelle heure est-il ?"), QStringLiteral("3 h 50 mn"),
                              QStringLiteral("3 h 50 mn"), tirer(4) != 0});
        }
        QFile f(depot.historiqueJoueur(j->cle));
        if (!f.open(QIODevice::WriteOnly) || f.write(o) != o.size())
            return 1;
    }
    return 0;
}

int progres(const QString& racine, int runs)
{
    const DepotJoueurs depot(racine, QStringLiteral("p00000000000000b0"));
    const QList<Joueur> joueurs = depot.joueurs();
    if (joueurs.isEmpty())
        return 1;
    Progres ecran;
    ecran.resize(640, 480);
    QPixmap toile(640, 480);
    std::vector<qint64> ns;
    qsizetype lignes = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const LectureHistorique h = depot.lireJoueur(joueurs.first().cle);
        ecran.afficher(faireBilan(h.lignes, QDateTime::currentDateTime()), programme::parcours(positionner(h.lignes), {}),
                       joueurs.first().nom);
        ecran.render(&toile);
        ns.push_back(t.nsecsElapsed());
        lignes = h.lignes.size();
    }
    std::sort(ns.begin(), ns.end());
    std::printf("%.1f %lld\n", double(ns[ns.size() / 2]) / 1e6, qlonglong(lignes));
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 5 && a[1] == QLatin1String("remplir"))
        return remplir(a[2], a[3].toInt(), a[4].toInt());
    if (a.size() == 4 && a[1] == QLatin1String("progres"))
        return progres(a[2], a[3].toInt());
    std::fprintf(stderr, "usage: bench_historiques remplir FOLDER CHILDREN ANSWERS | progres FOLDER RUNS\n");
    return 2;
}
