// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

// Shows a widget of fixed size (its design) scaled uniformly to the largest
// size that fits the view, centred. The widget keeps its own coordinates:
// painting goes through the view's one transform, so text and lines are
// drawn at the device's resolution, and clicks, pointer moves and keys reach
// it at their place in the design.
class ScaledView : public QGraphicsView {
    Q_OBJECT

public:
    // Takes the widget, which must have no parent, into the view's scene.
    explicit ScaledView(QWidget* design, QWidget* parent = nullptr);

    QWidget* design() const { return design_; }
    // Device-independent pixels of the view per design pixel.
    qreal designScale() const;
    // Where the design lies in the view's viewport.
    QRectF designRect() const;
    // Device pixels per design pixel, the screen's own ratio included.
    qreal deviceScale() const { return designScale() * devicePixelRatioF(); }

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void fit();

    QWidget* design_;
    QGraphicsProxyWidget* proxy_;
};

// Device pixels per logical pixel on whatever the painter paints on: the
// view's scale and the screen's pixel ratio together.
qreal deviceScale(const QPainter& p);
