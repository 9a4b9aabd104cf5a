// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "calendarpictures.h"
#include "daypictures.h"
#include "drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace gen {
namespace {

const QSize kScreen(640, 480);
const QColor kOutline(96, 64, 40);      // warm dark brown for the outlines of drawings
const QColor kWood(196, 140, 86);
const QColor kStrap(79, 156, 214);
const QColor kPlateFace(255, 253, 246);

// A painter with antialiasing on a fresh picture, `scale` pixels for each
// pixel of the screen: the drawing code stays in screen pixels.
struct Canvas {
    QImage image;
    QPainter painter;
    Canvas(QColor fill, qreal scale)
        : image((QSizeF(kScreen) * scale).toSize(), QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(fill);
        painter.begin(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
    }
    QImage finish(QImage::Format format)
    {
        painter.end();
        return image.convertToFormat(format);
    }
};

void outlined(QPainter &p, const QPainterPath &path, const QBrush &fill, qreal width = 1.6, QColor line = kOutline)
{
    p.save();
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void thickLine(QPainter &p, QPointF from, QPointF to, qreal width, QColor colour)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.restore();
}

// A small decorative clock with fixed hands.
void drawSmallClock(QPainter &p, QPointF centre, qreal radius, QColor rim, qreal hour, qreal minute)
{
    DialStyle s;
    s.radius = radius;
    s.rimWidth = qMax(2.0, radius / 6);
    s.rim = rim;
    s.rimOutline = kOutline;
    s.tickGap = 1;
    s.hourTickLength = radius / 5;
    s.hourTickWidth = 1.2;
    s.ink = kOutline;
    drawDial(p, centre, s);
    thickLine(p, centre, dialPoint(centre, radius * 0.45, hour * 5), 2, QColor(40, 60, 160));
    thickLine(p, centre, dialPoint(centre, radius * 0.68, minute), 1.5, QColor(200, 40, 40));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(centre, 1.5, 1.5);
    p.restore();
}

// One piece of the watch strap; the end hidden under the watch needs no care.
void drawStrapPiece(QPainter &p, const QRectF &r, const QList<qreal> &holesY)
{
    outlined(p, roundedRect(r, 14), kStrap, 1.8, kStrap.darker(160));
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 10, 10);
    p.restore();
    for (qreal y : holesY)
        outlined(p, ellipse(QPointF(r.center().x(), y), 2.6, 2.6), kStrap.darker(200), 1, kStrap.darker(220));
}

// A cardboard clock of the classroom, its hands held by a split pin, with an
// arrow that turns them.
void drawSettingClock(QPainter &p)
{
    const QRectF box(kSettingClockDrawing);
    const QPointF c = box.center() + QPointF(-4, 2);
    const QColor card(255, 214, 102);
    outlined(p, roundedRect(QRectF(c.x() - 44, c.y() - 44, 88, 88), 14), card, 1.8, card.darker(170));
    DialStyle s;
    s.radius = 37;
    s.rimWidth = 4;
    s.rim = QColor(240, 120, 90);
    s.rimOutline = kOutline;
    s.face = Qt::white;
    s.faceEdge = QColor(255, 249, 236);
    s.tickGap = 1.5;
    s.minuteTickLength = 2;
    s.hourTickLength = 4;
    s.hourTickWidth = 1.6;
    s.numeralRadius = 22.5;
    s.numeralSize = 8.5;
    s.ink = kOutline;
    drawDial(p, c, s);
    thickLine(p, c, dialPoint(c, 17, 18.75), 4.5, QColor(30, 50, 200));
    thickLine(p, c, dialPoint(c, 28, 45), 3, QColor(220, 40, 40));
    outlined(p, ellipse(c, 3, 3), QColor(255, 214, 90), 1.2);
    // The arrow round the top right, turning clockwise.
    QPainterPath arc;
    const QRectF round(c.x() - 50, c.y() - 50, 100, 100);
    arc.arcMoveTo(round, 80);
    arc.arcTo(round, 80, -62);
    p.save();
    p.setPen(QPen(QColor(60, 170, 90), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.restore();
    const QPointF tip = arc.currentPosition();
    QPainterPath head;
    head.moveTo(tip + QPointF(7, -3));
    head.lineTo(tip + QPointF(1, 9));
    head.lineTo(tip + QPointF(-7, -1));
    head.closeSubpath();
    outlined(p, head, QColor(60, 170, 90), 1.2, QColor(40, 120, 60));
}

// Plate under the return / quit label of a screen, bottom right.
void drawReturnPlate(QPainter &p, const QRectF &label, QColor border)
{
    drawPlate(p, label.adjusted(-2, -2, 2, 2), kPlateFace, border);
}


// "Klepsos" in cheerful letters, each with a white halo.
void drawTitle(QPainter &p, QPointF centre, const QString &text)
{
    const QFont font = boldFont(34);
    const QFontMetricsF metrics(font);
    const QList<QColor> colours{QColor(232, 84, 84), QColor(245, 150, 40), QColor(60, 170, 90),
                                QColor(50, 130, 220), QColor(160, 90, 200), QColor(230, 90, 160)};
    qreal x = centre.x() - metrics.horizontalAdvance(text) / 2;
    const qreal baseline = centre.y() + metrics.capHeight() / 2;
    for (int i = 0; i < text.size(); ++i) {
        const QString letter = text.mid(i, 1);
        QPainterPath path;
        path.addText(QPointF(x, baseline + ((i % 2) ? 2.5 : -2.5)), font, letter);
        p.save();
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.restore();
        const QColor c = colours.at(i % colours.size());
        outlined(p, path, c, 1.2, c.darker(150));
        x += metrics.horizontalAdvance(letter);
    }
}

// --- Start-screen drawings -------------------------------------------------

// Lesson: an easel with a paper chart of the units of time.
void drawFlipChart(QPainter &p)
{
    thickLine(p, {528, 60}, {528, 238}, 4, kWood.darker(115));
    thickLine(p, {505, 62}, {470, 242}, 5, kWood);
    thickLine(p, {551, 62}, {586, 242}, 5, kWood);

    outlined(p, roundedRect(QRectF(468, 58, 120, 142), 4), QColor(255, 253, 244));
    outlined(p, roundedRect(QRectF(463, 50, 130, 11), 4), kWood);
    outlined(p, roundedRect(QRectF(460, 198, 136, 7), 3), kWood);

    const QFont font = boldFont(14);
    drawCentredText(p, {528, 80}, QStringLiteral("1 an = 12 mois"), font, QColor(46, 139, 87));
    drawCentredText(p, {528, 104}, QStringLiteral("1 j = 24 h"), font, QColor(224, 123, 0));
    drawCentredText(p, {528, 128}, QStringLiteral("1 h = 60 mn"), font, QColor(31, 95, 214));
    drawCentredText(p, {528, 152}, QStringLiteral("1 mn = 60 s"), font, QColor(214, 59, 59));
    drawSmallClock(p, {528, 179}, 14, QColor(245, 160, 70), 3, 0);
}

// Tips: a smiling light bulb and an hourglass.
void drawLightBulb(QPainter &p)
{
    const QPointF c(88, 116);
    QRadialGradient glow(c, 70);
    glow.setColorAt(0, QColor(255, 238, 140, 150));
    glow.setColorAt(1, QColor(255, 238, 140, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 70, 70);
    p.restore();
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(-180.0 + 30.0 * i);
        thickLine(p, c + QPointF(qCos(a), qSin(a)) * 54, c + QPointF(qCos(a), qSin(a)) * 64, 4,
                  QColor(255, 190, 50));
    }

    QPainterPath glass;
    glass.moveTo(72, 166);
    glass.cubicTo(70, 150, 44, 140, 44, 112);
    glass.arcTo(QRectF(c.x() - 44, c.y() - 48, 88, 88), 180, -180);
    glass.cubicTo(132, 140, 106, 150, 104, 166);
    glass.closeSubpath();
    QRadialGradient fill(c + QPointF(-12, -14), 60);
    fill.setColorAt(0, QColor(255, 253, 220));
    fill.setColorAt(1, QColor(255, 224, 110));
    outlined(p, glass, fill, 2, QColor(200, 146, 40));

    // A friendly face instead of a filament.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(75, 110), 4, 5);
    p.drawEllipse(QPointF(101, 110), 4, 5);
    p.setBrush(QColor(250, 150, 140, 160));
    p.drawEllipse(QPointF(66, 124), 6, 4);
    p.drawEllipse(QPointF(110, 124), 6, 4);
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(76, 112, 24, 20), 200 * 16, 140 * 16);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(56, 86, 40, 40), 100 * 16, 50 * 16);
    p.restore();

    const QColor metal(178, 184, 196);
    for (int i = 0; i < 3; ++i)
        outlined(p, roundedRect(QRectF(70 + 2 * i, 166 + 8 * i, 36 - 4 * i, 8), 3), metal, 1.4, QColor(110, 116, 130));
    outlined(p, roundedRect(QRectF(80, 190, 16, 7), 3), QColor(110, 116, 130), 1.4, QColor(80, 84, 96));

    drawStar(p, {34, 66}, 7, QColor(255, 205, 80));
    drawStar(p, {150, 68}, 6, QColor(255, 170, 90));
    drawStar(p, {40, 196}, 5, QColor(250, 140, 150));
}

void drawHourglass(QPainter &p)
{
    const qreal cx = 160, top = 152, bottom = 244, neck = 198;
    thickLine(p, {cx - 20, top}, {cx - 20, bottom}, 3, kWood.darker(115));
    thickLine(p, {cx + 20, top}, {cx + 20, bottom}, 3, kWood.darker(115));

    QPainterPath glass;
    glass.moveTo(cx - 15, top + 4);
    glass.lineTo(cx + 15, top + 4);
    glass.cubicTo(cx + 15, neck - 18, cx + 3, neck - 6, cx + 3, neck);
    glass.cubicTo(cx + 3, neck + 6, cx + 15, neck + 18, cx + 15, bottom - 4);
    glass.lineTo(cx - 15, bottom - 4);
    glass.cubicTo(cx - 15, neck + 18, cx - 3, neck + 6, cx - 3, neck);
    glass.cubicTo(cx - 3, neck - 6, cx - 15, neck - 18, cx - 15, top + 4);
    outlined(p, glass, QColor(220, 240, 255, 220), 1.5, QColor(120, 160, 200));

    const QColor sand(240, 190, 90);
    QPainterPath upper;
    upper.moveTo(cx - 11, neck - 16);
    upper.lineTo(cx + 11, neck - 16);
    upper.lineTo(cx, neck - 1);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(cx - 14, bottom - 4);
    lower.quadTo(cx, bottom - 26, cx + 14, bottom - 4);
    lower.closeSubpath();
    outlined(p, upper, sand, 1, sand.darker(130));
    outlined(p, lower, sand, 1, sand.darker(130));
    thickLine(p, {cx, neck}, {cx, bottom - 16}, 1.5, sand.darker(110));

    outlined(p, roundedRect(QRectF(cx - 25, top - 4, 50, 8), 3), kWood);
    outlined(p, roundedRect(QRectF(cx - 25, bottom - 4, 50, 8), 3), kWood);
}

// Exercises: an open exercise book, an alarm clock and a pencil.
void drawExerciseBook(QPainter &p, QPointF centre, qreal scale)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.rotate(-4);
    outlined(p, roundedRect(QRectF(-62, -36, 124, 72), 5), QColor(240, 120, 150));
    for (int side = -1; side <= 1; side += 2) {
        const QRectF page = side < 0 ? QRectF(-58, -33, 58, 66) : QRectF(0, -33, 58, 66);
        outlined(p, roundedRect(page, 2), QColor(255, 255, 252), 1.2);
        p.setPen(QPen(QColor(150, 190, 235), 1));
        for (qreal y = page.top() + 10; y < page.bottom() - 3; y += 8)
            p.drawLine(QPointF(page.left() + 3, y), QPointF(page.right() - 3, y));
        p.setPen(QPen(QColor(235, 110, 110), 1));
        p.drawLine(QPointF(page.left() + 10, page.top() + 2), QPointF(page.left() + 10, page.bottom() - 2));
    }
    const QFont hand = boldFont(11);
    drawCentredText(p, {-26, -16}, QStringLiteral("3 h 15"), hand, QColor(40, 70, 170));
    drawCentredText(p, {-26, 0}, QStringLiteral("2 h 30"), hand, QColor(40, 70, 170));
    drawCentredText(p, {31, -16}, QStringLiteral("60 mn"), hand, QColor(40, 70, 170));
    drawCentredText(p, {31, 0}, QStringLiteral("= 1 h"), hand, QColor(40, 70, 170));
    drawStar(p, {34, 18}, 7, QColor(255, 200, 60));
    p.restore();
}

