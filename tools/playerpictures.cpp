// SPDX-License-Identifier: GPL-3.0-or-later
#include "playerpictures.h"

#include "drawing.h"

#include <QPainterPath>

namespace gen {
namespace {

const QColor kOutline(96, 64, 40);
const QColor kGold(255, 200, 60);

void bar(QPainter &p, const QRectF &r, QColor fill)
{
    p.save();
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
    // A light stripe makes it look round.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(r.left() + 3, r.top() + 3, r.width() * 0.28, r.height() - 6), 2, 2);
    p.restore();
}

// A golden star with a smile.
void happyStar(QPainter &p, QPointF c, qreal r)
{
    drawStar(p, c, r, kGold);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(c.x() - r * 0.2, c.y() - r * 0.05), r * 0.07, r * 0.09);
    p.drawEllipse(QPointF(c.x() + r * 0.2, c.y() - r * 0.05), r * 0.07, r * 0.09);
    p.setPen(QPen(kOutline, r * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.22, c.y() - r * 0.05, r * 0.44, r * 0.3), -20 * 16, -140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 150, 150));
    p.drawEllipse(QPointF(c.x() - r * 0.36, c.y() + r * 0.12), r * 0.08, r * 0.06);
    p.drawEllipse(QPointF(c.x() + r * 0.36, c.y() + r * 0.12), r * 0.08, r * 0.06);
    p.restore();
}

// Rising bars and a happy star: "I am getting better".
void progressPicture(QPainter &p, QPointF origin, qreal unit)
{
    p.save();
    p.translate(origin);
    p.scale(unit, unit);
    const qreal ground = 88;
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, ground), QPointF(104, ground));
    bar(p, QRectF(14, ground - 26, 22, 26), QColor(255, 140, 140));
    bar(p, QRectF(44, ground - 44, 22, 44), QColor(255, 205, 90));
    bar(p, QRectF(74, ground - 62, 22, 62), QColor(120, 200, 120));
    happyStar(p, QPointF(85, 15), 15);
    drawStar(p, QPointF(22, 40), 5, QColor(150, 190, 245));
    drawStar(p, QPointF(56, 22), 4, QColor(240, 150, 200));
    p.restore();
}

// A target hit in its middle, and stars: "I train, I hit the mark".
void trainingPicture(QPainter &p, QPointF origin, qreal unit)
{
    p.save();
    p.translate(origin);
    p.scale(unit, unit);
    const QPointF c(34, 50);
    const QColor rings[] = {QColor(240, 90, 90), Qt::white, QColor(240, 90, 90), Qt::white, QColor(255, 200, 60)};
    p.setPen(QPen(kOutline, 1.4));
    for (int i = 0; i < 5; ++i) {
        p.setBrush(rings[i]);
        const qreal r = 30 - 6 * i;
        p.drawEllipse(c, r, r);
    }
    // The arrow, in from the top right, its head in the middle.
    p.setPen(QPen(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(28, -28));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(120, 170, 240));
    QPainterPath plumes;
    plumes.moveTo(c + QPointF(22, -26));
    plumes.lineTo(c + QPointF(32, -36));
    plumes.lineTo(c + QPointF(34, -26));
    plumes.lineTo(c + QPointF(30, -22));
    plumes.closeSubpath();
    p.drawPath(plumes);
    drawStar(p, QPointF(10, 12), 6, kGold);
    drawStar(p, QPointF(62, 70), 5, QColor(150, 190, 245));
    p.restore();
}

using Picture = void (*)(QPainter &, QPointF, qreal);

