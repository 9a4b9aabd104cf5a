// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of a Windows program as its user sees it, for bench/windows.sh:
//   chrono PROGRAMME [ARGUMENTS...]
// starts it and prints, in milliseconds from its start, when its window is
// on view and when it is then ready for input (its thread idle: the work
// done right after the first paint included), and its peak memory in
// megabytes; then closes its windows as their close button does (the
// program ends in order, the display given back), and ends it only if it
// stays.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Recherche {
    DWORD processus;
    bool trouvee = false;
};

BOOL CALLBACK visible(HWND h, LPARAM l)
{
    auto* r = reinterpret_cast<Recherche*>(l);
    DWORD p = 0;
    GetWindowThreadProcessId(h, &p);
    if (p == r->processus && IsWindowVisible(h)) {
        r->trouvee = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK fermer(HWND h, LPARAM l)
{
    DWORD p = 0;
    GetWindowThreadProcessId(h, &p);
    if (p == DWORD(l) && IsWindowVisible(h))
        PostMessageW(h, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputws(L"usage: chrono PROGRAMME [ARGUMENTS...]\n", stderr);
        return 2;
    }
    std::wstring ligne;
    for (int i = 1; i < argc; ++i)
        ligne += (i > 1 ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER frequence, debut;
    QueryPerformanceFrequency(&frequence);
    QueryPerformanceCounter(&debut);
    if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 1;
    Recherche r{pi.dwProcessId};
    const auto depuis = [&] {
        LARGE_INTEGER t;
        QueryPerformanceCounter(&t);
        return double(t.QuadPart - debut.QuadPart) * 1000.0 / double(frequence.QuadPart);
    };
    while (!r.trouvee && WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT)
        EnumWindows(visible, reinterpret_cast<LPARAM>(&r));
    const double vue = depuis();
    WaitForInputIdle(pi.hProcess, 30000);
    const double pret = depuis();
    // What the first screens build right after their first paint counts too.
    Sleep(500);
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(pi.hProcess, &m, sizeof m);
    std::printf("%.1f %.1f %.1f\n", vue, pret, double(m.PeakWorkingSetSize) / (1024.0 * 1024.0));
    std::fflush(stdout);
    EnumWindows(fermer, LPARAM(pi.dwProcessId));
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return r.trouvee ? 0 : 1;
}