void drawAlarmClock(QPainter &p)
{
    const QPointF c(474, 396);
    const QColor body(90, 190, 150);
    thickLine(p, c + QPointF(-14, 18), c + QPointF(-20, 29), 4, kOutline);
    thickLine(p, c + QPointF(14, 18), c + QPointF(20, 29), 4, kOutline);
    outlined(p, ellipse(c + QPointF(-17, -21), 9, 8), body);
    outlined(p, ellipse(c + QPointF(17, -21), 9, 8), body);
    drawSmallClock(p, c, 23, body, 10, 10);
}

void drawPencil(QPainter &p)
{
    p.save();
    p.translate(422, 441);
    p.rotate(-14);
    outlined(p, roundedRect(QRectF(0, -5, 12, 10), 3), QColor(245, 150, 170));
    outlined(p, roundedRect(QRectF(11, -5, 6, 10), 1), QColor(190, 190, 200));
    outlined(p, roundedRect(QRectF(16, -5, 52, 10), 1), QColor(255, 205, 60));
    QPainterPath tip;
    tip.moveTo(68, -5);
    tip.lineTo(82, 0);
    tip.lineTo(68, 5);
    tip.closeSubpath();
    outlined(p, tip, QColor(240, 210, 170));
    QPainterPath lead;
    lead.moveTo(77, -1.8);
    lead.lineTo(82, 0);
    lead.lineTo(77, 1.8);
    lead.closeSubpath();
    outlined(p, lead, kOutline, 0.8);
    p.restore();
}

