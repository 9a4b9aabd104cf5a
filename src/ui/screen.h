#pragma once

#include <QPixmap>
#include <QWidget>

#include "picturebox.h"

// One screen of the program: a background picture, fixed lines drawn over
// it, and an activation that runs each time the screen is shown.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    void setBackground(const QPixmap& picture);
    QPixmap background() const { return background_; }

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

private:
    QPixmap background_;
    QList<PictureBox::Line> lines_;
};
