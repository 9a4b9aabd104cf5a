// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledview.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QPainter>
#include <cmath>

ScaledView::ScaledView(QWidget* design, QWidget* parent)
    : QGraphicsView(parent), design_(design)
{
    auto* scene = new QGraphicsScene(this);
    proxy_ = scene->addWidget(design_);
    scene->setSceneRect(QRectF(QPointF(0, 0), design_->size()));
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // The design repaints itself; the margins change only with the widget
    // shown, which repaints everything anyway.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setCacheMode(QGraphicsView::CacheNone);
    // The margins are painted by drawBackground in the colours of the design.
    setBackgroundRole(QPalette::NoRole);
    design_->installEventFilter(this);
    for (QObject* child : design_->children())
        child->installEventFilter(this);
    fit();
}

qreal ScaledView::designScale() const
{
    return transform().m11();
}

QRectF ScaledView::designRect() const
{
    return viewportTransform().mapRect(sceneRect());
}

bool ScaledView::event(QEvent* e)
{
    // Hiding the screen that held the focus takes the scene's focus away
    // from the design; a key then gives it back, to the design's own focus
    // widget, before the key is delivered.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) && !proxy_->hasFocus())
        proxy_->setFocus(Qt::OtherFocusReason);
    return QGraphicsView::event(e);
}

void ScaledView::resizeEvent(QResizeEvent* e)
{
    QGraphicsView::resizeEvent(e);
    fit();
}

void ScaledView::fit()
{
    // fitInView keeps a margin of two pixels: the scale is computed here so
    // that the design fills the height (or the width) exactly.
    const QSizeF design = sceneRect().size();
    const qreal s = std::min(width() / design.width(), height() / design.height());
    if (s > 0)
        setTransform(QTransform::fromScale(s, s));
    viewport()->update();
}

bool ScaledView::eventFilter(QObject* watched, QEvent* e)
{
    // A child of the design shown or hidden may change the margins' colours.
    if (watched == design_ && e->type() == QEvent::ChildAdded)
        static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
    else if (watched != design_ && watched->parent() == design_
             && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        viewport()->update();
    return QGraphicsView::eventFilter(watched, e);
}

qreal deviceScale(const QPainter& p)
{
    const QTransform t = p.deviceTransform();
    return std::hypot(t.m11(), t.m12());
}
