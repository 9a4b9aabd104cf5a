// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/displaylayer.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Desktops other than Windows: the program keeps the display as it is and
// there is no task bar to hide; only the display size is read.
class StaticDisplayLayer final : public DisplayLayer {
public:
    QSizeF screenSize() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? QSizeF(s->size()) : QSizeF(640, 480);
    }
    bool enumDisplaySettings(int) override { return false; }
    bool changeDisplaySettings(quint32, quint32, quint32) override { return false; }
    bool restaurerAffichage() override { return false; }
    bool setTaskbarPos(unsigned) override { return false; }
};

}  // namespace

const char* platformWithoutWindow()
{
    return "offscreen";
}

std::unique_ptr<DisplayLayer> makePlatformDisplayLayer()
{
    return std::make_unique<StaticDisplayLayer>();
}
