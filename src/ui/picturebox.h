// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include "picturefile.h"

// Shows a picture from its top-left corner and draws straight lines (clock
// hands) over it. The lines are state, painted after the picture: setting
// the picture again wipes them.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    struct Line {
        QLineF line;
        QColor color;
        qreal width = 1;
    };

    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    // The picture, cut from `part` of a picture file, which is read again at
    // the resolution the box is painted at.
    void setPicture(const QPixmap& picture, const PictureFile& file, const QRect& part);
    // The picture of another box, with its file.
    void copyPicture(const PictureBox& from);
    QPixmap picture() const { return picture_; }
    // The picture as last painted: read again from its file when scaled.
    QPixmap shownPicture() const { return sharp_.isNull() ? picture_ : sharp_; }

    void drawLine(QPointF from, QPointF to, const QColor& color, qreal width = 2);
    void clearLines();
    const QList<Line>& lines() const { return lines_; }

    // What a click does; Enter, Return or Space on a focused picture too.
    void click() { emit clicked(); }

signals:
    void clicked();
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    QPixmap picture_;
    PictureFile file_;
    QRect part_;
    // The part as last read from the file, for sharpScale_ device pixels per pixel.
    QPixmap sharp_;
    qreal sharpScale_ = 0;
    QList<Line> lines_;
    bool pressed_ = false;
    bool waiting_ = false;  // for the part decoded ahead
};

// Paints lines with antialiasing; shared by the picture box and the screens.
void paintLines(QWidget* on, const QList<PictureBox::Line>& lines);
