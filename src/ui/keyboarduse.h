// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

class QKeyEvent;

// Whether the user is working from the keyboard: a key press turns it on, a
// mouse button or a pointer that really moves turns it off. Focus marks show
// only while it is on, and the screens do not take the focus from a
// keyboard user. One tracker watches the whole application.
class KeyboardUse : public QObject {
    Q_OBJECT

public:
    static KeyboardUse& instance();
    static bool active() { return instance().active_; }

signals:
    void changed(bool active);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    explicit KeyboardUse(QObject* parent);
    void set(bool on);

    bool active_ = false;
    // Where the pointer was last seen, on the desktop: a move event that
    // finds it there again (one replayed by the toolkit) is no movement.
    std::optional<QPointF> pointer_;
};

// Enter, Return or Space press a focused label or drawing: runs press()
// for them (once while the key is held down) and says whether it was one.
bool pressByKey(const QKeyEvent* e, const std::function<void()>& press);
