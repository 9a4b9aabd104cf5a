// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypictures.h"

#include "drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace gen {
namespace {

const QColor kOutline(96, 64, 40);
const QColor kSun(255, 206, 70);
const QColor kMoon(255, 246, 200);

void sun(QPainter &p, QPointF c, qreal r, QColor fill = kSun)
{
    p.save();
    p.setPen(QPen(fill.darker(115), r * 0.18, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(36.0 * i);
        const QPointF d(qCos(a), qSin(a));
        p.drawLine(c + d * r * 1.35, c + d * r * 1.75);
    }
    p.setPen(QPen(fill.darker(140), 1));
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

void moon(QPainter &p, QPointF c, qreal r, QColor sky)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kMoon);
    p.drawEllipse(c, r, r);
    p.setBrush(sky);
    p.drawEllipse(c + QPointF(r * 0.45, -r * 0.25), r * 0.85, r * 0.85);
    p.restore();
}

void hills(QPainter &p, const QRectF &r, QColor near, QColor far)
{
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath back;
    back.moveTo(r.left(), r.bottom() - r.height() * 0.28);
    back.quadTo(r.left() + r.width() * 0.35, r.bottom() - r.height() * 0.48, r.left() + r.width() * 0.7,
                r.bottom() - r.height() * 0.3);
    back.quadTo(r.left() + r.width() * 0.85, r.bottom() - r.height() * 0.22, r.right(), r.bottom() - r.height() * 0.32);
    back.lineTo(r.bottomRight());
    back.lineTo(r.bottomLeft());
    p.setBrush(far);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(r.left(), r.bottom() - r.height() * 0.12);
    front.quadTo(r.left() + r.width() * 0.55, r.bottom() - r.height() * 0.3, r.right(), r.bottom() - r.height() * 0.1);
    front.lineTo(r.bottomRight());
    front.lineTo(r.bottomLeft());
    p.setBrush(near);
    p.drawPath(front);
    p.restore();
}

// A little house whose window is lit or dark.
void house(QPainter &p, QPointF base, qreal s, bool lit)
{
    p.save();
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(250, 236, 210));
    p.drawRect(QRectF(base.x() - 7 * s, base.y() - 10 * s, 14 * s, 10 * s));
    QPainterPath roof;
    roof.moveTo(base.x() - 9 * s, base.y() - 10 * s);
    roof.lineTo(base.x(), base.y() - 17 * s);
    roof.lineTo(base.x() + 9 * s, base.y() - 10 * s);
    roof.closeSubpath();
    p.setBrush(QColor(210, 90, 70));
    p.drawPath(roof);
    p.setBrush(lit ? QColor(255, 220, 90) : QColor(90, 110, 150));
    p.drawRect(QRectF(base.x() - 4 * s, base.y() - 7 * s, 4 * s, 4 * s));
    p.restore();
}

// One moment of the day in a rounded frame of kMomentSize at `origin`.
void moment(QPainter &p, QPointF origin, int which)
{
    const QRectF r(origin + QPointF(2, 2), QSizeF(kMomentSize) - QSizeF(4, 4));
    struct Ciel {
        QColor haut, bas, pres, loin;
    };
    const Ciel ciels[] = {
        {QColor(20, 30, 80), QColor(50, 60, 130), QColor(40, 80, 60), QColor(30, 60, 70)},       // night
        {QColor(150, 200, 250), QColor(255, 205, 170), QColor(120, 200, 110), QColor(160, 210, 140)}, // morning
        {QColor(90, 170, 250), QColor(170, 220, 255), QColor(110, 200, 90), QColor(150, 215, 120)},  // noon
        {QColor(120, 185, 245), QColor(200, 230, 255), QColor(120, 195, 100), QColor(160, 210, 130)}, // afternoon
        {QColor(110, 70, 150), QColor(255, 150, 90), QColor(80, 130, 80), QColor(110, 120, 110)},    // evening
    };
    const Ciel &c = ciels[which];
    p.save();
    QPainterPath frame;
    frame.addRoundedRect(r, 8, 8);
    p.setClipPath(frame);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, c.haut);
    sky.setColorAt(1, c.bas);
    p.fillRect(r, sky);
    switch (which) {
    case 0:
        moon(p, r.topLeft() + QPointF(52, 18), 10, c.haut);
        for (const QPointF &s : {QPointF(12, 12), QPointF(28, 24), QPointF(70, 30), QPointF(20, 34), QPointF(40, 10)})
            drawStar(p, r.topLeft() + s, 2.4, QColor(255, 240, 170));
        break;
    case 1:
        sun(p, r.topLeft() + QPointF(16, 38), 8, QColor(255, 180, 80));
        break;
    case 2:
        sun(p, r.topLeft() + QPointF(38, 14), 9);
        break;
    case 3:
        sun(p, r.topLeft() + QPointF(58, 22), 8);
        drawCloud(p, r.topLeft() + QPointF(22, 16), 22, Qt::white);
        break;
    default:
        sun(p, r.topLeft() + QPointF(60, 42), 9, QColor(255, 120, 60));
        break;
    }
    hills(p, r, c.pres, c.loin);
    house(p, r.topLeft() + QPointF(which == 4 ? 20 : 56, r.height() - 8), 1, which == 0 || which == 4);
    p.restore();
    p.save();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 8, 8);
    p.restore();
}

} // namespace

