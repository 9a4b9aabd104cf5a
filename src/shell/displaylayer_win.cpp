// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/displaylayer.h"

#include <windows.h>

namespace {

// The real display-mode and task-bar calls. The display-mode record lives
// as long as the layer, so the last enumerated mode is what a change sends.
class WindowsDisplayLayer final : public DisplayLayer {
public:
    WindowsDisplayLayer()
    {
        ZeroMemory(&mode_ecran_, sizeof mode_ecran_);
        mode_ecran_.dmSize = sizeof mode_ecran_;
    }

    QSizeF screenSize() override
    {
        return QSizeF(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }

    bool enumDisplaySettings(int index) override
    {
        return EnumDisplaySettingsA(nullptr, DWORD(index), &mode_ecran_) != FALSE;
    }

    bool changeDisplaySettings(quint32 fields, quint32 width, quint32 height) override
    {
        mode_ecran_.dmFields = fields;
        mode_ecran_.dmPelsWidth = width;
        mode_ecran_.dmPelsHeight = height;
        // For this run only: if the program dies, Windows restores its own mode.
        return ChangeDisplaySettingsA(&mode_ecran_, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
    }

    bool restaurerAffichage() override
    {
        // The mode in the registry, whole: size, colour depth and refresh rate.
        return ChangeDisplaySettingsA(nullptr, 0) == DISP_CHANGE_SUCCESSFUL;
    }

    bool setTaskbarPos(unsigned flags) override
    {
        HWND barre = FindWindowA("Shell_traywnd", "");
        if (!barre)
            return false;
        const bool vueAvant = IsWindowVisible(barre);
        SetWindowPos(barre, nullptr, 0, 0, 0, 0, flags);
        return bool(IsWindowVisible(barre)) != vueAvant;
    }

private:
    DEVMODEA mode_ecran_;
};

}  // namespace

const char* platformWithoutWindow()
{
    return nullptr;
}

std::unique_ptr<DisplayLayer> makePlatformDisplayLayer()
{
    return std::make_unique<WindowsDisplayLayer>();
}
