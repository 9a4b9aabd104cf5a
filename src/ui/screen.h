#pragma once

#include <QPixmap>
#include <QWidget>

#include "picturebox.h"
#include "picturefile.h"

// One screen of the program: a background picture, fixed lines drawn over
// it, and an activation that runs each time the screen is shown.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    void setBackground(const QPixmap& picture);
    // The background from a picture file, decoded when the screen is first
    // painted, at the resolution it is painted at: a screen never opened
    // costs neither the time nor the memory.
    void setBackgroundFile(const QString& path);
    // The background for `scale` device pixels per pixel, decoded again only
    // when the scale grows beyond the one last decoded for.
    QPixmap background(qreal scale = 1) const;

    // A fixed line of the design (separators, frames).
    void addLine(QLineF line, const QColor& color, qreal width = 1);

    // Shows the screen on top and runs its activation.
    void showScreen();

    // What the screen does each time it is shown.
    virtual void activation() {}

signals:
    // The pointer moved over the screen's background.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    // The screen draws no focus mark: taking or losing the focus must not
    // repaint the whole screen.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    mutable QPixmap background_;
    PictureFile backgroundFile_;
    mutable qreal backgroundScale_ = 0;
    QList<PictureBox::Line> lines_;
};
