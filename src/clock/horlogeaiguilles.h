// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "aiguilles.h"

// A clock whose hands a child sets: numbers, minute marks, an hour hand
// and a minute hand geared as on a real clock. A press on the dial takes
// the nearer hand, which then follows the pointer (mouse, finger or pen);
// with the focus, Up and Down turn the minutes, Page Up and Page Down the
// hours. Drawn at paint time, so it stays sharp at any scale.
class HorlogeAiguilles : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minutes READ minutes WRITE setMinutes NOTIFY minutesChanged)

public:
    explicit HorlogeAiguilles(QWidget* parent = nullptr);

    // The time shown, in minutes round the dial (0: 12 h 0 mn).
    int minutes() const { return minutes_; }
    void setMinutes(int minutes);
    // "4 h 45 mn": also what screen readers read as its value.
    QString texte() const { return aiguilles::texte(minutes_); }

    // While false the hands stay as they are (a verdict on view).
    void setReglable(bool on) { reglable_ = on; }
    bool reglable() const { return reglable_; }

    // The right hands, drawn lighter over the child's; none by default.
    void montrerSolution(int minutes);
    void cacherSolution();
    std::optional<int> solution() const { return solution_; }

    // The dial in the widget's coordinates.
    QPointF centre() const { return QRectF(rect()).center(); }
    double rayon() const { return std::min(width(), height()) / 2.0 - 2; }
    // The point at that angle (clockwise from the 12) and distance from the centre.
    QPointF point(double angle, double distance) const;

signals:
    void minutesChanged(int minutes);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // The screen's focus ring marks the focus.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    void suivre(QPointF at);

    int minutes_ = 0;
    bool reglable_ = true;
    std::optional<int> solution_;
    bool appuye_ = false;
    // The hand taken by the press, once it points somewhere.
    std::optional<aiguilles::Aiguille> tenue_;
};
