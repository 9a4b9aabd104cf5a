// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QWidget>

// A five-pointed star, point up: the stars a week earns, and the mark of a
// child's next step.
QPainterPath formeEtoile(QPointF centre, qreal rayon);
// A gold star with its darker outline, in that circle.
void peindreEtoile(QPainter& p, QPointF centre, qreal rayon);

// A small gold star laid over another control (the drawing of the child's
// next step); clicks go through it to the control beneath.
class MarqueEtoile : public QWidget {
    Q_OBJECT

public:
    explicit MarqueEtoile(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};
