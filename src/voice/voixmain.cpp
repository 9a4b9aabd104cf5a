// SPDX-License-Identifier: GPL-3.0-or-later
// The voice's program, started by Klepsos after its first paint. Speech
// Dispatcher's client keeps every voice it lists (some 13,000 with
// espeak-ng, megabytes), may take seconds to start and may never answer: in
// a process of its own, none of that weighs on the program or can hold it.
// It reads its orders on its standard input and tells what it does on its
// standard output (protocolevoix.h); it ends when its input does, which is
// also when Klepsos ends, however it ends.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "parole.h"
#include "protocolevoix.h"

namespace {

using protocolevoix::Genre;

// How long the end waits for an engine busy in a call.
constexpr int attenteFinMs = 300;

void ecrire(const protocolevoix::Message& m)
{
    const QByteArray l = protocolevoix::ligne(m);
    std::fwrite(l.constData(), 1, size_t(l.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    RappelsParole rappels;
    // Told on this thread, as every call back is.
    bool moteurPret = false;
    rappels.pret = [&moteurPret](bool oui, const QString& voixOuRaison) {
        moteurPret = true;
        ecrire({oui ? Genre::Voix : Genre::SansVoix, voixOuRaison});
    };
    rappels.parle = [](bool oui) { ecrire({oui ? Genre::Parle : Genre::Silence, {}}); };
    const std::unique_ptr<Parole> parole = nouvelleParole(rappels);

    // The input is read on a thread of its own: a read blocks, and the
    // orders go to the engine through this thread's event loop.
    std::thread lecteur([&app, p = parole.get()] {
        std::string l;
        while (std::getline(std::cin, l)) {
            const auto m = protocolevoix::lire(l);
            if (!m || (m->genre != Genre::Dire && m->genre != Genre::Arreter))
                continue;
            QMetaObject::invokeMethod(
                &app,
                [p, m = *m] {
                    if (m.genre == Genre::Dire)
                        p->dire(m.texte);
                    else
                        p->arreter();
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    lecteur.join();
    // An engine still starting has said nothing to stop; it may go on for
    // seconds (listing thousands of voices), on one of the two cores that
    // the next program needs.
    if (!moteurPret)
        std::_Exit(0);
    parole->arreter();
    // An engine stuck in a call cannot be waited for: the process ends
    // without it.
    if (!parole->finir(attenteFinMs))
        std::_Exit(0);
    return 0;
}