// About: a small friendly computer with an "i" on its screen.
void drawComputer(QPainter &p)
{
    QPainterPath neck;
    neck.moveTo(252, 290);
    neck.lineTo(266, 290);
    neck.lineTo(271, 302);
    neck.lineTo(247, 302);
    neck.closeSubpath();
    outlined(p, neck, QColor(190, 198, 214));
    outlined(p, roundedRect(QRectF(234, 301, 50, 8), 4), QColor(190, 198, 214));
    outlined(p, roundedRect(QRectF(221, 237, 76, 55), 7), QColor(206, 214, 230), 1.8);
    QLinearGradient screen(QPointF(0, 243), QPointF(0, 285));
    screen.setColorAt(0, QColor(226, 244, 255));
    screen.setColorAt(1, QColor(180, 214, 245));
    outlined(p, roundedRect(QRectF(227, 243, 64, 42), 4), screen, 1.2);
    outlined(p, ellipse({259, 264}, 14, 14), QColor(60, 130, 220), 1.2, QColor(30, 80, 160));
    drawCentredText(p, {259, 264}, QStringLiteral("i"), boldFont(21), Qt::white);
}

// A party balloon whose string hangs down to `knot` + 30 px.
void drawBalloon(QPainter &p, QPointF knot, QColor colour)
{
    p.save();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath string;
    string.moveTo(knot);
    string.cubicTo(knot + QPointF(-6, 10), knot + QPointF(6, 20), knot + QPointF(0, 30));
    p.drawPath(string);
    p.restore();
    outlined(p, ellipse(knot - QPointF(0, 17), 13, 16), colour, 1.3, colour.darker(140));
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(knot.x() - 9, knot.y() - 29, 12, 14), 100 * 16, 70 * 16);
    p.restore();
}

