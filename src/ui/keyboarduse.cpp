// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboarduse.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

KeyboardUse& KeyboardUse::instance()
{
    static QPointer<KeyboardUse> tracker;
    if (!tracker)
        tracker = new KeyboardUse(QCoreApplication::instance());
    return *tracker;
}

KeyboardUse::KeyboardUse(QObject* parent) : QObject(parent)
{
    if (parent)
        parent->installEventFilter(this);
}

void KeyboardUse::set(bool on)
{
    if (on == active_)
        return;
    active_ = on;
    emit changed(on);
}

bool KeyboardUse::eventFilter(QObject*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(e)->key();
        // Shift or Ctrl held for a click is still the mouse.
        const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control
                               || key == Qt::Key_Alt || key == Qt::Key_Meta;
        if (!modifierOnly)
            set(true);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        set(false);
        break;
    case QEvent::MouseMove: {
        const QPointF at = static_cast<QMouseEvent*>(e)->globalPosition();
        if (pointer_ != at) {
            pointer_ = at;
            set(false);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

bool pressByKey(const QKeyEvent* e, const std::function<void()>& press)
{
    const int key = e->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    if (!e->isAutoRepeat())
        press();
    return true;
}
