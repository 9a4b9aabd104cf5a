// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

// A rounded ring around the control that holds the keyboard focus, laid
// over the screen while the keyboard is in use. It follows the control when
// it moves or resizes; showing, moving or hiding it repaints only the places
// it leaves and takes, never the whole screen.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    // Room between the control and the outside of the ring.
    static constexpr int Margin = 4;

    explicit FocusRing(QWidget* screen);

    // The control to ring; nullptr for none.
    void follow(QWidget* control);
    QWidget* control() const { return control_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void place();

    QPointer<QWidget> control_;
};
