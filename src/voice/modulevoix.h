// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <memory>

#include "common/voix.h"
#include "parole.h"

// The voice of the module opened by charger(). Loaded with the program, Qt
// TextToSpeech and what it pulls in would delay the first screen before
// main(); kept in the module, they come after the first paint, as the
// sounds do. The voice is available once the module has found a French
// voice; without the module, or without a French voice, it never is and
// one French line on the console says why.
class ModuleVoix final : public Voix {
    Q_OBJECT

public:
    // `module`: the module's path without its suffix.
    explicit ModuleVoix(const QString& module, QObject* parent = nullptr);
    ~ModuleVoix() override;

    void dire(const QString& texte) override;
    void arreter() override;
    bool disponible() const override { return disponible_; }
    bool parle() const override { return parle_; }
    void charger() override;

    // Ends the voice, waiting at most `attenteMs` for its engine. False when
    // the engine is still busy (starting, or not answering): the process must
    // then end without running its destructors (see main).
    bool finir(int attenteMs);

    // The name of the voice taken, once available.
    const QString& nomVoix() const { return nomVoix_; }

private:
    QLibrary module_;
    std::unique_ptr<Parole> parole_;
    bool charge_ = false;
    bool disponible_ = false;
    bool parle_ = false;
    QString nomVoix_;
};
