// The program's own start-up with its real seams (clock, draws, sounds,
// display), exactly as main.cpp runs it, stopped once the start screen has
// been painted.
#include <QApplication>
#include <cstdio>

#include "common/clock.h"
#include "common/displaylayer.h"
#include "common/randomsource.h"
#include "peinture.h"
#include "shell/datas.h"
#include "shell/depart.h"
#include "shell/klepsos.h"
#include "ui/soundplayer.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("klepsos"));
    signalerEtape("application");

    const Emplacements ou = emplacementsProgramme();
    SystemClock clock;
    SystemRandom random;
    EffectSoundPlayer sounds(ou.datas, nomsSons());
    const auto display = makePlatformDisplayLayer();
    signalerEtape("sons");

    Klepsos klepsos(clock, random, sounds, *display, ou.datas, ou.score);
    signalerPremierePeinture(klepsos.depart());
    signalerEtape("ecrans");
    QString erreur;
    if (!klepsos.demarrer(&erreur)) {
        std::fprintf(stderr, "%s\n", qPrintable(erreur));
        return 1;
    }
    signalerEtape("demarrer");
    return app.exec();
}
