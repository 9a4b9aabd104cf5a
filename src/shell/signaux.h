// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that end a program from outside (SIGTERM from a computer
// shut down by its button, SIGINT from Ctrl+C, SIGHUP from a closed
// terminal; on Windows the console's Ctrl+C and Ctrl+Break) into a Qt signal
// delivered by the event loop, so that the run ends as "SORTIE" ends it,
// score saved. One source file per system: on POSIX the handler itself only
// writes a byte to a pipe, as nothing else is safe inside it.
class ArretParSignal : public QObject {
    Q_OBJECT

public:
    explicit ArretParSignal(QObject* parent = nullptr);
    ~ArretParSignal() override;

signals:
    // Once per signal received.
    void arretDemande(int signal);

private:
    void lire();

    QSocketNotifier* notifier_ = nullptr;
};
