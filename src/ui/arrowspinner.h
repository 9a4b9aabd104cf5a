// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

// A small pair of arrows, up in the top half and down in the bottom half,
// that steps a whole value within bounds, optionally wrapping around. Up and
// Down step it from the keyboard, Page Up and Page Down by ten steps.
// valueChanged() is emitted for every change of the value, also one made by
// the program, and only when the value really changes.
class ArrowSpinner : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
    Q_PROPERTY(bool wrapping READ wrapping WRITE setWrapping)

public:
    static constexpr int Width = 30;
    static constexpr int Height = 17;

    explicit ArrowSpinner(QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int singleStep() const { return step_; }
    bool wrapping() const { return wrapping_; }

    // A value outside the bounds is brought to the nearest bound.
    void setValue(int v);
    void setMinimum(int m);
    void setMaximum(int m);
    void setRange(int min, int max);
    void setSingleStep(int s) { step_ = s; }
    void setWrapping(bool w) { wrapping_ = w; }

    // One step up or down as a click on an arrow does: at a bound, a
    // wrapping spinner goes round to the other bound, the others stay.
    void stepUp();
    void stepDown();

    QSize sizeHint() const override { return {Width, Height}; }

signals:
    void valueChanged(int value);
    // A step asked by the user (an arrow, a key), even one that leaves the
    // value where it is, at a bound: an answer of 0 is then given at once.
    void stepped(int value);
    void gotFocus();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    // The focus ring marks the focus: the arrows repaint nothing.
    void focusOutEvent(QFocusEvent*) override {}

private:
    // Steps in one direction (+1 up, -1 down) as many single steps would,
    // with one change of value at the end.
    void stepBy(int direction, int steps = 1);
    void repeat();

    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 99;
    int step_ = 1;
    bool wrapping_ = false;
    int pressed_ = 0;  // +1 up arrow held, -1 down arrow held
    QTimer repeat_;
};

// A spinner at its place with its name, range, value and step.
ArrowSpinner* makeSpinner(QWidget* parent, const char* name, QPoint topLeft, int min, int max,
                          int value = 0, bool wrapping = false);
