// SPDX-License-Identifier: GPL-3.0-or-later
#include "signaux.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] written by the handler, [1] read by the event loop.
int paire[2] = {-1, -1};

constexpr int signauxDArret[] = {SIGTERM, SIGINT, SIGHUP};

void surSignal(int numero)
{
    const int errnoAvant = errno;
    const unsigned char octet = static_cast<unsigned char>(numero);
    // Nothing to do if the pipe is full: a stop is already waiting.
    [[maybe_unused]] const ssize_t ecrit = ::write(paire[0], &octet, 1);
    errno = errnoAvant;
}

}  // namespace

ArretParSignal::ArretParSignal(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, paire) != 0) {
        qWarning("Klepsos : l'arrêt par un signal ne pourra pas enregistrer le score.");
        return;
    }
    notifier_ = new QSocketNotifier(paire[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ArretParSignal::lire);
    struct sigaction action {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int numero : signauxDArret)
        ::sigaction(numero, &action, nullptr);
}

ArretParSignal::~ArretParSignal()
{
    if (!notifier_)
        return;
    // Back to the default: a signal now ends the program at once.
    for (int numero : signauxDArret)
        std::signal(numero, SIG_DFL);
    delete notifier_;
    ::close(paire[0]);
    ::close(paire[1]);
    paire[0] = paire[1] = -1;
}

void ArretParSignal::lire()
{
    unsigned char octet = 0;
    while (::read(paire[1], &octet, 1) == 1)
        emit arretDemande(octet);
}
