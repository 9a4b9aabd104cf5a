#include <QApplication>
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
    QApplication::setApplicationName(QStringLiteral("Klepsos"));

    const QString datas = dossierDatasProgramme();
    SystemClock clock;
    SystemRandom random;
    EffectSoundPlayer sounds(datas, nomsSons());
    const auto display = makePlatformDisplayLayer();

    Klepsos klepsos(clock, random, sounds, *display, datas);
    QObject::connect(&klepsos, &Klepsos::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    QString erreur;
    if (!klepsos.demarrer(&erreur)) {
        QMessageBox::critical(nullptr, QStringLiteral("Klepsos"), erreur);
        return 1;
    }
    return app.exec();
}
