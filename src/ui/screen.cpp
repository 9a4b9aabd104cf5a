#include "screen.h"

#include <QMouseEvent>
#include <QPainter>

#include "scaledview.h"

Screen::Screen(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void Screen::setBackground(const QPixmap& picture)
{
    background_ = picture;
    backgroundFile_ = PictureFile();
    update();
}

void Screen::setBackgroundFile(const QString& path)
{
    background_ = QPixmap();
    backgroundFile_ = PictureFile(path);
    backgroundScale_ = 0;
    update();
}

QPixmap Screen::background(qreal scale) const
{
    // A smaller scale keeps the larger picture: it is only drawn smaller.
    scale = std::max<qreal>(scale, 1);
    if (!backgroundFile_.isNull() && scale > backgroundScale_) {
        background_ = backgroundFile_.read(scale);
        backgroundScale_ = scale;
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
        const QPixmap fond = background(deviceScale(p));
        if (fond.isNull()) {
            p.fillRect(rect(), palette().window());
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(QPointF(0, 0), fond);
        }
    }
    paintLines(this, lines_);
}

void Screen::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}
