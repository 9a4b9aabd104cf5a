// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "common/voix.h"

class QProcess;

// The voice, spoken by the voice's own program (`klepsos-voix`, beside the
// sound module), which charger() starts after the first paint: Qt
// TextToSpeech and Speech Dispatcher's client, with every voice it lists,
// live in that process, never in the program's. The voice is available once
// that program has found a French voice; without it, without a French
// voice, or when it stops, it is not, and one French line on the console
// says why.
class ModuleVoix final : public Voix {
    Q_OBJECT

public:
    // `programme`: the voice's program, without its suffix.
    explicit ModuleVoix(const QString& programme, QObject* parent = nullptr);
    ~ModuleVoix() override;

    void dire(const QString& texte) override;
    void arreter() override;
    bool disponible() const override { return disponible_; }
    bool parle() const override { return parle_; }
    void charger() override;

    // Ends the voice's program: asks it to stop and end, waits at most
    // `attenteMs`, then ends it by force. Never waits longer.
    void finir(int attenteMs);

    // The name of the voice taken, once available.
    const QString& nomVoix() const { return nomVoix_; }

private:
    void lire();
    void envoyer(const QByteArray& ligne);
    void perdre(const QString& raison);
    void changerParle(bool oui);

    QString programme_;
    QProcess* processus_ = nullptr;
    bool fini_ = false;
    bool disponible_ = false;
    bool parle_ = false;
    QString nomVoix_;
};
