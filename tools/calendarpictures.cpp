// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarpictures.h"

#include "drawing.h"

#include <QPainterPath>

namespace gen {
namespace {

const QColor kOutline(96, 64, 40);
const QColor kRed(226, 74, 70);
const QColor kPaper(255, 253, 246);

} // namespace

void drawCalendarDrawing(QPainter &p)
{
    const QRectF box(kCalendarDrawing);
    p.save();
    // A wall calendar's page: a red band with its rings, a big day, a small grid.
    const QRectF page(box.left() + 6, box.top() + 8, box.width() - 12, box.height() - 14);
    QPainterPath ombre;
    ombre.addRoundedRect(page.translated(3, 3), 7, 7);
    p.fillPath(ombre, QColor(0, 0, 0, 30));
    QPainterPath feuille;
    feuille.addRoundedRect(page, 7, 7);
    p.fillPath(feuille, kPaper);
    const QRectF bande(page.left(), page.top(), page.width(), 22);
    QPainterPath haut;
    haut.addRoundedRect(bande, 7, 7);
    haut.addRect(bande.adjusted(0, 10, 0, 0));
    p.fillPath(haut.simplified(), kRed);
    drawCentredText(p, bande.center() + QPointF(0, 2), QStringLiteral("avril"), boldFont(11), Qt::white);
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page, 7, 7);
    // The rings over the band.
    for (qreal x : {page.left() + 16, page.right() - 16}) {
        p.setPen(QPen(QColor(90, 90, 100), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, page.top() - 6), QPointF(x, page.top() + 5));
    }
    drawCentredText(p, {page.center().x(), page.top() + 40}, QStringLiteral("14"), boldFont(22), kRed);
    // Four weeks of little squares, the weekend in blue.
    const qreal cote = 7, ecart = 2;
    const qreal gauche = page.center().x() - (7 * cote + 6 * ecart) / 2;
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 7; ++c) {
            const QRectF r(gauche + c * (cote + ecart), page.top() + 54 + l * (cote + ecart), cote, cote);
            p.fillRect(r, c >= 5 ? QColor(150, 180, 240) : QColor(220, 215, 205));
        }
    p.restore();
}

QImage calendarScreen(qreal scale)
{
    QPainter p;
    QImage image = canvas(QSizeF(640, 480), scale, Qt::white, p);
    const QRectF plate(552, 459, 77, 19);
    QList<QRectF> columns;
    for (int i = 0; i < 4; ++i)
        columns << QRectF(1 + 159 * i, 4, 159, 446);
    drawPastelScreen(p, QRectF(0, 0, 640, 480), QColor(255, 246, 240), QColor(240, 246, 255), QColor(230, 160, 150),
                     {QColor(240, 120, 110), QColor(150, 190, 245), QColor(250, 200, 90)}, 41,
                     QList<QRectF>(columns) << plate << QRectF(6, 452, 430, 24));
    const QColor borders[] = {QColor(240, 140, 120), QColor(150, 190, 245), QColor(150, 210, 150), QColor(200, 160, 230)};
    for (int i = 0; i < 4; ++i) {
        drawPanel(p, columns[i], borders[i]);
        drawPlate(p, QRectF(columns[i].center().x() - 46, 276, 92, 26), QColor(236, 244, 255), QColor(90, 130, 210));
    }
    drawPlate(p, plate.adjusted(-2, -2, 2, 2), QColor(255, 253, 246), QColor(240, 150, 80));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace gen
