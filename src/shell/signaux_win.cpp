// SPDX-License-Identifier: GPL-3.0-or-later
#include "signaux.h"

#include <QPointer>
#include <atomic>
#include <windows.h>

// Windows ends a program from outside by closing its windows (a session's
// end, taskkill), which Qt turns into the same orderly end as "SORTIE". The
// console's events (Ctrl+C, Ctrl+Break, its closing) reach only a copy that
// has a console of its own: a windowed program started from one has none.
namespace {

std::atomic<ArretParSignal*> instance{nullptr};

BOOL WINAPI surEvenement(DWORD evenement)
{
    // On a thread of the system's: the stop goes to the event loop.
    if (ArretParSignal* a = instance.load()) {
        QMetaObject::invokeMethod(a, [a, evenement] { emit a->arretDemande(int(evenement)); }, Qt::QueuedConnection);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

ArretParSignal::ArretParSignal(QObject* parent) : QObject(parent)
{
    instance = this;
    SetConsoleCtrlHandler(surEvenement, TRUE);
}

ArretParSignal::~ArretParSignal()
{
    SetConsoleCtrlHandler(surEvenement, FALSE);
    instance = nullptr;
}