// --- Clock faces of the picture sheet --------------------------------------

// Faint fibres so that the watch face looks like paper.
void sprinkleGrain(QPainter &p, QPointF centre, qreal radius, quint32 seed)
{
    Dice dice(seed);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 150, 100, 34));
    for (int i = 0; i < 420; ++i) {
        const qreal r = radius * qSqrt(dice.next());
        const qreal a = 2 * M_PI * dice.next();
        const qreal size = dice.between(0.3, 0.9);
        p.drawEllipse(centre + QPointF(r * qCos(a), r * qSin(a)), size, size);
    }
    p.restore();
}

void drawWatchFace(QPainter &p, QPointF origin)
{
    p.save();
    p.translate(origin);
    const QRectF box(0, 0, kWatchFaceOnSheet.width(), kWatchFaceOnSheet.height());
    p.setClipRect(box);
    p.fillRect(box, kStartGround);
    // Strap stubs; the start screen carries on with the rest of the strap.
    const qreal strapLeft = kWatchCentre.x() - 30;
    drawStrapPiece(p, QRectF(strapLeft, -30, 60, 50), {});
    drawStrapPiece(p, QRectF(strapLeft, 108, 60, 60), {});

    DialStyle s;
    s.radius = kWatchRadius;
    s.rimWidth = 7;
    s.rim = Qt::black;
    s.face = QColor(255, 252, 240);
    s.faceEdge = QColor(238, 226, 198);
    s.tickGap = 2;
    s.minuteTickLength = 3;
    s.hourTickLength = 5;
    s.hourTickWidth = 2.2;
    s.numeralRadius = 41;
    s.numeralSize = 14;
    drawDial(p, kWatchCentre, s);
    sprinkleGrain(p, kWatchCentre, kWatchRadius - s.rimWidth - 1, 20240611);
    p.restore();
}

