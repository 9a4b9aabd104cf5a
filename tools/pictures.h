// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures: screen backgrounds and the sheet the clock faces are cut from.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

namespace gen {

// Places the program relies on.
inline constexpr QRect kWatchFaceOnSheet{0, 0, 136, 138};
inline constexpr QPointF kWatchCentre{68, 64};          // relative to the watch face
inline constexpr qreal kWatchRadius = 62;
inline constexpr QRect kExerciseDialOnSheet{0, 149, 189, 191};
inline constexpr qreal kExerciseDialRadius = 88;
inline constexpr QPointF kTipsClockCentre{393, 127};  // on the tips screen
inline constexpr qreal kTipsClockRadius = 59;
inline constexpr QRect kStartWatchBox{13, 309, 136, 128}; // where the start screen shows the face
inline constexpr QRect kSettingClockDrawing{522, 252, 112, 100}; // on the start screen
// The screen where the hands are set: the program's clock, its level list and its two labels.
inline constexpr QRect kSettingClockBox{60, 92, 290, 290};
inline constexpr QRect kSettingLevels{410, 92, 200, 214};
inline constexpr QRect kSettingCheck{420, 326, 180, 30}; // "Vérifier", then "Continuer"

// Ground colours that the pictures share with the faces laid over them.
inline constexpr QColor kStartGround{247, 235, 211};
inline constexpr QColor kExerciseGround{243, 226, 193};

// Each picture at `scale` times the screen's 640 x 480 pixels.
QImage startScreen(qreal scale);     // 23
QImage tipsScreen(qreal scale);      // 21
QImage aboutScreen(qreal scale);     // 22
QImage exercisesScreen(qreal scale); // 25
QImage lessonScreen(qreal scale);    // 26
QImage dateGamesScreen(qreal scale); // 28
QImage settingClockScreen(qreal scale); // aiguilles
QImage pictureSheet(qreal scale);    // anim

} // namespace gen
