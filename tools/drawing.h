// SPDX-License-Identifier: GPL-3.0-or-later
// Small painting helpers shared by every generated picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace gen {

// Deterministic pseudo-random numbers: the pictures must come out identical on every build.
class Dice {
public:
    explicit Dice(quint32 seed) : state_(seed % 2147483646u + 1u) {}
    // Uniform in [0, 1).
    qreal next()
    {
        state_ = static_cast<quint32>((static_cast<quint64>(state_) * 48271u) % 2147483647u);
        return static_cast<qreal>(state_ - 1u) / 2147483646.0;
    }
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    quint32 state_;
};

// Bold sans-serif at an exact pixel size, so pictures do not depend on DPI.
QFont boldFont(qreal pixelSize);

// A fresh picture of `size` screen pixels at `scale`, filled, with `p`
// begun on it (antialiased) and scaled: the drawing stays in screen pixels.
QImage canvas(QSizeF size, qreal scale, QColor fill, QPainter &p);

// Writes text centred on a point.
void drawCentredText(QPainter &p, QPointF centre, const QString &text, const QFont &font, QColor colour);

// Vertical gradient over the whole rectangle.
void fillGradient(QPainter &p, const QRectF &r, QColor top, QColor bottom);

// Rounded plate under a text button: light face, soft shadow, coloured border.
void drawPlate(QPainter &p, const QRectF &r, QColor face, QColor border);

// Translucent white panel that keeps text readable over a drawing.
void drawPanel(QPainter &p, const QRectF &r, QColor border);

// Five-pointed star.
void drawStar(QPainter &p, QPointF centre, qreal radius, QColor fill);

// Fluffy cloud made of overlapping circles; `size` is its width.
void drawCloud(QPainter &p, QPointF centre, qreal size, QColor fill);

// Tiny dots and stars along the edges of `area`, kept out of `keepClear`.
// Positions come from a fixed-seed generator, so the result never changes.
void drawEdgeConfetti(QPainter &p, const QRectF &area, const QList<QColor> &colours, quint32 seed,
                      const QList<QRectF> &keepClear);

// A round clock dial. Angles follow the screen: 12 o'clock straight up.
struct DialStyle {
    qreal radius = 60;              // outer edge of the rim
    qreal rimWidth = 6;
    QColor rim = Qt::black;
    QColor rimOutline = Qt::transparent; // thin line on both edges of the rim
    QColor face = Qt::white;
    QColor faceEdge = Qt::white;    // face colour at the rim (radial shading)
    qreal tickGap = 2;              // space between rim and ticks
    qreal minuteTickLength = 0;     // 0: no minute ticks
    qreal hourTickLength = 0;       // 0: no hour marks
    qreal hourTickWidth = 2;
    qreal numeralRadius = 0;        // 0: no numerals
    qreal numeralSize = 12;
    QColor ink = Qt::black;
    qreal centreDisc = 0;           // 0: no disc at the centre
    QColor centreColour = Qt::red;
};
void drawDial(QPainter &p, QPointF centre, const DialStyle &style);

// Point at `radius` from `centre` in the direction of minute `minute` (0 = up).
QPointF dialPoint(QPointF centre, qreal radius, qreal minute);

// Pastel screen: gradient, thin frame, confetti on the edges, away from keepClear.
void drawPastelScreen(QPainter &p, const QRectF &area, QColor top, QColor bottom, QColor frame,
                      const QList<QColor> &confetti, quint32 seed, const QList<QRectF> &keepClear = {});

} // namespace gen
