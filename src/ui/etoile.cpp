// SPDX-License-Identifier: GPL-3.0-or-later
#include "etoile.h"

#include <QPainter>
#include <cmath>

QPainterPath formeEtoile(QPointF c, qreal r)
{
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const qreal a = M_PI / 2 + i * M_PI / 5;
        const qreal rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() - rr * std::sin(a));
        i ? p.lineTo(pt) : p.moveTo(pt);
    }
    p.closeSubpath();
    return p;
}

void peindreEtoile(QPainter& p, QPointF centre, qreal rayon)
{
    const QColor or_(255, 193, 7);
    p.setPen(QPen(or_.darker(150), std::max<qreal>(1, rayon / 8)));
    p.setBrush(or_);
    p.drawPath(formeEtoile(centre, rayon));
}

MarqueEtoile::MarqueEtoile(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void MarqueEtoile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A white disc ringed in magenta, the colour of the next step on "Mes
    // progrès": unlike the stars of the background.
    const QPointF c(width() / 2.0, height() / 2.0);
    const qreal r = std::min(width(), height()) / 2.0 - 1.5;
    p.setPen(QPen(QColor(255, 0, 255), r / 7));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    peindreEtoile(p, c + QPointF(0, r * 0.06), r * 0.72);
}
