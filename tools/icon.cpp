// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include "drawing.h"

#include <QPainter>

namespace gen {

namespace {

// Same numbers as the scalable icon; change both together.
constexpr QPointF kCentre{128, 138};
const QColor kBlue{0x3a, 0x86, 0xd6};
const QColor kBlueEdge{0x24, 0x59, 0x9a};
const QColor kRed{0xf0, 0x58, 0x3c};
const QColor kRedEdge{0xb8, 0x3a, 0x24};
const QColor kHourHand{0xe0, 0x44, 0x2b};
const QColor kInk{0x27, 0x40, 0x5f};
const QColor kFace{0xff, 0xfa, 0xf0};
const QColor kHub{0xff, 0xc8, 0x3d};

void roundLine(QPainter &p, QPointF from, QPointF to, QColor colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void disc(QPainter &p, QPointF centre, qreal radius, QColor fill, QColor edge = {}, qreal edgeWidth = 0)
{
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QImage appIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // Feet, then the bells and their knob, all partly hidden by the body.
    roundLine(p, {82, 214}, {62, 244}, kBlueEdge, 16);
    roundLine(p, {174, 214}, {194, 244}, kBlueEdge, 16);
    roundLine(p, {128, 44}, {128, 26}, kRedEdge, 10);
    disc(p, {128, 22}, 8, kRed, kRedEdge, 4);
    disc(p, {66, 60}, 30, kRed, kRedEdge, 4);
    disc(p, {190, 60}, 30, kRed, kRedEdge, 4);

    disc(p, kCentre, 98, kBlue, kBlueEdge, 4);
    disc(p, kCentre, 80, kFace);
    for (int hour = 0; hour < 12; ++hour)
        disc(p, dialPoint(kCentre, 64, hour * 5), hour % 3 == 0 ? 7 : 4, kInk);

    // Ten past ten: the hands open like a smile.
    roundLine(p, kCentre, dialPoint(kCentre, 42, (10 + 10 / 60.0) * 5), kHourHand, 13);
    roundLine(p, kCentre, dialPoint(kCentre, 62, 10), kInk, 8);
    disc(p, kCentre, 10, kHub, kRedEdge, 3);
    return image;
}

} // namespace gen