// A drawing of the start screen alone, on a transparent ground.
QImage drawingAlone(QSizeF size, qreal scale, Picture picture, QPointF at)
{
    QPainter p;
    QImage image = canvas(size, scale, Qt::transparent, p);
    picture(p, at, 1);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A screen of the children's own: pastel, its drawing small in the two top
// corners, the return plate bottom right.
struct Pastel {
    QColor top, bottom, frame, plate;
    QList<QColor> confetti;
    quint32 seed;
    QList<QRectF> keepClear;
};
QImage pastelScreen(qreal scale, const Pastel &c, Picture picture, qreal unit, QPointF left, QPointF right)
{
    QPainter p;
    QImage image = canvas(QSizeF(640, 480), scale, Qt::white, p);
    const QRectF plate(552, 459, 77, 19);
    drawPastelScreen(p, QRectF(0, 0, 640, 480), c.top, c.bottom, c.frame, c.confetti, c.seed, c.keepClear + QList{plate});
    picture(p, left, unit);
    picture(p, right, unit);
    drawPlate(p, plate.adjusted(-2, -2, 2, 2), QColor(255, 253, 246), c.plate);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage trainingDrawing(qreal scale)
{
    return drawingAlone(QSizeF(70, 84), scale, trainingPicture, QPointF(0, 2));
}

QImage trainingScreen(qreal scale)
{
    return pastelScreen(scale,
                        {QColor(238, 250, 240), QColor(250, 248, 236), QColor(150, 205, 160), QColor(120, 190, 130),
                         {QColor(255, 200, 80), QColor(240, 120, 120), QColor(130, 180, 240)}, 31, {QRectF(180, 0, 280, 64)}},
                        trainingPicture, 0.45, QPointF(10, 4), QPointF(596, 4));
}

QImage playersScreen(qreal scale)
{
    QPainter p;
    QImage image = canvas(QSizeF(640, 480), scale, Qt::white, p);
    drawPastelScreen(p, QRectF(0, 0, 640, 480), QColor(236, 246, 255), QColor(250, 244, 255), QColor(160, 180, 235),
           {QColor(150, 185, 240), QColor(255, 190, 120), QColor(200, 160, 240)}, 29,
           {QRectF(10, 440, 190, 36), QRectF(545, 444, 90, 36)});
    // Two little faces beside the question.
    const auto face = [&p](QPointF c, QColor hair) {
        p.save();
        p.setPen(QPen(kOutline, 1.4));
        p.setBrush(hair);
        p.drawEllipse(c + QPointF(0, -3), 17, 16);
        p.setBrush(QColor(255, 224, 196));
        p.drawEllipse(c + QPointF(0, 2), 14, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawEllipse(c + QPointF(-5, 0), 1.8, 2.2);
        p.drawEllipse(c + QPointF(5, 0), 1.8, 2.2);
        p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 5, c.y() + 2, 10, 7), -20 * 16, -140 * 16);
        p.restore();
    };
    face(QPointF(140, 36), QColor(150, 95, 50));
    face(QPointF(500, 36), QColor(240, 200, 90));
    drawStar(p, QPointF(108, 24), 6, QColor(255, 200, 80));
    drawStar(p, QPointF(532, 24), 6, QColor(150, 190, 245));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage progressScreen(qreal scale)
{
    return pastelScreen(scale,
                        {QColor(255, 250, 230), QColor(255, 244, 236), QColor(240, 200, 120), QColor(230, 170, 60),
                         {QColor(255, 200, 80), QColor(120, 200, 120), QColor(240, 150, 150)}, 30, {}},
                        progressPicture, 0.5, QPointF(12, 6), QPointF(572, 6));
}

QImage progressDrawing(qreal scale)
{
    return drawingAlone(QSizeF(112, 96), scale, progressPicture, QPointF(0, 0));
}

QImage speakerDrawing(qreal scale)
{
    QPainter p;
    QImage image = canvas(QSizeF(24, 20), scale, Qt::transparent, p);
    // A round plate, so that the loudspeaker reads as a button on any ground.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(255, 250, 236));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 19), 6, 6);
    // The loudspeaker: a box and its cone.
    QPainterPath hautParleur;
    hautParleur.moveTo(4, 7.5);
    hautParleur.lineTo(7.5, 7.5);
    hautParleur.lineTo(12, 3.5);
    hautParleur.lineTo(12, 16.5);
    hautParleur.lineTo(7.5, 12.5);
    hautParleur.lineTo(4, 12.5);
    hautParleur.closeSubpath();
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 170, 60));
    p.drawPath(hautParleur);
    // Two waves of sound.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 120, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(9, 6, 8, 8), -50 * 16, 100 * 16);
    p.drawArc(QRectF(8, 3, 14, 14), -50 * 16, 100 * 16);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace gen
