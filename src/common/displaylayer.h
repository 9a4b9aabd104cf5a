// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <memory>

// The display mode and the task bar. On Windows these are the system calls;
// elsewhere they do nothing. Tests record the calls.
class DisplayLayer {
public:
    // Bits of the display-mode record for the width and the height in pixels.
    static constexpr quint32 ChampsLargeurHauteur = 0x180000;
    // Window-position flags for the task bar.
    static constexpr unsigned CacherFenetre = 128;
    static constexpr unsigned MontrerFenetre = 64;

    virtual ~DisplayLayer() = default;
    // Size of the display in pixels.
    virtual QSizeF screenSize() = 0;
    // Fills the held display-mode record with mode number index of the
    // current display; false when there is no such mode.
    virtual bool enumDisplaySettings(int index) = 0;
    // Writes the field mask, width and height into the record and asks for
    // that mode, temporarily (not saved in the user's settings): true when
    // the display took it (Windows), false when it refused or cannot switch.
    // The change is for this program's run: the system puts its own mode
    // back if the program dies.
    virtual bool changeDisplaySettings(quint32 fields, quint32 width, quint32 height) = 0;
    // Puts back the mode the system keeps for this display, colour depth and
    // refresh rate included; true when the display took it.
    virtual bool restaurerAffichage() = 0;
    // Finds the task bar window and sets its window-position flags: true
    // when that showed or hid it, false when there is none or it already
    // was as asked.
    virtual bool setTaskbarPos(unsigned flags) = 0;
};

// The layer of the platform the program was built for.
std::unique_ptr<DisplayLayer> makePlatformDisplayLayer();

// The Qt platform for a command that opens no window (the report): Qt's
// offscreen one where a display may be missing; none on Windows, whose own
// needs no display and alone knows the system's fonts there.
const char* platformWithoutWindow();