void drawExerciseDial(QPainter &p, QPointF origin)
{
    p.save();
    p.translate(origin);
    const QRectF box(0, 0, kExerciseDialOnSheet.width(), kExerciseDialOnSheet.height());
    p.fillRect(box, kExerciseGround);
    DialStyle s;
    s.radius = kExerciseDialRadius;
    s.rimWidth = 12;
    s.rim = QColor(220, 40, 40);
    s.rimOutline = Qt::black;
    s.tickGap = 4;
    s.hourTickLength = 11;
    s.hourTickWidth = 4.5;
    s.centreDisc = 6;
    s.centreColour = QColor(220, 40, 40);
    drawDial(p, box.center(), s);
    p.restore();
}

} // namespace

// --- Screens -----------------------------------------------------------------

QImage startScreen(qreal scale)
{
    Canvas c(kStartGround, scale);
    QPainter &p = c.painter;
    // Light at the top, and exactly the watch's ground colour around the watch.
    QLinearGradient ground(QPointF(0, 0), QPointF(0, kScreen.height()));
    ground.setColorAt(0, QColor(255, 248, 234));
    ground.setColorAt(0.6, kStartGround);
    ground.setColorAt(1, kStartGround);
    p.fillRect(QRect(QPoint(0, 0), kScreen), ground);

    drawCloud(p, {46, 24}, 52, QColor(255, 255, 255));
    p.save();
    QRadialGradient sun(QPointF(620, 20), 22);
    sun.setColorAt(0, QColor(255, 214, 90));
    sun.setColorAt(1, QColor(255, 180, 60));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i + 15);
        thickLine(p, QPointF(620, 20) + QPointF(qCos(a), qSin(a)) * 17, QPointF(620, 20) + QPointF(qCos(a), qSin(a)) * 23,
                  3, QColor(255, 190, 70));
    }
    outlined(p, ellipse({620, 20}, 13, 13), sun, 1.4, QColor(230, 150, 40));
    p.restore();
    for (const QPointF &at : {QPointF(190, 118), QPointF(330, 222), QPointF(612, 410),
                              QPointF(176, 296), QPointF(204, 450), QPointF(520, 440)})
        drawStar(p, at, 5, QColor(255, 214, 120));

    drawTitle(p, {327, 23}, QStringLiteral("Klepsos"));
    drawPanel(p, QRectF(197, 49, 260, 74), QColor(230, 140, 200));
    drawPanel(p, QRectF(229, 337, 206, 94), QColor(120, 160, 230));

    drawLightBulb(p);
    drawHourglass(p);
    drawFlipChart(p);
    drawExerciseBook(p, {437, 314}, 1);
    drawAlarmClock(p);
    drawPencil(p);
    drawComputer(p);
    drawSettingClock(p);
    drawDayDrawing(p);
    drawCalendarDrawing(p);

    // The strap around the watch box, which the program fills with the watch face.
    const qreal strapLeft = kStartWatchBox.x() + kWatchCentre.x() - 30;
    drawStrapPiece(p, QRectF(strapLeft, 281, 60, 50), {294});
    drawStrapPiece(p, QRectF(strapLeft, 420, 60, 53), {450, 461});

    drawReturnPlate(p, QRectF(552, 459, 77, 19), QColor(235, 150, 70));
    return c.finish(QImage::Format_RGB32);
}

