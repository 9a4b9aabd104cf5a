// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of "Le calendrier": its screen and the start screen's drawing
// that opens it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace gen {

// Where the start screen shows the drawing, clear of the others.
inline constexpr QRect kCalendarDrawing{200, 130, 86, 94};

void drawCalendarDrawing(QPainter &p);   // on the start screen, in kCalendarDrawing
QImage calendarScreen(qreal scale);      // calendrier: background of "Le calendrier"

} // namespace gen
