// SPDX-License-Identifier: GPL-3.0-or-later
#include "plaque.h"

#include <QPainter>

Plaque::Plaque(QWidget* parent, const QRect& place, const QColor& face, const QColor& bord, qreal rayon)
    : QWidget(parent), face_(face), bord_(bord), rayon_(rayon)
{
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Plaque::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(bord_, 2));
    p.setBrush(face_);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), rayon_, rayon_);
}