QImage tipsScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    const QRectF screen(QPointF(0, 0), kScreen);
    const QRectF plate(552, 458, 77, 20);
    const QPointF centre = kTipsClockCentre;
    drawPastelScreen(p, screen, QColor(242, 250, 244), QColor(228, 243, 236), QColor(170, 212, 190),
                     {QColor(140, 200, 170), QColor(255, 200, 120), QColor(150, 190, 240)}, 21, {plate});

    // Bells and feet: a child's alarm clock. The hands are the program's.
    const QColor body(246, 160, 77);
    const QColor edge(190, 105, 35);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 243, 205));
    p.drawEllipse(centre, kTipsClockRadius + 9, kTipsClockRadius + 9);
    p.restore();
    thickLine(p, dialPoint(centre, kTipsClockRadius - 4, 25), dialPoint(centre, kTipsClockRadius + 10, 25.5), 5, edge);
    thickLine(p, dialPoint(centre, kTipsClockRadius - 4, 35), dialPoint(centre, kTipsClockRadius + 10, 34.5), 5, edge);
    for (qreal minute : {53.0, 7.0}) {
        QPainterPath bell;
        bell.addEllipse(dialPoint(centre, kTipsClockRadius + 4, minute), 15, 13);
        outlined(p, bell, body, 1.8, edge);
    }

    DialStyle s;
    s.radius = kTipsClockRadius;
    s.rimWidth = 6;
    s.rim = body;
    s.rimOutline = edge;
    s.tickGap = 2;
    s.minuteTickLength = 3;
    s.hourTickLength = 6;
    s.hourTickWidth = 2.5;
    s.numeralRadius = 39;
    s.numeralSize = 13;
    s.ink = QColor(40, 40, 70);
    drawDial(p, centre, s);

    drawReturnPlate(p, plate, edge);
    return c.finish(QImage::Format_RGB32);
}

QImage aboutScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    // The about window shows only the top-left part.
    const QRectF shown(0, 0, 594, 342);
    p.fillRect(QRect(QPoint(0, 0), kScreen), QColor(255, 243, 246));
    drawPastelScreen(p, shown, QColor(243, 238, 255), QColor(255, 241, 246), QColor(200, 180, 230),
                     {QColor(200, 160, 240), QColor(255, 170, 190), QColor(255, 210, 120)}, 22, {});
    drawStar(p, {30, 30}, 9, QColor(255, 210, 120));
    drawStar(p, {564, 30}, 9, QColor(255, 180, 200));
    drawStar(p, {30, 312}, 9, QColor(200, 170, 240));
    return c.finish(QImage::Format_RGB32);
}

QImage exercisesScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    const QRectF screen(QPointF(0, 0), kScreen);
    const QRectF plate(552, 459, 77, 19);
    // Card under the clock face, in the face's own ground colour.
    const QRectF card(274, 55, 195, 195);
    // The clock question's text runs to the right edge: no confetti under it.
    const QRectF question(460, 100, 180, 70);
    drawPastelScreen(p, screen, QColor(238, 245, 255), QColor(247, 250, 255), QColor(170, 195, 235),
                     {QColor(150, 185, 240), QColor(255, 190, 120), QColor(240, 150, 190)}, 25,
                     {plate, card, question});
    p.save();
    p.setPen(QPen(kExerciseGround.darker(115), 1.5));
    p.setBrush(kExerciseGround);
    p.drawRoundedRect(card, 14, 14);
    p.restore();
    drawSmallClock(p, {28, 27}, 14, QColor(150, 185, 240), 10, 10);
    drawSmallClock(p, {612, 27}, 14, QColor(255, 190, 120), 2, 50);
    drawReturnPlate(p, plate, QColor(90, 130, 210));
    return c.finish(QImage::Format_RGB32);
}

