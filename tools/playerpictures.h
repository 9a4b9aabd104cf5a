// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the children's screens: who plays, and their progress.
#pragma once

#include <QImage>

namespace gen {

QImage playersScreen(qreal scale);    // quijoue: background of "Qui joue ?"
QImage progressScreen(qreal scale);   // progres: background of "Mes progrès"
QImage progressDrawing(qreal scale);  // mesprogres: the start screen's drawing, 112 x 96
QImage trainingScreen(qreal scale);   // entrainement: background of "Mon entraînement"
QImage trainingDrawing(qreal scale);  // monentrainement: the start screen's drawing, 70 x 84
QImage speakerDrawing(qreal scale);   // ecouter: the loudspeaker beside each statement, 24 x 20

} // namespace gen
