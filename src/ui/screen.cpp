#include "screen.h"

#include <QMouseEvent>
#include <QPainter>

Screen::Screen(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void Screen::setBackground(const QPixmap& picture)
{
    background_ = picture;
    update();
}

void Screen::addLine(QLineF line, const QColor& color, qreal width)
{
    lines_.append({line, color, width});
    update();
}

void Screen::showScreen()
{
    show();
    raise();
    activation();
}

void Screen::paintEvent(QPaintEvent*)
{
    {
        QPainter p(this);
        if (background_.isNull())
            p.fillRect(rect(), palette().window());
        else
            p.drawPixmap(0, 0, background_);
    }
    paintLines(this, lines_);
}

void Screen::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}
