// SPDX-License-Identifier: GPL-3.0-or-later
// "Au tableau" at the display's size (bench/run.sh runs it on its
// 1920 x 1080 Xvfb): how long the window takes from its making to its first
// paint, and how long a drag of a hand takes, each step handled and painted.
//   bench_tableau RUNS   prints "<open ms, median> <drag step ms, median> <99th pct>"
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "board/cadrantableau.h"
#include "board/tableau.h"
#include "common/randomsource.h"

namespace {

double centile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * p))];
}

// A pointer event on the dial, the left button held.
void envoyer(QWidget* w, QEvent::Type type, QPointF ou)
{
    QMouseEvent e(type, ou, w->mapToGlobal(ou), Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir dossier;
    QSettings reglages(dossier.filePath(QStringLiteral("klepsos.conf")), QSettings::IniFormat);
    SystemRandom hasard;
    std::vector<double> ouvertures, pas;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        Tableau tableau(reglages, hasard, nullptr);
        tableau.showFullScreen();
        if (!QTest::qWaitForWindowExposed(&tableau))
            return 1;
        QCoreApplication::processEvents();
        ouvertures.push_back(double(t.nsecsElapsed()) / 1e6);

        // Two turns of the minute hand's tip, a degree a step.
        CadranTableau* c = tableau.cadran();
        const QPointF centre = QRectF(c->rect()).center();
        const double rayon = 0.35 * std::min(c->width(), c->height());
        const auto point = [&](int degres) {
            const double a = degres * std::numbers::pi / 180;
            return centre + QPointF(rayon * std::sin(a), -rayon * std::cos(a));
        };
        envoyer(c, QEvent::MouseButtonPress, point(0));
        for (int d = 1; d <= 720; ++d) {
            QElapsedTimer pasT;
            pasT.start();
            envoyer(c, QEvent::MouseMove, point(d));
            QCoreApplication::processEvents();
            pas.push_back(double(pasT.nsecsElapsed()) / 1e6);
        }
        envoyer(c, QEvent::MouseButtonRelease, point(720));
    }
    std::printf("%.0f %.2f %.2f\n", centile(ouvertures, 0.5), centile(pas, 0.5), centile(pas, 0.99));
    return 0;
}
