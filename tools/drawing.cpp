// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace gen {

QImage canvas(QSizeF size, qreal scale, QColor fill, QPainter &p)
{
    QImage image((size * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    p.begin(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(scale, scale);
    return image;
}


QFont boldFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawCentredText(QPainter &p, QPointF centre, const QString &text, const QFont &font, QColor colour)
{
    // Centre the ink, not the line box: digits would otherwise sit too high.
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(centre - ink.center(), text);
    p.restore();
}

void fillGradient(QPainter &p, const QRectF &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void drawPlate(QPainter &p, const QRectF &r, QColor face, QColor border)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.translated(1.5, 2), 8, 8);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, face.lighter(106));
    g.setColorAt(1, face);
    p.setBrush(g);
    p.setPen(QPen(border, 1.6));
    p.drawRoundedRect(r, 8, 8);
    p.restore();
}

void drawPanel(QPainter &p, const QRectF &r, QColor border)
{
    p.save();
    p.setBrush(QColor(255, 255, 255, 170));
    p.setPen(QPen(border, 1.5, Qt::DashLine));
    p.drawRoundedRect(r, 12, 12);
    p.restore();
}

void drawStar(QPainter &p, QPointF centre, qreal radius, QColor fill)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.45;
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.save();
    p.setPen(QPen(fill.darker(125), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(star);
    p.restore();
}

void drawCloud(QPainter &p, QPointF centre, qreal size, QColor fill)
{
    const qreal u = size / 10.0;
    QPainterPath cloud;
    cloud.addEllipse(centre + QPointF(-2.5 * u, 0.5 * u), 2.5 * u, 2.0 * u);
    cloud.addEllipse(centre + QPointF(-0.5 * u, -0.8 * u), 2.8 * u, 2.6 * u);
    cloud.addEllipse(centre + QPointF(2.2 * u, 0.2 * u), 2.6 * u, 2.2 * u);
    cloud.addRoundedRect(QRectF(centre.x() - 4.6 * u, centre.y(), 9.4 * u, 2.2 * u), u, u);
    cloud = cloud.simplified();
    p.save();
    p.setPen(QPen(fill.darker(112), 1.2));
    p.setBrush(fill);
    p.drawPath(cloud);
    p.restore();
}

void drawEdgeConfetti(QPainter &p, const QRectF &area, const QList<QColor> &colours, quint32 seed,
                      const QList<QRectF> &keepClear)
{
    Dice dice(seed);
    const qreal band = 12;
    const qreal perimeter = 2 * (area.width() + area.height());
    int index = 0;
    for (qreal along = 10; along < perimeter; along += dice.between(26, 46), ++index) {
        // Walk the border clockwise from the top-left corner.
        QPointF pt;
        const qreal inset = dice.between(5, band);
        if (along < area.width())
            pt = QPointF(area.left() + along, area.top() + inset);
        else if (along < area.width() + area.height())
            pt = QPointF(area.right() - inset, area.top() + along - area.width());
        else if (along < 2 * area.width() + area.height())
            pt = QPointF(area.right() - (along - area.width() - area.height()), area.bottom() - inset);
        else
            pt = QPointF(area.left() + inset, area.bottom() - (along - 2 * area.width() - area.height()));

        bool blocked = false;
        for (const QRectF &clear : keepClear)
            blocked = blocked || clear.adjusted(-8, -8, 8, 8).contains(pt);
        if (blocked)
            continue;

        QColor c = colours.at(index % colours.size());
        const qreal size = dice.between(2.5, 5);
        if (index % 3 == 0) {
            drawStar(p, pt, size + 1.5, c);
        } else {
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(pt, size, size);
            p.restore();
        }
    }
}

QPointF dialPoint(QPointF centre, qreal radius, qreal minute)
{
    const qreal a = qDegreesToRadians(minute * 6.0 - 90.0);
    return {centre.x() + radius * qCos(a), centre.y() + radius * qSin(a)};
}

void drawDial(QPainter &p, QPointF centre, const DialStyle &s)
{
    p.save();
    const qreal rimMiddle = s.radius - s.rimWidth / 2;
    const qreal faceRadius = s.radius - s.rimWidth;

    QRadialGradient shade(centre, faceRadius);
    shade.setColorAt(0, s.face);
    shade.setColorAt(0.75, s.face);
    shade.setColorAt(1, s.faceEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, faceRadius + 0.5, faceRadius + 0.5);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.rim, s.rimWidth));
    p.drawEllipse(centre, rimMiddle, rimMiddle);
    if (s.rimOutline.alpha() > 0) {
        p.setPen(QPen(s.rimOutline, 2));
        p.drawEllipse(centre, s.radius - 1, s.radius - 1);
        p.drawEllipse(centre, faceRadius, faceRadius);
    }

    const qreal tickOuter = faceRadius - s.tickGap;
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        const qreal length = hour ? s.hourTickLength : s.minuteTickLength;
        if (length <= 0)
            continue;
        p.setPen(QPen(s.ink, hour ? s.hourTickWidth : 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(dialPoint(centre, tickOuter - length, minute), dialPoint(centre, tickOuter, minute));
    }

    if (s.numeralRadius > 0) {
        const QFont font = boldFont(s.numeralSize);
        for (int hour = 1; hour <= 12; ++hour)
            drawCentredText(p, dialPoint(centre, s.numeralRadius, hour * 5), QString::number(hour), font, s.ink);
    }

    if (s.centreDisc > 0) {
        p.setPen(QPen(s.centreColour.darker(140), 1));
        p.setBrush(s.centreColour);
        p.drawEllipse(centre, s.centreDisc, s.centreDisc);
    }
    p.restore();
}

// Pastel screen: gradient, thin frame, confetti on the edges.
void drawPastelScreen(QPainter &p, const QRectF &area, QColor top, QColor bottom, QColor frame,
                      const QList<QColor> &confetti, quint32 seed, const QList<QRectF> &keepClear)
{
    fillGradient(p, area, top, bottom);
    p.save();
    p.setPen(QPen(frame, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(3, 3, -3, -3), 10, 10);
    p.restore();
    drawEdgeConfetti(p, area.adjusted(3, 3, -3, -3), confetti, seed, keepClear);
}

} // namespace gen
