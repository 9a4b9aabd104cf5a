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
    // True where the display is switched to 640 x 480 (Windows): the
    // screens then fill it unscaled.
    virtual bool changesDisplayMode() const = 0;
    // Size of the display in pixels.
    virtual QSizeF screenSize() = 0;
    // Fills the held display-mode record with mode number index of the
    // current display; false when there is no such mode.
    virtual bool enumDisplaySettings(int index) = 0;
    // Writes the field mask, width and height into the record and asks for
    // that mode, temporarily (not saved in the user's settings).
    virtual void changeDisplaySettings(quint32 fields, quint32 width, quint32 height) = 0;
    // Finds the task bar window and sets its window-position flags.
    virtual void setTaskbarPos(unsigned flags) = 0;
};

// The layer of the platform the program was built for.
std::unique_ptr<DisplayLayer> makePlatformDisplayLayer();
