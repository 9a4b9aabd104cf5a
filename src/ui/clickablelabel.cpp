// SPDX-License-Identifier: GPL-3.0-or-later
#include "clickablelabel.h"

#include <QMouseEvent>
#include <QTimer>

#include "accessibility.h"
#include "keyboarduse.h"
#include "style.h"

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibility();
    setMouseTracking(true);
}

void ClickableLabel::setGrows(bool on)
{
    grows_ = on;
    setWordWrap(!on);
    if (on)
        adjustSize();
}

void ClickableLabel::setCaption(const QString& text)
{
    setText(text);
    if (grows_)
        adjustSize();
}

void ClickableLabel::startHold()
{
    if (!hold_) {
        hold_ = new QTimer(this);
        hold_->setSingleShot(true);
        connect(hold_, &QTimer::timeout, this, [this] {
            pressed_ = false;
            emit clicked();
        });
    }
    hold_->start(holdMs_);
}

void ClickableLabel::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    if (pressed_ && holdMs_ > 0)
        startHold();
    e->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (holdMs_ > 0) {
        // Held long enough, the timer has clicked already.
        if (hold_->isActive()) {
            hold_->stop();
            emit releasedTooSoon();
        }
    } else if (click) {
        emit clicked();
    }
}

void ClickableLabel::keyReleaseEvent(QKeyEvent* e)
{
    if (holdMs_ > 0 && hold_ && hold_->isActive() && !e->isAutoRepeat()) {
        hold_->stop();
        emit releasedTooSoon();
    }
    QLabel::keyReleaseEvent(e);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}

void ClickableLabel::keyPressEvent(QKeyEvent* e)
{
    if (holdMs_ > 0 && pressByKey(e, [] {})) {
        // A key held down repeats: the first press starts the wait.
        if (!e->isAutoRepeat())
            startHold();
        return;
    }
    if (!pressByKey(e, [this] { click(); }))
        QLabel::keyPressEvent(e);
}

ClickableLabel* makeLabel(QWidget* parent, const char* name, const QRect& place,
                          const LabelStyle& style, const QString& caption)
{
    auto* l = new ClickableLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(style.font);
    setTextColor(l, style.color.isValid() ? style.color : couleur::noir);
    l->setAlignment(style.alignment | Qt::AlignTop);
    l->setGeometry(place);
    l->setGrows(style.grows);
    l->setCaption(caption);
    return l;
}
