// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// A look at a share that may hang: every wait on it is bounded, and what
// hangs holds a thread of its own, never the caller.
namespace partage {

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
