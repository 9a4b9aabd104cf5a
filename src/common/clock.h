// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// Where the program reads today's date and the time of day. Tests put a
// fixed instant in its place.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