void drawDayDrawing(QPainter &p)
{
    const QRectF box(kDayDrawing);
    const QPointF c(box.center().x(), box.top() + 40);
    const qreal r = 31;
    p.save();
    // A disc, day on the left and night on the right, the sun and the moon.
    QPainterPath day, night;
    day.moveTo(c);
    day.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, 180);
    day.closeSubpath();
    night.moveTo(c);
    night.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, -180);
    night.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 200, 250));
    p.drawPath(day);
    const QColor navy(40, 50, 120);
    p.setBrush(navy);
    p.drawPath(night);
    sun(p, c + QPointF(-14, -4), 8);
    moon(p, c + QPointF(14, -6), 8, navy);
    drawStar(p, c + QPointF(20, 12), 3, QColor(255, 240, 170));
    drawStar(p, c + QPointF(8, 16), 2, QColor(255, 240, 170));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    // "24 h" on a ribbon below.
    const QRectF ribbon(box.left() + 6, box.bottom() - 20, box.width() - 12, 18);
    drawPlate(p, ribbon, QColor(255, 246, 220), QColor(240, 150, 80));
    drawCentredText(p, ribbon.center(), QStringLiteral("24 h"), boldFont(12), QColor(200, 80, 40));
    p.restore();
}

QImage dayScreen(qreal scale)
{
    QPainter p;
    QImage image = canvas(QSizeF(640, 480), scale, Qt::white, p);
    const QRectF plate(552, 459, 77, 19);
    QList<QRectF> columns;
    for (qreal x : {4.0, 216.0, 428.0})
        columns << QRectF(x, 4, 208, 446);
    drawPastelScreen(p, QRectF(0, 0, 640, 480), QColor(236, 246, 255), QColor(255, 246, 232), QColor(150, 190, 240),
                     {QColor(255, 200, 90), QColor(150, 190, 245), QColor(240, 150, 190)}, 26,
                     QList<QRectF>(columns) << plate << QRectF(6, 452, 420, 24));
    const QColor borders[] = {QColor(255, 180, 90), QColor(150, 190, 245), QColor(150, 210, 150)};
    for (int i = 0; i < 3; ++i) {
        drawPanel(p, columns[i], borders[i]);
        // The levels' corner and "Vérifier", on a lighter ground.
        drawPlate(p, QRectF(columns[i].left() + 58, 278, 92, 26), QColor(236, 244, 255), QColor(90, 130, 210));
    }
    drawPlate(p, plate.adjusted(-2, -2, 2, 2), QColor(255, 253, 246), QColor(240, 150, 80));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage momentsSheet(qreal scale)
{
    QPainter p;
    QImage image = canvas(QSizeF(kMomentSize.width() * 5, kMomentSize.height()), scale, Qt::transparent, p);
    for (int i = 0; i < 5; ++i)
        moment(p, QPointF(kMomentSize.width() * i, 0), i);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace gen
