// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's view on a class folder: how long a new answer, given on
// another computer, takes to show in the table (the view looks every two
// seconds and reads only the new bytes).
//   bench_enseignant CLASS_FOLDER RUNS   prints the median in ms
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "classroom/classe.h"
#include "teacher/enseignant.h"
#include "teacher/modeleclasse.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3) {
        std::fprintf(stderr, "usage: bench_enseignant CLASS_FOLDER RUNS\n");
        return 2;
    }
    const QString classeDossier = a[1];
    const int runs = a[2].toInt();
    const auto enfants = classe::enfants(classeDossier).enfants;
    if (enfants.isEmpty())
        return 1;
    // Another computer's file for the first child.
    const QString fichier = QStringLiteral("%1/joueurs/%2/p00000000000000ee.hist").arg(classeDossier, enfants[0].cle);
    QTemporaryDir local;
    Enseignant vue({classeDossier, local.path(), QStringLiteral("p00000000000000ef")});
    vue.show();
    const auto total = [&] {
        qint64 n = 0;
        for (const ResumeEnfant& e : vue.modele()->resume().enfants)
            n += e.total().total;
        return n;
    };
    QList<qint64> temps;
    for (int i = 0; i < runs; ++i) {
        const qint64 avant = total();
        QFile f(fichier);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
            return 1;
        f.write(ecrireLigne({QDateTime::currentDateTime(), enfants[0].nom, QStringLiteral("lire_horloge"),
                             QStringLiteral("Quelle heure est-il ?"), QStringLiteral("3 h"), QStringLiteral("3 h"), true}));
        f.close();
        QElapsedTimer t;
        t.start();
        while (total() == avant && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        temps << t.elapsed();
        // The next answer at another moment of the view's cycle.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 300 + 170 * i % 1500)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    std::sort(temps.begin(), temps.end());
    std::printf("%lld %lld\n", temps[temps.size() / 2], temps.last());
    return 0;
}
