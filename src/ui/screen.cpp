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
    backgroundFile_.clear();
    update();
}

void Screen::setBackgroundFile(const QString& path)
{
    background_ = QPixmap();
    backgroundFile_ = path;
    update();
}

QPixmap Screen::background() const
{
    if (!backgroundFile_.isEmpty()) {
        background_ = QPixmap(backgroundFile_);
        backgroundFile_.clear();
    }
    return background_;
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
        const QPixmap fond = background();
        if (fond.isNull())
            p.fillRect(rect(), palette().window());
        else
            p.drawPixmap(0, 0, fond);
    }
    paintLines(this, lines_);
}

void Screen::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}
