#include "fakes.h"

double ScriptedRandom::next()
{
    if (draws_.isEmpty()) {
        ++underflows;
        return 0.0;
    }
    return draws_.takeFirst();
}

QSizeF RecordingDisplay::screenSize()
{
    calls << QStringLiteral("size");
    return size;
}

bool RecordingDisplay::enumDisplaySettings(int index)
{
    calls << QStringLiteral("enum %1").arg(index);
    return index < modes;
}

void RecordingDisplay::changeDisplaySettings(quint32 fields, quint32 width, quint32 height)
{
    calls << QStringLiteral("change %1 %2x%3").arg(fields, 0, 16).arg(width).arg(height);
}

void RecordingDisplay::setTaskbarPos(unsigned flags)
{
    calls << QStringLiteral("taskbar %1").arg(flags);
}