QImage lessonScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    const QRectF screen(QPointF(0, 0), kScreen);
    const QRectF plate(552, 458, 77, 20);
    drawPastelScreen(p, screen, QColor(244, 250, 234), QColor(255, 251, 239), QColor(180, 214, 150),
                     {QColor(150, 205, 120), QColor(255, 200, 110), QColor(130, 180, 235)}, 26, {plate});
    // Quiet strip behind the live date and time.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(185, 38, 317, 46), 10, 10);
    p.restore();
    drawExerciseBook(p, {44, 34}, 0.5);
    drawSmallClock(p, {610, 30}, 15, QColor(150, 205, 120), 4, 0);
    drawReturnPlate(p, plate, QColor(110, 170, 90));
    return c.finish(QImage::Format_RGB32);
}

QImage dateGamesScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    const QRectF screen(QPointF(0, 0), kScreen);
    const QRectF plate(552, 459, 77, 19);
    drawPastelScreen(p, screen, QColor(255, 242, 234), QColor(255, 249, 241), QColor(240, 185, 160),
                     {QColor(250, 160, 140), QColor(255, 205, 110), QColor(170, 200, 240)}, 28, {plate});
    drawBalloon(p, {30, 52}, QColor(250, 140, 150));
    drawBalloon(p, {52, 58}, QColor(255, 205, 100));
    drawBalloon(p, {588, 58}, QColor(140, 190, 245));
    drawBalloon(p, {610, 52}, QColor(170, 215, 140));
    drawReturnPlate(p, plate, QColor(230, 130, 100));
    return c.finish(QImage::Format_RGB32);
}

QImage settingClockScreen(qreal scale)
{
    Canvas c(Qt::white, scale);
    QPainter &p = c.painter;
    const QRectF screen(QPointF(0, 0), kScreen);
    const QRectF plate(552, 459, 77, 19);
    const QRectF statement(14, 12, 612, 72);
    const QRectF card = QRectF(kSettingClockBox).adjusted(-10, -6, 10, 6);
    const QRectF levels = QRectF(kSettingLevels).adjusted(0, -4, 10, 6);
    drawPastelScreen(p, screen, QColor(255, 247, 230), QColor(250, 244, 255), QColor(240, 190, 120),
                     {QColor(255, 190, 110), QColor(150, 190, 245), QColor(150, 210, 150)}, 29,
                     {plate, statement, card, levels, QRectF(kSettingCheck)});
    drawPanel(p, statement, QColor(150, 190, 245));
    p.save();
    p.setPen(QPen(QColor(240, 200, 140), 1.5));
    p.setBrush(QColor(255, 236, 200));
    p.drawRoundedRect(card, 24, 24);
    p.restore();
    drawPanel(p, levels, QColor(200, 150, 220));
    drawPlate(p, QRectF(kSettingCheck).adjusted(-4, -3, 4, 3), QColor(236, 244, 255), QColor(90, 130, 210));
    drawStar(p, {44, 410}, 8, QColor(255, 210, 120));
    drawStar(p, {380, 404}, 6, QColor(200, 170, 240));
    drawSmallClock(p, {600, 404}, 16, QColor(240, 120, 90), 4, 45);
    drawReturnPlate(p, plate, QColor(240, 150, 80));
    return c.finish(QImage::Format_RGB32);
}

QImage pictureSheet(qreal scale)
{
    Canvas c(Qt::transparent, scale);
    drawWatchFace(c.painter, kWatchFaceOnSheet.topLeft());
    drawExerciseDial(c.painter, kExerciseDialOnSheet.topLeft());
    return c.finish(QImage::Format_ARGB32);
}

} // namespace gen
