// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A rounded plate painted under a control that sits on it, cheaper than a
// style sheet (which costs the first screen its start-up). Pointer events go
// through it to the screen.
class Plaque : public QWidget {
public:
    Plaque(QWidget* parent, const QRect& place, const QColor& face, const QColor& bord, qreal rayon = 12);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor face_;
    QColor bord_;
    qreal rayon_;
};
