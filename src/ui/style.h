// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Font sizes in pixels, so the fixed boxes do not depend on the screen's DPI
// (8.25 pt, 9.75 pt, 12 pt and 13.5 pt at 96 dpi).
namespace taille {
constexpr int p8 = 11;
constexpr int p9 = 13;
constexpr int p12 = 16;
constexpr int p13 = 18;
}  // namespace taille

namespace couleur {
inline const QColor bleu{0, 0, 255};
inline const QColor rouge{255, 0, 0};
inline const QColor violet{192, 0, 192};
inline const QColor magenta{255, 0, 255};
inline const QColor noir{0, 0, 0};
}  // namespace couleur

// A sans-serif face at a size in pixels, bold unless asked otherwise.
QFont uiFont(int pixels, bool bold = true);

// The colour a label writes its text in (its palette's WindowText).
void setTextColor(QWidget* w, const QColor& c);
QColor textColor(const QWidget* w);
