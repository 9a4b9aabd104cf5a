// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "common/registre.h"

// Records every judged answer in a history file the moment it is judged.
// The line is formatted at once on the caller's thread, then a thread of its
// own appends it to the file and syncs it to the disk, so the screen never
// waits on the disk, and an answer is durable within a second. Each line is
// one write to a file opened for appending: two copies of the program
// appending to the same local file never mix their lines.
class HistoriqueEcrivain final : public RegistreReponses {
public:
    explicit HistoriqueEcrivain(std::function<QDateTime()> maintenant);
    // Writes what is left first.
    ~HistoriqueEcrivain() override;

    // Where the next answers go, and the child named in them (empty when
    // none is named).
    void diriger(const QString& chemin, const QString& joueur);

    void enregistrer(const ReponseJugee& reponse) override;

    // Waits until every answer recorded so far is written and synced, or
    // until the time given has passed (a share gone away must not hang the
    // program). True when everything is written.
    bool vider(int millisecondes = attenteMs);
    // A second, then the screen goes on (the program quits) whatever the disk does.
    static constexpr int attenteMs = 1000;

private:
    struct Attente {
        QString chemin;
        QByteArray ligne;
    };
    void boucle();
    bool ecrire(const Attente& a);

    std::function<QDateTime()> maintenant_;
    QString chemin_;
    QString joueur_;

    std::mutex mutex_;
    std::condition_variable reveil_;
    std::condition_variable ecrit_;
    std::deque<Attente> attente_;
    quint64 soumises_ = 0;
    quint64 faites_ = 0;
    bool arret_ = false;
    std::thread fil_;
};
