// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "rouages.h"

// The board's large clock: drawn in a space of 1000 x 1000 that one
// transform fits to the widget, its hands taken anywhere near them by a
// finger, a stylus or the mouse, or turned by the keys (Up and Down a
// minute, Left and Right five, Page Up and Page Down an hour). A dial for
// screen readers, its value the time it shows.
class CadranTableau : public QWidget {
    Q_OBJECT

public:
    explicit CadranTableau(QWidget* parent = nullptr);

    tableau::Rouages& rouages() { return rouages_; }
    const tableau::Rouages& rouages() const { return rouages_; }
    // What the dial shows around it and inside.
    void setMinutesAutour(bool oui);
    void setVingtQuatre(bool oui);
    void setTrotteuse(bool oui);
    // The time on the dial, as a screen reader hears it: "4 h 45".
    QString texte() const;
    // Shown again after a change made from outside (a key, a random time).
    void actualiser();

    QSize sizeHint() const override { return {600, 600}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w; }

signals:
    // The hands moved (by the child's hand or the keys).
    void tourne();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    enum class Prise { Aucune, Minutes, Heures };
    // The transform from the 1000 x 1000 design to the widget.
    QTransform transformee() const;
    // The angle from 12, clockwise, of a point of the widget.
    double angle(QPointF p) const;

    tableau::Rouages rouages_;
    Prise prise_ = Prise::Aucune;
    bool minutesAutour_ = false;
    bool vingtQuatre_ = false;
    bool trotteuse_ = false;
};
