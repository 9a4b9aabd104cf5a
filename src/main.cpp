#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "common/clock.h"
#include "common/displaylayer.h"
#include "common/randomsource.h"
#include "shell/datas.h"
#include "shell/klepsos.h"
#include "ui/soundplayer.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Names the user's data folder (~/.local/share/klepsos) where an installed copy keeps the score.
    QApplication::setApplicationName(QStringLiteral("klepsos"));
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.klepsos.Klepsos"));

    const Emplacements ou = emplacementsProgramme();
    SystemClock clock;
    SystemRandom random;
    EffectSoundPlayer sounds(ou.datas, nomsSons(),
                             QStringLiteral("Klepsos fonctionne sans son : aucune sortie audio "
                                            "n'a été trouvée."));
    const auto display = makePlatformDisplayLayer();

    Klepsos klepsos(clock, random, sounds, *display, ou.datas, ou.score);
    QObject::connect(&klepsos, &Klepsos::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    // Searching the icon theme costs as much as building the start screen:
    // it waits until that screen is on view.
    QObject::connect(&klepsos, &Klepsos::demarrageTermine, [] {
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.klepsos.Klepsos")));
    });
    // However the run ends (the session closing included), save the score.
    QObject::connect(&app, &QApplication::aboutToQuit, &klepsos, &Klepsos::quitter);
    QString erreur;
    if (!klepsos.demarrer(&erreur)) {
        QMessageBox::critical(nullptr, QStringLiteral("Klepsos"), erreur);
        return 1;
    }
    return app.exec();
}
