// SPDX-License-Identifier: GPL-3.0-or-later
// What a Windows desktop shows of the program, for the Wine runs: the
// display mode, whether the task bar is on view, and the program's window.
//   sonde etat FICHIER            "ecran 640x480 barre cachee" written to FICHIER
//   sonde fenetre TITRE SECONDES  waits for a visible window so titled,
//                                 prints "x y largeur hauteur" (status 1 if none)
//   sonde fermer TITRE            asks that window to close, as its close button does
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

std::wstring etat()
{
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    const HWND barre = FindWindowW(L"Shell_traywnd", nullptr);
    const wchar_t* vue = !barre ? L"absente" : IsWindowVisible(barre) ? L"visible" : L"cachee";
    return L"ecran " + std::to_wstring(mode.dmPelsWidth) + L"x" + std::to_wstring(mode.dmPelsHeight) + L" barre "
           + vue;
}

HWND fenetre(const wchar_t* titre)
{
    const HWND h = FindWindowW(nullptr, titre);
    return h && IsWindowVisible(h) ? h : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && !std::wcscmp(argv[1], L"etat")) {
        FILE* f = _wfopen(argv[2], L"w");
        if (!f)
            return 2;
        std::fputws((etat() + L"\n").c_str(), f);
        std::fclose(f);
        return 0;
    }
    if (argc == 4 && !std::wcscmp(argv[1], L"fenetre")) {
        const DWORD fin = GetTickCount() + DWORD(std::wcstoul(argv[3], nullptr, 10) * 1000);
        for (; GetTickCount() < fin; Sleep(100)) {
            RECT r;
            if (const HWND h = fenetre(argv[2]); h && GetWindowRect(h, &r)) {
                std::wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
                return 0;
            }
        }
        return 1;
    }
    if (argc == 3 && !std::wcscmp(argv[1], L"fermer")) {
        const HWND h = fenetre(argv[2]);
        return h && PostMessageW(h, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fputws(L"usage: sonde etat FICHIER | fenetre TITRE SECONDES | fermer TITRE\n", stderr);
    return 2;
}
