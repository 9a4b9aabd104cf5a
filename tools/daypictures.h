// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of "La journée": its screen, the moments of the day and the
// start screen's drawing that opens it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace gen {

// Where the start screen shows the drawing, clear of the others.
inline constexpr QRect kDayDrawing{302, 234, 68, 92};
// The moments of the day side by side, night, morning, noon, afternoon, evening.
inline constexpr QSize kMomentSize{80, 64};

void drawDayDrawing(QPainter &p);     // on the start screen, in kDayDrawing
QImage dayScreen(qreal scale);        // journee: background of "La journée"
QImage momentsSheet(qreal scale);     // moments: the five moments, 400 x 64

} // namespace gen
