// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// The one way a file of a folder nobody vouches for (a class share, a store
// copied from elsewhere) is opened: without blocking, and only when it is a
// regular file. A named pipe, a device or a socket given a history's or a
// name's file name would otherwise hold the reader until someone writes to it.
namespace partage {

// Whether the path names a regular file (a link to one counts).
bool estRegulier(const QString& chemin);

// Up to `max` bytes of the file from byte `depuis` on; nothing when it is
// not a regular file or cannot be read. `taille` receives the file's size.
std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille = nullptr);

// Appends to a regular file (made when missing; a link is not followed),
// without blocking: the bytes the system took, whatever a sync or a close
// say afterwards, so that none is written twice. Nothing is written to a
// pipe, a device or a socket bearing the name: 0.
qint64 ajouter(const QString& chemin, const QByteArray& octets);
#ifdef Q_OS_UNIX
// Writes to an open file until the bytes are taken or it refuses: how many it took.
qint64 ecrireTout(int fd, const QByteArray& octets);
#endif

// What `travail` returns, when it returns within `ms` milliseconds; it runs
// on a thread of its own, left to finish (or to stay stuck in a share that
// hangs) out of everyone's way when the time is up.
// How many of those threads are still at work: a process must not run its
// exit handlers (a leak checker stops every thread) while one is stuck.
inline std::atomic<int> filsEnCours{0};

template <class T>
std::optional<T> avant(int ms, std::function<T()> travail)
{
    struct Etat {
        std::mutex m;
        std::condition_variable fini;
        std::optional<T> resultat;
    };
    const auto etat = std::make_shared<Etat>();
    ++filsEnCours;
    std::thread([etat, travail = std::move(travail)] {
        T r = travail();
        --filsEnCours;
        const std::lock_guard verrou(etat->m);
        etat->resultat = std::move(r);
        etat->fini.notify_all();
    }).detach();
    std::unique_lock verrou(etat->m);
    etat->fini.wait_for(verrou, std::chrono::milliseconds(ms), [&] { return etat->resultat.has_value(); });
    return etat->resultat;
}

// A class folder as a look at it finds it.
enum class Etat {
    Joignable,
    Absent,  // not there, or never used by a class (a share not mounted leaves an empty folder)
    Muet,    // no answer within the time given: the share hangs
};
Etat sonder(const QString& dossier, int ms);
// How long a look at a share may take before it is taken for hung.
inline constexpr int attenteSondeMs = 3000;

}  // namespace partage
