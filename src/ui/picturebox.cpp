// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessibility.h"
#include "keyboarduse.h"
#include "scaledview.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setMouseTracking(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    setPicture(picture, PictureFile(), QRect());
}

void PictureBox::setPicture(const QPixmap& picture, const PictureFile& file, const QRect& part)
{
    // The same part again (a fresh face for each question) keeps what was read.
    if (file.path() != file_.path() || part != part_) {
        sharp_ = QPixmap();
        sharpScale_ = 0;
    }
    picture_ = picture;
    file_ = file;
    part_ = part;
    lines_.clear();
    update();
}

void PictureBox::copyPicture(const PictureBox& from)
{
    setPicture(from.picture_, from.file_, from.part_);
    if (sharp_.isNull()) {
        sharp_ = from.sharp_;
        sharpScale_ = from.sharpScale_;
    }
}

void PictureBox::drawLine(QPointF from, QPointF to, const QColor& color, qreal width)
{
    lines_.append({QLineF(from, to), color, width});
    update();
}

void PictureBox::clearLines()
{
    lines_.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    {
        QPainter p(this);
        const qreal scale = deviceScale(p);
        // A box given only its file reads it at any scale.
        if (!file_.isNull() && scale > sharpScale_ && file_.decodingAhead(scale, part_)) {
            // Still being decoded ahead (the start-up's first frame): the
            // plain picture, or nothing, until it is there.
            if (!waiting_) {
                waiting_ = true;
                file_.whenDecoded(this, scale, part_, [this] {
                    waiting_ = false;
                    update();
                });
            }
            p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(part_.size())), picture_, QRectF(picture_.rect()));
        } else if (!file_.isNull() && (scale > 1 || picture_.isNull())) {
            if (scale > sharpScale_) {
                sharp_ = file_.read(scale, part_);
                sharpScale_ = scale;
            }
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(QPointF(0, 0), sharp_);
        } else {
            p.drawPixmap(0, 0, picture_);
        }
    }
    paintLines(this, lines_);
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}

void PictureBox::keyPressEvent(QKeyEvent* e)
{
    if (!pressByKey(e, [this] { click(); }))
        QWidget::keyPressEvent(e);
}

void paintLines(QWidget* on, const QList<PictureBox::Line>& lines)
{
    QPainter p(on);
    for (const auto& l : lines) {
        // Smooth slanting hands; keep straight separators crisp, as
        // antialiasing would blur a 1-pixel line over two pixels.
        const bool droite = l.line.dx() == 0 || l.line.dy() == 0;
        p.setRenderHint(QPainter::Antialiasing, !droite);
        p.setPen(QPen(l.color, l.width, Qt::SolidLine, droite ? Qt::FlatCap : Qt::RoundCap));
        p.drawLine(l.line);
    }
}
