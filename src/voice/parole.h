// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

// The voice as the voice's own program drives it.
class Parole {
public:
    virtual ~Parole() = default;
    // Says the text, cutting what was being said.
    virtual void dire(const QString& texte) = 0;
    virtual void arreter() = 0;
    // Ends the engine's thread, waiting at most `attenteMs`. False while the
    // engine is still inside a call (Speech Dispatcher starting, or not
    // answering): the thread cannot be ended, and the process must then end
    // without waiting for it.
    virtual bool finir(int attenteMs) = 0;
};

// What the voice tells its program, always on the program's own thread:
// once, whether a French voice is there (with its name, or why not in
// French); then each time it starts or stops speaking.
struct RappelsParole {
    std::function<void(bool disponible, const QString& voixOuRaison)> pret;
    std::function<void(bool parle)> parle;
};

// The computer's voice, which starts getting ready at once on a thread of
// its own. Its destruction never waits on the engine for long (see finir).
std::unique_ptr<Parole> nouvelleParole(const RappelsParole& rappels);
