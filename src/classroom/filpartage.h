// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>

// A thread of its own for every look at a class folder, so that no screen
// ever waits on the network: the jobs run there one after the other, and
// each one's result is handed back on this object's thread by the event
// loop. A share that hangs holds this thread only, never a screen.
class FilPartage : public QObject {
    Q_OBJECT

public:
    explicit FilPartage(QObject* parent = nullptr);
    // Joins the thread: only once finir() said it is free.
    ~FilPartage() override;

    // Runs travail() on the thread, then suite(result) here, unless this
    // object is gone by then.
    template <class Travail, class Suite>
    void lancer(Travail travail, Suite suite)
    {
        ++enAttente_;
        QMetaObject::invokeMethod(
            ouvrier_,
            [this, travail, suite] {
                debut_ = horloge();
                auto resultat = travail();
                debut_ = libre;
                QMetaObject::invokeMethod(
                    this,
                    [this, suite, resultat] {
                        --enAttente_;
                        suite(resultat);
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

    // How long the job under way has run, in milliseconds; -1 when none runs.
    qint64 occupeDepuis() const;
    // Whether a job was asked for and its result has not come back yet.
    bool attend() const { return enAttente_ > 0; }

    // The thread stops within ms milliseconds, the jobs not begun dropped.
    // False when a job is stuck in a share that hangs: this object must then
    // not be destroyed (the program ends without waiting for it).
    bool finir(int ms);

private:
    static qint64 horloge();
    static constexpr qint64 libre = -1;

    QThread fil_;
    QObject* ouvrier_;  // lives on fil_: the jobs are its events
    std::atomic<qint64> debut_{libre};
    std::atomic<int> enAttente_{0};
};
