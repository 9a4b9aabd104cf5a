// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrowspinner.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "accessibility.h"

namespace {
// What Page Up and Page Down count as.
constexpr int PageSteps = 10;
}  // namespace

ArrowSpinner::ArrowSpinner(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // Holding an arrow down keeps stepping, as children expect.
    repeat_.setInterval(90);
    connect(&repeat_, &QTimer::timeout, this, &ArrowSpinner::repeat);
}

void ArrowSpinner::setValue(int v)
{
    v = qBound(minimum_, v, maximum_);
    if (v == value_)
        return;
    value_ = v;
    update();
    emit valueChanged(value_);
    // After the change handling, so that the name read (the answer label)
    // is already the new one.
    QAccessibleValueChangeEvent changed(this, value_);
    QAccessible::updateAccessibility(&changed);
}

void ArrowSpinner::setMinimum(int m)
{
    setRange(m, qMax(m, maximum_));
}

void ArrowSpinner::setMaximum(int m)
{
    setRange(qMin(minimum_, m), m);
}

void ArrowSpinner::setRange(int min, int max)
{
    minimum_ = min;
    maximum_ = qMax(min, max);
    setValue(value_);
}

void ArrowSpinner::stepBy(int direction, int steps)
{
    int v = value_;
    for (int i = 0; i < steps; ++i) {
        const qint64 target = qint64(v) + qint64(direction) * step_;
        if (target > maximum_)
            v = wrapping_ ? minimum_ : maximum_;
        else if (target < minimum_)
            v = wrapping_ ? maximum_ : minimum_;
        else
            v = int(target);
    }
    setValue(v);
    emit stepped(value_);
}

void ArrowSpinner::stepUp()
{
    stepBy(+1);
}

void ArrowSpinner::stepDown()
{
    stepBy(-1);
}

void ArrowSpinner::repeat()
{
    repeat_.setInterval(90);
    if (pressed_)
        stepBy(pressed_);
}

void ArrowSpinner::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    pressed_ = e->position().y() < height() / 2.0 ? +1 : -1;
    stepBy(pressed_);
    repeat_.setInterval(450);
    repeat_.start();
    update();
}

void ArrowSpinner::mouseReleaseEvent(QMouseEvent*)
{
    pressed_ = 0;
    repeat_.stop();
    update();
}

void ArrowSpinner::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: stepUp(); break;
    case Qt::Key_Down: stepDown(); break;
    case Qt::Key_PageUp: stepBy(+1, PageSteps); break;
    case Qt::Key_PageDown: stepBy(-1, PageSteps); break;
    default: QWidget::keyPressEvent(e); break;
    }
}

void ArrowSpinner::focusInEvent(QFocusEvent*)
{
    emit gotFocus();
}

void ArrowSpinner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal half = height() / 2.0;
    for (int part = 0; part < 2; ++part) {
        const bool up = part == 0;
        const QRectF box(0.5, up ? 0.5 : half + 0.5, width() - 1.0, half - 1.0);
        const bool down = pressed_ == (up ? +1 : -1);
        p.setPen(QColor(90, 90, 140));
        p.setBrush(down ? QColor(200, 210, 255) : QColor(245, 245, 255));
        p.drawRoundedRect(box, 2, 2);
        const QPointF c = box.center();
        QPainterPath arrow;
        const qreal w = 5, h = 3;
        if (up) {
            arrow.moveTo(c.x() - w, c.y() + h / 1.5);
            arrow.lineTo(c.x() + w, c.y() + h / 1.5);
            arrow.lineTo(c.x(), c.y() - h);
        } else {
            arrow.moveTo(c.x() - w, c.y() - h / 1.5);
            arrow.lineTo(c.x() + w, c.y() - h / 1.5);
            arrow.lineTo(c.x(), c.y() + h);
        }
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(isEnabled() ? QColor(30, 30, 120) : QColor(150, 150, 150));
        p.drawPath(arrow);
    }
}

ArrowSpinner* makeSpinner(QWidget* parent, const char* name, QPoint topLeft, int min, int max,
                          int value, bool wrapping)
{
    auto* s = new ArrowSpinner(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->move(topLeft);
    s->setRange(min, max);
    s->setValue(value);
    s->setWrapping(wrapping);
    return s;
}
